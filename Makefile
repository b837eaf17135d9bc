# The front door: `make test` and `make run` install what is missing,
# configure, build and go. PRESET=asan builds and tests with sanitizers.
PRESET ?= default
BUILD = build/$(PRESET)

.PHONY: all deps configure build test bench run lint package clean

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

lint: PRESET = default
lint: build
	tools/static-analysis.sh

run: build
	$(BUILD)/app/mirt2

# A Debian package of the release build, left in build/default.
package: override PRESET = default
package: build
	cd $(BUILD) && cpack

clean:
	rm -rf build
