#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need.
# Asks apt only for what is missing, so a second run costs a dpkg query.
set -euo pipefail

packages=(
  # build
  make cmake ninja-build g++ pkg-config
  # engine tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # regional time format on Linux
  libicu-dev
  # the window, and a Japanese gothic face so that its captions render
  qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic
  # end-to-end tests: a real X server, a window manager, and tools to drive it
  xvfb xauth openbox xdotool xclip x11-utils
  # desktop benchmark: xwd reads back what the window shows
  x11-apps
)

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
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
