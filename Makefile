# Thin wrapper over CMake presets: the two set-up commands of the README.
PRESET ?= release
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test asan clean format

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/vellex

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

asan:
	$(MAKE) test PRESET=asan

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
