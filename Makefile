# The two commands of the README: `make run` and `make test`.
BUILD_DIR   ?= build
CMAKE_FLAGS ?=
JOBS        ?= $(shell nproc)

.PHONY: run test deps configure build clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --parallel $(JOBS)

run: build
	@exec $(BUILD_DIR)/src/app/lumora

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz
