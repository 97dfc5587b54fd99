# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
# Each first installs whatever is missing, then configures and builds with
# the CMake preset PRESET (dev, release or asan; see CMakePresets.json).
PRESET ?= dev
BUILD := build/$(PRESET)

.PHONY: deps configure build run test bench sanitize window-shot clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@./$(BUILD)/src/quenzar

# Window tests run on the offscreen platform unless a test sets its own.
test: build
	@QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET)

# Core throughput, then the runs through the real window (offscreen).
bench:
	@$(MAKE) --no-print-directory build PRESET=release
	@./build/release/bench/core_bench
	@QT_QPA_PLATFORM=offscreen ./build/release/bench/run_bench

# The window drawn on a virtual display, for the README: docs/window.png.
window-shot: build
	@bash scripts/render-window.sh $(BUILD)

# All tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize:
	@$(MAKE) --no-print-directory test PRESET=asan

clean:
	rm -rf build
