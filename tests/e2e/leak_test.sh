#!/usr/bin/env bash
# The real program under the sanitizer build, ten seconds with ten stopwatches
# running and a round of every kind of click: modes, the options panel, copy,
# always-on-top. LeakSanitizer makes the exit status non-zero for any leak
# not suppressed in tools/lsan.supp, so a clean exit 0 means none.
#
#   tools/with-x.sh tests/e2e/leak_test.sh path/to/mirt2
set -euo pipefail

binary=${1:?usage: leak_test.sh BINARY}
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

expect_height() {
  wait_for -t 20 "the client height of a Height of $1 twips" client_height_is "$1" || fail "$2"
}

start_app "$binary"
wid=$(find_window 'ミルテス-２' "$APP_PID") || fail "the main window did not appear"
wait_for "the frame" frame_extents "$wid" || fail "window $wid was never framed"
expect_height 1900 "start-up height"

press opt10
expect_height 6470 "opt10 did not lay out ten panels"
press cmbAlStr
press chk1
expect_height 6900 "chk1 did not show the options panel"
report_lines_are() { [[ "$(clipboard_text | tr -cd '\n' | wc -c)" == "$1" ]]; }
for _ in 1 2; do
  press cmdCopy
  press cmdMae # 前へ, then 元へ
done
wait_for "a ten-line report on the clipboard" report_lines_are 9 || fail "コピー copied no report"
press opt5
expect_height 4350 "opt5 did not lay out five panels"
press opt1
expect_height 2330 "opt1 did not lay out one panel"
press chk1
expect_height 1900 "chk1 did not hide the options panel"
press opt10
expect_height 6470 "opt10 did not lay out ten panels again"
pass "a round of clicks done; ten stopwatches run"

sleep 10 # the run itself: ten seconds of ticks
e2e_running "$APP_PID" || fail "the program ended during the run"
close_window "$wid" || fail "could not close window $wid"
wait_exit "$APP_PID" 30 || fail "the program did not end after its window was closed"
((EXIT_CODE == 0)) || fail "the program ended with exit code $EXIT_CODE (a leak report?)"
pass "ten seconds with ten stopwatches and every kind of click leak nothing"
