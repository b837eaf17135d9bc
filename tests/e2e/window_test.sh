#!/usr/bin/env bash
# The program's main window: it appears with its Japanese title at its
# designed outer size, frame included, and the program ends cleanly when the
# window manager closes it.
#
#   tools/with-x.sh tests/e2e/window_test.sh path/to/mirt2
set -euo pipefail

binary=${1:?usage: window_test.sh BINARY}
[[ -x "$binary" ]] || {
  echo "FAIL: $binary is not an executable" >&2
  exit 2
}
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

title='ミルテス-２'
# The window is designed in twips, at 15 twips per pixel; rounded to whole
# pixels and allowed one pixel either way for the window manager's rounding.
readonly twips_per_px=15
readonly want_width=$(((2900 + twips_per_px / 2) / twips_per_px))
readonly want_height=$(((1900 + twips_per_px / 2) / twips_per_px))

outer_size_near() {
  local left top width height
  read -r left top width height < <(outer_geometry "$1") || return 1
  echo "outer size is ${width}x${height} at ${left},${top}"
  ((width >= $2 - 1 && width <= $2 + 1 && height >= $3 - 1 && height <= $3 + 1))
}

start_app "$binary"
wid=$(find_window "$title" "$APP_PID") || fail "the main window did not appear"
pass "window $wid is mapped"

actual_title=$(window_title "$wid") || fail "window $wid has no _NET_WM_NAME"
[[ "$actual_title" == "$title" ]] ||
  fail "_NET_WM_NAME is '$actual_title', expected '$title'"
pass "_NET_WM_NAME is '$title'"

wait_for "the window manager to frame the window" frame_extents "$wid" ||
  fail "window $wid was never framed"
# The program may settle its size only once it knows the frame, so the size
# is given until the deadline to come right.
wait_for "an outer size of ${want_width}x${want_height} ±1 px" \
  outer_size_near "$wid" "$want_width" "$want_height" ||
  fail "wrong outer size (frame extents: $(frame_extents "$wid"))"
pass "$(outer_size_near "$wid" "$want_width" "$want_height"), frame $(frame_extents "$wid")"

e2e_running "$APP_PID" || fail "the program ended while its window was open"
close_window "$wid" || fail "could not close window $wid through the window manager"
wait_exit "$APP_PID" 5 || fail "the program did not end after its window was closed"
((EXIT_CODE == 0)) || fail "the program ended with exit code $EXIT_CODE after its window was closed"
pass "closing the window ends the program with exit code 0"
