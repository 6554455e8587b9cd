# Thin wrapper over CMake presets: the two set-up commands of the README.
PRESET ?= release
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Extra cmake arguments at configure time (CI adds -DVELLEX_WERROR=ON).
CMAKE_ARGS ?=
# Extra ctest arguments; the package test builds the .deb, so only `make package-test` runs it.
CTEST_ARGS ?= -LE package
# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 20

.PHONY: all deps configure build run test asan fuzz ci clean format format-check core qt5 package-test

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake --preset $(PRESET) $(CMAKE_ARGS)

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

# The core and the command line without the window (no Qt Widgets), with their tests.
core:
	$(MAKE) test PRESET=core

# The Qt 5.15 build with g++ 11 and its suite; a test compares its page models and PDFs
# with those of the Qt 6 build, which is built first.
qt5: build
	$(MAKE) test PRESET=qt5 CMAKE_ARGS="$(CMAKE_ARGS) -DVELLEX_COMPARE_WITH=$(CURDIR)/build/release/bin"

# What CI runs: formatting, the release build and suite with warnings as errors, the same
# for Qt 5.15 with g++ 11, the build without the window, the package, the suite under the
# sanitizers, the fuzz smoke run.
ci: deps format-check
	$(MAKE) test CMAKE_ARGS=-DVELLEX_WERROR=ON
	$(MAKE) qt5 CMAKE_ARGS=-DVELLEX_WERROR=ON
	$(MAKE) core CMAKE_ARGS=-DVELLEX_WERROR=ON
	$(MAKE) package-test
	$(MAKE) asan
	$(MAKE) fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build

# The Debian package, built with Debian's own flags: build/package/vellex_<version>_<arch>.deb.
.PHONY: package
package: deps
	CPPFLAGS="$$(dpkg-buildflags --get CPPFLAGS)" CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS)" \
	  LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" cmake --preset package $(CMAKE_ARGS)
	cmake --build build/package -j $(JOBS)
	cd build/package && cpack -G DEB

# The same build as an RPM (Fedora names, for RED OS-like systems):
# build/package/vellex-<version>-1.<arch>.rpm. ALT and RED OS build theirs from packaging/.
.PHONY: package-rpm
package-rpm: deps
	CPPFLAGS="$$(dpkg-buildflags --get CPPFLAGS)" CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS)" \
	  LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" cmake --preset package $(CMAKE_ARGS)
	cmake --build build/package -j $(JOBS)
	command -v rpmbuild >/dev/null || { echo "Нужен rpmbuild: apt install rpm"; exit 1; }
	cd build/package && cpack -G RPM

# The package test alone: builds the .deb into a scratch folder and checks what it holds.
package-test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -L package
