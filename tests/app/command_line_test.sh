#!/usr/bin/env bash
# The command line through the real program, with no display of any kind.
# Usage: command_line_test.sh BINARY VERSION
set -euo pipefail
binary=$1
version=$2
errors=$(mktemp)
scratch=$(mktemp -d)
trap 'rm -rf "$errors" "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# English, whatever the caller's language; the language rows below choose their own.
export LC_ALL=C.UTF-8
# Runs the program without a display; sets status, out and err.
run() {
  status=0
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>"$errors") || status=$?
  err=$(<"$errors")
}

run "$binary" --help
[[ $status == 0 && ${out%%$'\n'*} == 'Usage: mirt2 [--help | --version | --restore STATE]' && -z $err ]] ||
  fail "--help: status $status, printed: $out $err"
run "$binary" -style fusion --version --help
[[ $status == 0 && $out == "mirt2 $version" ]] || fail "--version: status $status, printed: $out"
if env -u DISPLAY "$binary" --version >/dev/full 2>/dev/null; then
  fail "--version into a full disk exited 0"
fi

run "$binary" --other
[[ $status == 1 && $err == *'needs a graphical session'* && $err != *$'\n'* ]] ||
  fail "without a display: status $status, said: $err"

# The language: the first non-empty one of LC_ALL, LC_MESSAGES and LANG, Japanese only in
# UTF-8, since the texts are written in UTF-8. "-" stands for empty.
while read -r lc_all lc_messages lang usage; do
  run env "LC_ALL=${lc_all#-}" "LC_MESSAGES=${lc_messages#-}" "LANG=${lang#-}" "$binary" --help
  [[ $status == 0 && ${out%%$'\n'*} == "$usage mirt2 [--help | --version | --restore STATE]" ]] ||
    fail "--help under LC_ALL=$lc_all LC_MESSAGES=$lc_messages LANG=$lang: ${out%%$'\n'*}"
done <<'ROWS'
- - ja_JP.UTF-8 使い方:
- ja_JP.utf8 en_US.UTF-8 使い方:
C - ja_JP.UTF-8 Usage:
- - ja_JP.eucJP Usage:
- - jam_XX.UTF-8 Usage:
ROWS
run env LC_ALL=ja_JP.UTF-8 "$binary"
[[ $status == 1 && $err == 'mirt2: グラフィカルセッションが必要ですが、'* && $err != *$'\n'* ]] ||
  fail "without a display, in Japanese: status $status, said: $err"

# An explicit platform needs no display: still running after a second. A state to restore
# that does not fit gets the normal start, and one line that says so.
for option in -platform --platform; do
  run timeout 1 "$binary" "$option" offscreen --other
  [[ $status == 124 ]] || fail "$option offscreen ended with status $status: $err"
done
run timeout 1 "$binary" -platform offscreen --restore "v2,$(printf '\xff%.0s' {1..10000})"
[[ $status == 124 && $(grep -c '^mirt2: ' <<<"$err") == 1 &&
  $err == *'mirt2: the state to restore does not fit (longer than any state); starting afresh'* ]] ||
  fail "--restore with what no state is: status $status, said: $err"
# A display that nothing answers on, and a Wayland session without Qt's Wayland plugin (a copy
# of the program whose qt.conf points Qt at an empty plugin folder): one line that says what
# to do, status 1, instead of Qt's abort.
mkdir -m 700 "$scratch/runtime" "$scratch/app" "$scratch/plugins"
cp "$binary" "$scratch/app/"
printf '[Paths]\nPlugins=%s\n' "$scratch/plugins" >"$scratch/app/qt.conf"
for setting in "DISPLAY=:$((200 + RANDOM % 300))" WAYLAND_DISPLAY=mirt2-test-nowhere; do
  run "XDG_RUNTIME_DIR=$scratch/runtime" "$setting" timeout 10 "$binary"
  [[ $status == 1 && $err == 'mirt2: could not open a window: no display server answered ('*')' ]] ||
    fail "$setting: status $status, said: $err"
done
run "XDG_RUNTIME_DIR=$scratch/runtime" WAYLAND_DISPLAY=wayland-0 timeout 10 "$scratch/app/mirt2"
[[ $status == 1 && $err == *'install qt6-wayland'* && $err != *$'\n'* ]] ||
  fail "without the Wayland plugin: status $status, said: $err"
echo "command line: --help, --version, no display, in English and Japanese, -platform, no display answering, no Wayland plugin"
