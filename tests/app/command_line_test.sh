#!/usr/bin/env bash
# The command line through the real program, with no display of any kind.
# Usage: command_line_test.sh BINARY VERSION
set -euo pipefail
binary=$1
version=$2
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# Runs the program without a display; sets status, out and err.
run() {
  status=0
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>"$errors") || status=$?
  err=$(<"$errors")
}

run "$binary" --help
[[ $status == 0 && ${out%%$'\n'*} == 'Usage: mirt2 [--help | --version]' && -z $err ]] ||
  fail "--help: status $status, printed: $out $err"
run "$binary" -style fusion --version --help
[[ $status == 0 && $out == "mirt2 $version" ]] || fail "--version: status $status, printed: $out"
if env -u DISPLAY "$binary" --version >/dev/full 2>/dev/null; then
  fail "--version into a full disk exited 0"
fi

run "$binary" --other
[[ $status == 1 && $err == *'needs a graphical session'* && $err != *$'\n'* ]] ||
  fail "without a display: status $status, said: $err"

# An explicit platform needs no display: still running after a second.
for option in -platform --platform; do
  run timeout 1 "$binary" "$option" offscreen --other
  [[ $status == 124 ]] || fail "$option offscreen ended with status $status: $err"
done
echo "command line: --help, --version, no display, -platform"
