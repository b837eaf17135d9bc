#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need.
# Asks apt only for what is missing, so a second run costs a dpkg query.
#   tools/install-deps.sh            the native build (make test, make run)
#   tools/install-deps.sh windows    the Windows cross build (make windows)
# For the Windows build it also lets apt fetch Debian's Qt sources, which
# tools/build-qt-mingw.sh cross-builds.
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
  # static analysis, and clang with libFuzzer's runtime for the restore argument's fuzzer
  clang-tidy cppcheck clang libclang-rt-14-dev
  # end-to-end tests: a real X server, a window manager, tools to drive it, and a clock
  # that shows a two-digit hour whenever the test runs
  xvfb xauth openbox xdotool xclip x11-utils faketime
  # the screen-reader test: a session bus, the accessibility bus, and AT-SPI for Python
  dbus-daemon at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  # the GNOME test: GNOME's compositor nested in the X server, with XWayland, Qt's Wayland
  # platform for the program natively there, and ImageMagick to read the screen's pixels
  mutter xwayland qt6-wayland imagemagick
  # the session test: Xfce's session manager, which brings xfconf, and its window manager
  xfce4-session xfwm4
  # the installed-program test: closing a window as a window manager does, validating the
  # desktop entry and the AppStream metainfo, showing the manual pages, and GTK's platform
  # theme, which Qt chooses on Xfce and GNOME, to show that no colour is stored anywhere
  libxcb1-dev desktop-file-utils appstream man-db qt6-gtk-platformtheme
  # `make package`: dpkg-shlibdeps works out the package's library dependencies
  dpkg-dev
  # desktop benchmark: xwd reads back what the window shows, and X DAMAGE tells when it
  # was repainted
  x11-apps libxcb-damage0-dev
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
  # Qt from Debian's sources: apt-get source unpacks them (dpkg-dev brings
  # patch, which applies tools/qt-mingw.patch), the host's Qt tools (moc, rcc,
  # uic) build them and the program
  dpkg-dev qt6-base-dev qt6-base-dev-tools
  # the faces of the widget tests, which Wine's font engine finds through fontconfig
  fonts-ipafont-gothic fonts-wqy-microhei fonts-dejavu-core
  # the end-to-end tests of mirt2.exe: an X server, a window manager, tools to
  # drive them, the Japanese face that the program asks for by name,
  # ImageMagick to read the pixels of a label and libfaketime to set the clock
  xvfb xauth openbox xdotool xclip x11-utils fonts-ipafont-gothic imagemagick libfaketime
  # the portable zip and the installer, and their test
  zip unzip nsis
)

packages=()
case "${1:-native}" in
  native) packages=("${native[@]}") ;;
  windows) packages=("${windows[@]}") ;;
  *) echo "usage: $0 [native|windows]" >&2; exit 2 ;;
esac

sudo=()
if ((EUID != 0)) && command -v sudo >/dev/null; then
  sudo=(sudo)
fi
as_root() {
  if ((EUID != 0 && ${#sudo[@]} == 0)); then
    echo "Need root or sudo to run: $*" >&2
    exit 1
  fi
  "${sudo[@]}" "$@"
}

# Several developers may install at once. apt-get install waits for the dpkg lock itself;
# apt-get update has no such wait for the package lists' lock, so it tries again.
readonly lock_wait_s=600
update_errors=$(mktemp)
trap 'rm -f "$update_errors"' EXIT
apt_update() {
  local deadline=$((SECONDS + lock_wait_s))
  until as_root env LC_ALL=C.UTF-8 apt-get -o DPkg::Lock::Timeout=$lock_wait_s update -qq \
    2>"$update_errors"; do
    if ! grep -q 'Could not get lock' "$update_errors" || ((SECONDS >= deadline)); then
      cat "$update_errors" >&2
      exit 1
    fi
    sleep 3
  done
}

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [[ "$status" == installed ]] || missing+=("$p")
done
if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt_update
  as_root apt-get -o DPkg::Lock::Timeout=$lock_wait_s install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

# `apt-get source qt6-base` needs a deb-src entry beside the deb one that
# serves the host's Qt. Where there is none, one is added for the same mirror
# and suites, copied from the entries (deb822 or one-line) that name that mirror.
add_deb_src() {
  local mirrors stanzas lines f mirror
  mirrors=$(apt-cache policy qt6-base-dev | awk '$1 ~ /^[0-9]+$/ && $2 ~ /:\/\// { print $2 }' | sort -u)
  stanzas=$(for f in /etc/apt/sources.list.d/*.sources; do
    [[ -f $f && $f != */mirt2-deb-src.sources ]] || continue
    awk -v mirrors="$mirrors" '
      BEGIN { n = split(mirrors, m, "\n"); for (i = 1; i <= n; i++) want[m[i]] = 1 }
      function flush() {
        if (stanza != "" && hit && !has_src) {
          sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src", stanza)
          sub(/^\n/, "", stanza)
          printf "%s\n\n", stanza
        }
        stanza = ""; hit = 0; has_src = 0
      }
      /^[ \t]*$/ { flush(); next }
      { stanza = stanza (stanza == "" ? "" : "\n") $0 }
      /^Types:/ && /deb-src/ { has_src = 1 }
      /^URIs:/ { for (i = 2; i <= NF; i++) if ($i in want) hit = 1 }
      END { flush() }' "$f"
  done)
  lines=$(for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [[ -f $f && $f != */mirt2-deb-src.list ]] || continue
    for mirror in $mirrors; do
      grep -E "^deb[[:space:]]+(\[[^]]*\][[:space:]]+)?${mirror//./\\.}/?[[:space:]]" "$f" |
        sed 's/^deb/deb-src/' || true
    done
  done)
  if [[ -z "$stanzas$lines" ]]; then
    echo "No apt source for qt6-base-dev ($mirrors) to copy as deb-src" >&2
    exit 1
  fi
  echo "Adding deb-src entries for $mirrors under /etc/apt/sources.list.d/mirt2-deb-src.*"
  [[ -z "$stanzas" ]] || printf '%s\n' "$stanzas" | as_root tee /etc/apt/sources.list.d/mirt2-deb-src.sources >/dev/null
  [[ -z "$lines" ]] || printf '%s\n' "$lines" | as_root tee /etc/apt/sources.list.d/mirt2-deb-src.list >/dev/null
  apt_update
}
if [[ "${1:-native}" == windows ]] && ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package:'; then
  add_deb_src
fi
