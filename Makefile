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

# Every picture on one sheet for review: $(BUILD_DIR)/contact-sheet.png
.PHONY: contact-sheet
contact-sheet: configure
	cmake --build $(BUILD_DIR) --target contact-sheet
