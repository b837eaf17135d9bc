#!/usr/bin/env bash
# The program's main window: it appears with its Japanese title and the
# client area its design meant, the window manager's frame added outside it,
# and the program ends cleanly when the window manager closes it.
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
# The design's 2900 x 1900 twips are an outer size on the Windows it was drawn
# on; its client area is 187 x 99 pixels, whatever the window manager's frame.
readonly want_width=$design_client_width want_height=99

client_is() {
  [[ "$(client_size "$wid")" == "$want_width $want_height" ]]
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
wait_for "a client area of ${want_width}x${want_height}" client_is ||
  fail "client area $(client_size "$wid"), frame extents $(frame_extents "$wid")"
pass "client area ${want_width}x${want_height}, frame $(frame_extents "$wid")"

e2e_running "$APP_PID" || fail "the program ended while its window was open"
close_window "$wid" || fail "could not close window $wid through the window manager"
wait_exit "$APP_PID" 5 || fail "the program did not end after its window was closed"
((EXIT_CODE == 0)) || fail "the program ended with exit code $EXIT_CODE after its window was closed"
pass "closing the window ends the program with exit code 0"
