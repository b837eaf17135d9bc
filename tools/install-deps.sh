#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need.
# Asks apt only for what is missing, so a second run costs a dpkg query.
#   tools/install-deps.sh            the native build (make test, make run)
#   tools/install-deps.sh windows    the Windows cross build (make windows)
set -euo pipefail

native=(
  # build
  make cmake ninja-build g++ pkg-config
  # engine tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # regional time format on Linux
  libicu-dev
  # the window; a Japanese gothic face for its captions, and a face with Hangul and both
  # Chinese scripts for Korean and Chinese times and dialogs (1.6 MB)
  qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic fonts-wqy-microhei
  # static analysis
  clang-tidy cppcheck
  # end-to-end tests: a real X server, a window manager, tools to drive it, and a clock
  # that shows a two-digit hour whenever the test runs
  xvfb xauth openbox xdotool xclip x11-utils faketime
  # the screen-reader test: a session bus, the accessibility bus, and AT-SPI for Python
  dbus-daemon at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  # the installed-program test: closing a window as a window manager does, checking the
  # desktop entry and the manual page
  libxcb1-dev desktop-file-utils man-db
  # `make package`: dpkg-shlibdeps works out the package's library dependencies
  dpkg-dev
  # desktop benchmark: xwd reads back what the window shows
  x11-apps
)
windows=(
  # build
  make cmake ninja-build
  # MinGW-w64 with the posix thread model (std::thread), which brings windres
  g++-mingw-w64-x86-64-posix
  # GoogleTest's sources, built with the cross compiler
  googletest
  # runs the cross-built tests; 64-bit only, without Wine's 32-bit half
  wine64
)

packages=()
case "${1:-native}" in
  native) packages=("${native[@]}") ;;
  windows) packages=("${windows[@]}") ;;
  *) echo "usage: $0 [native|windows]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [[ "$status" == installed ]] || missing+=("$p")
done
((${#missing[@]} == 0)) && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if ((EUID != 0)); then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# Several developers may install at once. apt-get install waits for the dpkg lock itself;
# apt-get update has no such wait for the package lists' lock, so it tries again.
readonly lock_wait_s=600
deadline=$((SECONDS + lock_wait_s))
update_errors=$(mktemp)
trap 'rm -f "$update_errors"' EXIT
until "${sudo[@]}" env LC_ALL=C.UTF-8 apt-get -o DPkg::Lock::Timeout=$lock_wait_s update -qq \
  2>"$update_errors"; do
  if ! grep -q 'Could not get lock' "$update_errors" || ((SECONDS >= deadline)); then
    cat "$update_errors" >&2
    exit 1
  fi
  sleep 3
done
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=$lock_wait_s install -y -qq --no-install-recommends \
  "${missing[@]}"
