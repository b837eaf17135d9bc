# The front door: `make test` and `make run` install what is missing,
# configure, build and go. PRESET=asan builds and tests with sanitizers.
# `make windows` cross-builds the whole program for 64-bit Windows and runs
# every test under Wine: the unit and widget tests, the program on an X
# server, and its zip and installer. A static Qt for MinGW is built from
# Debian's sources once per machine (tools/build-qt-mingw.sh, cached under
# ~/.cache/mirt2), and every Windows program is one self-contained .exe.
# `make windows-dist` makes only what a Windows user downloads, the portable
# zip and the installer (build/windows-cross/dist), and tests both.
PRESET ?= default
BUILD = build/$(PRESET)

.PHONY: all deps configure build test bench run lint fuzz package windows windows-build windows-dist clean

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
	E2E_PLACES=$(BUILD)/tests/e2e/control_places.txt \
	  tools/with-x.sh bench/desktop_bench.sh $(BUILD)/app/mirt2 $(BUILD)/bench/floor_window

lint: PRESET = default
lint: build
	tools/static-analysis.sh

# The restore argument's decoder under libFuzzer for ten minutes, on a corpus kept in the build.
fuzz: PRESET = default
fuzz: build
	cmake --build --preset default --target fuzz

run: build
	$(BUILD)/app/mirt2

# A Debian package of the release build, left in build/default.
package: override PRESET = default
package: build
	cd $(BUILD) && cpack

WINDOWS_BUILD = build/windows-cross

# Configures afresh whenever the Qt it was configured with is not the cached one.
windows-build:
	@tools/install-deps.sh windows
	@qt=$$(tools/build-qt-mingw.sh) && \
	if [ ! -f $(WINDOWS_BUILD)/build.ninja ] || [ "$$(cat $(WINDOWS_BUILD)/qt-prefix 2>/dev/null)" != "$$qt" ]; then \
	  MIRT2_QT_MINGW=$$qt cmake --preset windows-cross --fresh && echo "$$qt" >$(WINDOWS_BUILD)/qt-prefix; \
	fi
	cmake --build --preset windows-cross

windows: windows-build
	ctest --preset windows-cross

windows-dist: windows-build
	ctest --preset windows-cross -L dist

clean:
	rm -rf build
