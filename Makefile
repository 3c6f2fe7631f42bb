# make run   - install what is missing, build, start the editor on the default workspace
# make test  - install what is missing, build, run every test
# make bench - build and run the benchmarks
# make install PREFIX=/usr/local - build and install (DESTDIR is honoured)
# make package - build the Debian package and check it with lintian

BUILD ?= build
CMAKE_FLAGS ?=
CTEST_FLAGS ?=
PREFIX ?= /usr/local

.PHONY: all deps configure build run test bench install package clean

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

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack
	lintian --fail-on error $(BUILD)/tarnwick_*.deb

clean:
	rm -rf $(BUILD) build-asan build-fuzz
