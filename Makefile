# The front door: `make test` and `make run` install what is missing,
# configure, build and go. PRESET=asan builds and tests with sanitizers.
# `make windows` cross-builds the Qt-free parts for Windows and tests them
# under Wine.
PRESET ?= default
BUILD = build/$(PRESET)

.PHONY: all deps configure build test bench run lint package windows clean

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

lint: PRESET = default
lint: build
	tools/static-analysis.sh

run: build
	$(BUILD)/app/mirt2

# A Debian package of the release build, left in build/default.
package: override PRESET = default
package: build
	cd $(BUILD) && cpack

windows:
	@tools/install-deps.sh windows
	@test -f build/windows-cross/build.ninja || cmake --preset windows-cross
	cmake --build --preset windows-cross
	ctest --preset windows-cross

clean:
	rm -rf build
