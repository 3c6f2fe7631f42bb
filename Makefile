# make run   - install what is missing, build, start the editor on the default workspace
# make test  - install what is missing, build, run every test
# make bench - build and run the benchmarks

BUILD ?= build
CMAKE_FLAGS ?=
CTEST_FLAGS ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

run: build
	cd $(BUILD) && ./tarnwick

test: build
	cd $(BUILD) && ctest --output-on-failure -j2 $(CTEST_FLAGS)

bench: configure
	cmake --build $(BUILD) --target benchmarks
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b || exit 1; done

clean:
	rm -rf $(BUILD) build-asan build-fuzz
