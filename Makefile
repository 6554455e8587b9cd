# Thin wrapper over CMake presets: the two set-up commands of the README.
PRESET ?= release
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Extra ctest arguments (for example a label filter); empty by default.
CTEST_ARGS ?=
# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 20

.PHONY: all deps configure build run test asan fuzz ci clean format

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
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS) $(CTEST_ARGS)

# The whole suite under AddressSanitizer + UBSan; any report fails the run.
asan: export ASAN_OPTIONS = detect_leaks=1:halt_on_error=1
asan: export UBSAN_OPTIONS = print_stacktrace=1:halt_on_error=1
asan: export LSAN_OPTIONS = suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0
asan:
	$(MAKE) test PRESET=asan

# Every libFuzzer target for FUZZ_SECONDS on its seed corpus (clang).
fuzz: deps
	bash scripts/fuzz-smoke.sh $(FUZZ_SECONDS)

# What CI runs: release build and suite, the suite under the sanitizers, the fuzz smoke run.
ci:
	$(MAKE) test
	$(MAKE) asan
	$(MAKE) fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build

# The Debian package of the release build: build/release/vellex_<version>_<arch>.deb.
.PHONY: package
package: build
	cd $(BUILD_DIR) && cpack -G DEB
