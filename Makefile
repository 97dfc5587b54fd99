# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
# Each first installs whatever is missing, then configures and builds.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test bench sanitize window-shot clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@./$(BUILD)/src/quenzar

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Core throughput, then the two runs through the real window (offscreen).
bench: build
	@./$(BUILD)/bench/core_bench
	@QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/run_bench

# The window drawn on a virtual display, for the README: docs/window.png.
window-shot: build
	@bash scripts/render-window.sh $(BUILD)

# All tests under AddressSanitizer and UndefinedBehaviorSanitizer, in a build folder of their own.
sanitize:
	@$(MAKE) --no-print-directory test BUILD=build-asan CMAKE_FLAGS="-DQUENZAR_SANITIZE=ON -DQUENZAR_BENCH=OFF"

clean:
	rm -rf build build-asan
