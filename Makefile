# The front door: `make test` and `make run` install what is missing,
# configure, build and go. PRESET=asan builds and tests with sanitizers.
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: all deps configure build test bench run clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@test -f $(BUILD)/build.ninja || cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

test: build
	ctest --preset $(PRESET)

bench: PRESET = default
bench: build
	$(BUILD)/bench/engine_bench
	tools/with-x.sh bench/desktop_bench.sh $(BUILD)/app/mirt2 $(BUILD)/bench/floor_window

run: build
	$(BUILD)/app/mirt2

clean:
	rm -rf build
