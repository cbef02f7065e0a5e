# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The project's commands: `make run`, `make test`, `make bench`.
BUILD_DIR ?= build
GENERATOR ?= Ninja
CTEST_ARGS ?=

.PHONY: all deps configure build run test bench

all: build

deps:
	@tools/install-deps

configure: deps
	@if [ ! -f $(BUILD_DIR)/CMakeCache.txt ]; then \
	  cmake -S . -B $(BUILD_DIR) -G $(GENERATOR); \
	fi

build: configure
	cmake --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/ui/poron-puzzle

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2 $(CTEST_ARGS)

# The game on a fresh Debian 13 (Qt 6.8, g++ 14): a new trixie root laid out with mmdebstrap
# from this machine's Debian archives, a clean clone of the committed branch in it, its own
# tools/install-deps and build (no compiler warning allowed), then these test families.
# A family with no test yet runs nothing and fails nothing. Needs root (mmdebstrap, chroot).
DEBIAN13_LABELS = rules|ui|assets|e2e|wm|wayland|a11y|metadata

.PHONY: test-debian13
test-debian13: deps
	tools/test-debian13 '$(DEBIAN13_LABELS)' $(BUILD_DIR)

# The whole suite run over and over, each test until it fails or has passed REPEAT times:
# a test that fails only now and then shows up here.
REPEAT ?= 10

.PHONY: test-repeat
test-repeat: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2 --repeat until-fail:$(REPEAT) $(CTEST_ARGS)

# Installing and packaging: `make install [PREFIX=...]`, `make uninstall`,
# `make package` (writes the Debian package into $(BUILD_DIR)).
PREFIX ?= /usr/local
INSTALLED_LIST = $(BUILD_DIR)/installed-files.txt

.PHONY: install uninstall package

# Keeps its own copy of the list of installed files: the build folder's
# install_manifest.txt is rewritten by every later install, packaging or test.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	cp $(BUILD_DIR)/install_manifest.txt $(INSTALLED_LIST)

uninstall:
	@if [ ! -f $(INSTALLED_LIST) ]; then \
	  echo "nothing was installed from $(BUILD_DIR)"; exit 1; \
	fi
	xargs -d '\n' rm -f -- < $(INSTALLED_LIST)
	rm -f $(INSTALLED_LIST)

package: build
	cmake --build $(BUILD_DIR) --target package

# The package built twice, from the checkout and from a copy of it in another folder,
# under another host name, time zone and umask: the two .deb files must be the same bytes.
REPRO_DIR ?= build-reproducible

.PHONY: test-reproducible
test-reproducible: deps
	tests/package/check_reproducible.sh . $(REPRO_DIR)

# The README's pictures, taken by the end-to-end tests from the real program:
# the game in play and the continue dialog, copied into docs/.
E2E_SHOTS = $(BUILD_DIR)/e2e-screenshots

.PHONY: screenshots
screenshots: configure
	cmake --build $(BUILD_DIR) --target poron-puzzle-fixed-seed e2e_screen_probe e2e_stage_planner
	ctest --test-dir $(BUILD_DIR) --output-on-failure -R '^e2e\.(stage_and_move|stuck_continue)$$'
	cp $(E2E_SHOTS)/stage_and_move-moved.png docs/in-play.png
	cp $(E2E_SHOTS)/stuck_continue-continue.png docs/continue.png

# Every picture on one sheet for review: $(BUILD_DIR)/contact-sheet.png
.PHONY: contact-sheet
contact-sheet: configure
	cmake --build $(BUILD_DIR) --target contact-sheet

# The pictures in their windows as the player meets them, at screen scales 1, 1.5 and 2:
# $(BUILD_DIR)/window-shots/<scale>/ (each reward picture under a stage, and the three dialogs).
.PHONY: window-shots
window-shots: configure
	cmake --build $(BUILD_DIR) --target poron_window_shots
	for scale in 1 1.5 2; do \
	  QT_SCALE_FACTOR=$$scale $(BUILD_DIR)/ui/poron_window_shots $(BUILD_DIR)/window-shots/$$scale || exit 1; \
	done

# Every illustration at an older commit beside the work tree's: $(BUILD_DIR)/pictures-old-new.png
# (`make compare-pictures BASE=HEAD~3`; BASE defaults to the last commit).
BASE ?= HEAD

.PHONY: compare-pictures
compare-pictures: deps
	tools/compare-pictures '$(BASE)' $(BUILD_DIR)/pictures-old-new.png

# Benchmarks: a Release build of its own, then one `name: value unit` line per figure.
BENCH_DIR ?= build-release

bench: deps
	@if [ ! -f $(BENCH_DIR)/CMakeCache.txt ]; then \
	  cmake -S . -B $(BENCH_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release; \
	fi
	cmake --build $(BENCH_DIR) --target bench_programs
	bench/run_bench.sh $(BENCH_DIR)

# The rules, assets and window tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails the run.
ASAN_DIR ?= build-asan
SANITIZER_ENV = \
  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0:exitcode=23:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=24

.PHONY: test-asan test-valgrind

test-asan: deps
	@if [ ! -f $(ASAN_DIR)/CMakeCache.txt ]; then \
	  cmake -S . -B $(ASAN_DIR) -G $(GENERATOR) -DPORON_SANITIZE=ON; \
	fi
	$(SANITIZER_ENV) cmake --build $(ASAN_DIR)
	$(SANITIZER_ENV) ctest --test-dir $(ASAN_DIR) --output-on-failure -j2 -L 'rules|assets|ui'

# The hundred openings of each modal window under valgrind's memcheck: no invalid access,
# no memory definitely lost.
VALGRIND_DIR ?= build-valgrind

test-valgrind: deps
	@if [ ! -f $(VALGRIND_DIR)/CMakeCache.txt ]; then \
	  cmake -S . -B $(VALGRIND_DIR) -G $(GENERATOR); \
	fi
	cmake --build $(VALGRIND_DIR) --target ui_tests
	QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --error-exitcode=1 \
	  --leak-check=full --errors-for-leak-kinds=definite \
	  $(VALGRIND_DIR)/tests/ui/ui_tests --gtest_filter='EachModalWindow/ModalWindowsRepeatTest.*'
