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
