#!/usr/bin/env bash
# The options panel on the real desktop: the copy button puts exactly the
# report on the system clipboard, unnumbered then numbered; the front button
# keeps the window above others and releases it without moving or resizing it,
# and with no window manager to keep it there says so and stays 前へ; the exit
# button ends the program at once, stopwatches running.
#
#   tools/with-x.sh tests/e2e/options_test.sh path/to/mirt2
set -euo pipefail

binary=${1:?usage: options_test.sh BINARY}
# Controls are pressed where a screen reader finds them.
E2E_SCREEN_READER=1
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

has_state() { net_wm_state "$wid" | grep -qx "$1"; }
lacks_state() { ! has_state "$1"; }
clipboard_equals() {
  xclip -selection clipboard -t UTF8_STRING -o >"$work/got" 2>/dev/null || return 1
  cmp -s "$work/got" "$1"
}

# Under lib.sh's scratch folder: a trap of our own would replace lib.sh's,
# which stops the program and shows its output when a check fails.
work=$E2E_TMP/work
mkdir "$work"

start_app "$binary"
wid=$(find_window 'ミルテス-２' "$APP_PID") || fail "the main window did not appear"
wait_for "the frame" frame_extents "$wid" || fail "window $wid was never framed"
wait_for "the start-up height" client_height_is 1900 || fail "start-up height"

# Five panels, then the options panel.
press opt5
wait_for "the five-panel height" client_height_is 3930 || fail "opt5 did not lay out five panels"
press chk1
wait_for "the options panel" client_height_is 4360 || fail "chk1 did not show the options panel"

press cmdCopy
printf '00:00:00\r\n00:00:00\r\n00:00:00\r\n00:00:00\r\n00:00:00' >"$work/unnumbered"
wait_for "the unnumbered report on the clipboard" clipboard_equals "$work/unnumbered" ||
  fail "clipboard holds $(od -An -c "$work/got" | tr -s ' ')"
pass "the clipboard holds the five-line report, CR LF between lines, none at the end"

press cmdCopy
dash=$'\xef\xbc\x8d' # U+FF0D in UTF-8
for i in 1 2 3 4 5; do
  printf '%s%s00:00:00' "$i" "$dash"
  ((i < 5)) && printf '\r\n'
done >"$work/numbered"
wait_for "the numbered report on the clipboard" clipboard_equals "$work/numbered" ||
  fail "clipboard holds $(od -An -c "$work/got" | tr -s ' ')"
pass "the clipboard holds the numbered report with U+FF0D after each number"

before=$(outer_geometry "$wid")
press cmdMae
wait_for "_NET_WM_STATE_ABOVE" has_state _NET_WM_STATE_ABOVE || fail "前へ did not keep the window above"
[[ "$(outer_geometry "$wid")" == "$before" ]] || fail "前へ moved the window: $before -> $(outer_geometry "$wid")"
pass "前へ sets _NET_WM_STATE_ABOVE and leaves the window where it was"
press cmdMae
wait_for "_NET_WM_STATE_ABOVE to go" lacks_state _NET_WM_STATE_ABOVE || fail "元へ did not release the window"
[[ "$(outer_geometry "$wid")" == "$before" ]] || fail "元へ moved the window: $before -> $(outer_geometry "$wid")"
pass "元へ clears _NET_WM_STATE_ABOVE and leaves the window where it was"

# With the window manager gone nothing keeps a window above: 前へ says so in a box beside the
# window, twice, since the button stays 前へ (元へ would release without a word).
openbox --exit
for press in first second; do
  press cmdMae
  box() { [[ $(e2e_windows_titled 'ミルテス-２' "$APP_PID" | wc -l) == 2 ]]; }
  wait_for "the failure box" box || fail "前へ said nothing on the $press press without a window manager"
  xdotool windowfocus "$(e2e_windows_titled 'ミルテス-２' "$APP_PID" | grep -vx "$wid")" key Return
  wait_for "the box to close" eval '! box' || fail "the failure box stayed"
done
pass "without a window manager 前へ says it cannot keep the window above, and stays 前へ"

press cmbAlStr
press cmdEnd
wait_exit "$APP_PID" 1 || fail "終了 did not end the program within a second"
((EXIT_CODE == 0)) || fail "終了 ended the program with exit code $EXIT_CODE"
pass "終了 ends the program at once with exit code 0, stopwatches running"
