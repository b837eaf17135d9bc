#!/usr/bin/env bash
# The program's command line, through the real binary and without a display:
# --help and --version print and exit 0, a missing display gets one line and
# exit 1 instead of Qt's abort, and Qt's own -platform still works.
#
# Usage: command_line_test.sh BINARY VERSION
set -euo pipefail

binary=$1
version=$2
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs the program with no display of any kind; sets status.
run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >"$out" 2>"$err" || status=$?
}

run "$binary" --help
((status == 0)) || fail "--help exited with $status: $(cat "$err")"
head -n 1 "$out" | grep -qx 'Usage: mirt2 \[--help | --version\]' || fail "--help printed: $(cat "$out")"
grep -q -- '--version' "$out" || fail "--help does not name --version"
[[ ! -s $err ]] || fail "--help wrote to stderr: $(cat "$err")"

run "$binary" -style fusion --version --help
((status == 0)) || fail "--version exited with $status"
[[ $(cat "$out") == "mirt2 $version" ]] || fail "--version printed '$(cat "$out")', not 'mirt2 $version'"

status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$binary" --version >/dev/full 2>/dev/null || status=$?
((status != 0)) || fail "--version into a full disk exited 0"

run "$binary" --unknown-argument
((status == 1)) || fail "without a display the program exited with $status, not 1: $(cat "$err")"
if [[ $(wc -l <"$err") != 1 ]] || ! grep -q 'graphical session' "$err"; then
  fail "without a display the program said: $(cat "$err")"
fi

# An explicit platform needs no display: still running after a second means
# the window came up and the argument beside it was ignored.
for option in -platform --platform; do
  run timeout 1 "$binary" "$option" offscreen --unknown-argument
  ((status == 124)) || fail "'$option offscreen' ended with $status: $(cat "$err")"
done
echo "command line: --help, --version, no display, -platform"
