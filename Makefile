# The front door: `make run` and `make test` do all their own set-up.
# CMake does the building; the presets in CMakePresets.json hold the settings.

FUZZ_SECONDS ?= 60

.PHONY: all deps build run test test-sanitize bench fuzz package format screenshot clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	build/bin/bcc-check

test: build
	@ctest --preset default
	@$(MAKE) --no-print-directory test-sanitize

# The whole suite again, built by Clang with AddressSanitizer and UBSan.
test-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@ctest --preset sanitize

# The arithmetic, the click on the real window (offscreen), and, where present,
# the measurements of the window on an X server.
bench: build
	build/bin/bcc_core_benchmark
	build/bin/bcc_click_benchmark
	benchmarks/desktop/run

fuzz: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize --target bcc_core_fuzzer
	@mkdir -p build/fuzz-corpus && cp -n fuzz/corpus/core/* build/fuzz-corpus/
	build/sanitize/bin/bcc_core_fuzzer -max_total_time=$(FUZZ_SECONDS) build/fuzz-corpus fuzz/corpus/core

# The README's picture of the window, taken on a private X server.
screenshot: build
	tests/e2e/screenshot.sh build/bin/bcc-check docs/screenshot.png

# The Debian package, for /usr: build/bcc-check_VERSION_ARCH.deb.
package: build
	@cd build && cpack

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
