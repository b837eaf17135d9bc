#!/usr/bin/env bash
# Builds Qt for 64-bit Windows with MinGW-w64 from Debian's own qtbase sources,
# once per machine, as static libraries that a program links into one .exe,
# and prints where it lies:
#
#   tools/build-qt-mingw.sh            build unless cached; print the prefix last
#   tools/build-qt-mingw.sh --prefix   only print where the cache is or would be
#
# Debian ships no Qt for its MinGW cross compiler. The source package of the
# host's Qt (the same version as the moc, rcc and uic that build it and the
# program) is cross-built with the project's toolchain file, with the options
# below and tools/qt-mingw.patch, and installed under
#
#   ${XDG_CACHE_HOME:-$HOME/.cache}/mirt2/qt6-base-VERSION-mingw-HASH
#
# where HASH covers the configure options, the patch, the toolchain file and
# the compiler, so a change to any of them builds anew beside the old one. The
# build runs in a scratch folder next to the cache and is renamed into place
# only when it is complete: a failed or interrupted run leaves no half cache
# behind. Two runs at once wait for each other rather than build twice.
#
# It needs what `tools/install-deps.sh windows` installs, a deb-src entry
# included, and about 2 GB of scratch space; on two cores it takes about a
# quarter of an hour, ninja's [done/total] counter showing the progress. The
# compiler runs at a lower priority (nice), so that a shared machine stays
# usable meanwhile.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/../cmake/mingw-w64-x86_64.cmake"
cache_root="${XDG_CACHE_HOME:-$HOME/.cache}/mirt2"

patch_file="$here/qt-mingw.patch"

# Core, Gui, Widgets and Test as static libraries; the windows, offscreen and
# minimal platform plugins and the windowsvista style as static plugins.
# A program takes from them only what it reaches: every function and datum is
# a section of its own (-gc-binaries) that the linker drops when nothing refers
# to it. What follows leaves out what mirt2 (and Qt's colour dialog and
# message box, which it shows) does not use, where something would still
# refer to it: Qt's style code, its accessibility and its widgets refer to one
# another widely, so that what is built is mostly also linked.
options=(
  -release -static -optimize-size -gc-binaries
  -xplatform win32-g++ -qt-host-path /usr
  -nomake examples -nomake tests
  -no-pkg-config -no-opengl -no-feature-vulkan -no-dbus -no-icu
  -no-feature-network -no-feature-sql -no-feature-xml -no-feature-printsupport
  -no-feature-concurrent
  # Text goes through Windows' own font engine (GDI), which also finds the
  # fallback faces, so FreeType is left out; so is HarfBuzz, whose shaping
  # only the complex scripts need (Arabic joining, Indic conjuncts), not
  # Japanese, Chinese, Korean or Latin text. The patch gives the offscreen
  # platform of the widget tests Windows' font engine too.
  -no-freetype -no-harfbuzz
  # Everything with a bundled copy uses it, so that the program needs nothing
  # beyond Windows. Of the image formats, PNG (the window's icons).
  -qt-zlib -qt-pcre -qt-doubleconversion -qt-libpng
  -no-libjpeg -no-gif -no-ico
  # Debian's sources lack src/3rdparty/wintab, which tablet events need.
  -no-feature-tabletevent
  # The windows platform plugin fails to link with DirectWrite 3 but without Direct2D.
  -no-feature-direct2d -no-feature-directwrite3
  # Debian's cross-build patch builds androiddeployqt in any cross build.
  -no-feature-androiddeployqt
  # Drawing and conversion code for AVX and later, chosen at run time: the
  # SSE4 code serves a window of this size as well.
  -no-avx
  # Styles: windowsvista and the windows style it builds on; no Fusion (the
  # offscreen platform's, which falls back to these) and no style sheets.
  -no-feature-style-fusion -no-feature-style-stylesheet
  # Widgets that neither the program nor Qt's colour dialog and message box
  # use, and those that need them (file, font and input dialogs, combo boxes,
  # completers, calendars, tool bars ...). The patch lets the windowsvista
  # style build without item views, text edits, input dialogs and tool bars;
  # it needs tab bars.
  -no-feature-itemviews -no-feature-textedit -no-feature-graphicsview
  -no-feature-mainwindow -no-feature-mdiarea -no-feature-menubar
  -no-feature-splitter -no-feature-toolbox -no-feature-dial
  # Markdown in labels, the tray icon, Qt's copy of the MIME database, and the
  # Jalali and Islamic calendars with their month names.
  -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
  -no-feature-systemtrayicon -no-feature-mimetype-database
  -no-feature-jalalicalendar -no-feature-hijricalendar
)

version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null) || {
  echo "build-qt-mingw: the host's Qt tools are missing; run tools/install-deps.sh windows" >&2
  exit 1
}
compiler=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix 2>/dev/null) || {
  echo "build-qt-mingw: g++-mingw-w64-x86-64-posix is missing; run tools/install-deps.sh windows" >&2
  exit 1
}
# Comments in the toolchain file do not change what it builds; the patch's
# explanation before its first file does not either.
hash=$({
  printf '%s\n' "${options[@]}"
  sed -n '/^--- /,$p' "$patch_file"
  grep -v -E '^[[:space:]]*(#|$)' "$toolchain"
  echo "$compiler"
} | sha256sum | cut -c1-12)
prefix="$cache_root/qt6-base-${version//[^A-Za-z0-9.+-]/_}-mingw-$hash"

if [[ "${1:-}" == --prefix ]]; then
  echo "$prefix"
  exit 0
fi
(($# == 0)) || { echo "usage: $0 [--prefix]" >&2; exit 2; }

complete() { [[ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]]; }

mkdir -p "$cache_root"
exec 9>"$prefix.lock"
if ! flock -n 9; then
  echo "build-qt-mingw: another run is building $prefix; waiting for it" >&2
  flock 9
fi
if complete; then
  echo "$prefix"
  exit 0
fi

started=$SECONDS
elapsed() { printf '%dm%02ds' $(((SECONDS - started) / 60)) $(((SECONDS - started) % 60)); }

# Scratch folders of earlier runs killed outright; the lock says none is live.
rm -rf "$prefix".build-*
scratch=$(mktemp -d "$prefix.build-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
for sig in INT TERM HUP; do
  # shellcheck disable=SC2064  # the signal name is meant to be fixed now
  trap "exit $((128 + $(kill -l "$sig")))" "$sig"
done

# The downloads are kept, so that a build that failed later fetches nothing again.
downloads="$cache_root/downloads"
mkdir -p "$downloads"
echo "build-qt-mingw: fetching Debian's qt6-base $version sources" >&2
(cd "$downloads" && apt-get source --download-only -qq "qt6-base=$version") || {
  echo "build-qt-mingw: apt-get source failed; tools/install-deps.sh windows adds the deb-src entry it needs" >&2
  exit 1
}
dsc=$(find "$downloads" -maxdepth 1 -name "qt6-base_${version#*:}.dsc" -print -quit)
[[ -n "$dsc" ]] || { echo "build-qt-mingw: no .dsc for qt6-base $version in $downloads" >&2; exit 1; }
echo "build-qt-mingw: unpacking with Debian's patches" >&2
dpkg-source --no-check -x "$dsc" "$scratch/src" >/dev/null
echo "build-qt-mingw: applying $(basename "$patch_file")" >&2
patch -s -p1 -d "$scratch/src" <"$patch_file"

mkdir "$scratch/build"
cd "$scratch/build"
echo "build-qt-mingw: configuring for $prefix" >&2
# Qt's configure prints a long feature summary: kept, and shown if it fails.
if ! "$scratch/src/configure" -prefix "$prefix" "${options[@]}" -- \
  -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  >"$scratch/configure.log" 2>&1; then
  tail -n 60 "$scratch/configure.log" >&2
  echo "build-qt-mingw: configure failed after $(elapsed)" >&2
  exit 1
fi
echo "build-qt-mingw: configured in $(elapsed); building" >&2
nice -n 10 cmake --build . --parallel "$(nproc)" >&2
echo "build-qt-mingw: built in $(elapsed); installing" >&2
DESTDIR="$scratch/stage" cmake --install . >/dev/null
# The install is relocatable; its path is the one it was configured for, so
# the rename below is the only step that makes it visible.
rm -rf "$prefix"
mv "$scratch/stage$prefix" "$prefix"
complete || { echo "build-qt-mingw: the install lacks qt.toolchain.cmake" >&2; exit 1; }
echo "build-qt-mingw: Qt for MinGW ready in $(elapsed): $(du -sh "$prefix" | cut -f1) in $prefix" >&2
echo "$prefix"
