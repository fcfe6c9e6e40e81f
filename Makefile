# Quintrel: `make run` plays the game, `make test` runs every test headless.
PRESET ?= default
BUILD_DIR := build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build deps bench clean

run: build
	./$(BUILD_DIR)/quintrel

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
		ctest --output-on-failure -j $(JOBS)

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

deps:
	@bash tools/install-deps.sh

clean:
	rm -rf build build-asan build-fuzz

# The start-up, memory, CPU and clock benchmark, beside a bare Qt window.
bench: build
	bash bench/run.sh
