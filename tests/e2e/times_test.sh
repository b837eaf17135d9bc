#!/usr/bin/env bash
# The start time and the current time at a two-digit hour in a 12-hour format
# ("10:34:56 PM"): each stays inside its label, the 20 twips between the two
# labels show only the background, and the 10 option button beside them takes
# its click.
#
#   tools/with-x.sh tests/e2e/times_test.sh path/to/mirt2
set -euo pipefail

binary=${1:?usage: times_test.sh BINARY}
# Controls are found where a screen reader finds them.
E2E_SCREEN_READER=1
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[[ -f $faketime_lib ]] || fail "$faketime_lib is missing; run tools/install-deps.sh (package faketime)"
command -v xwd >/dev/null || fail "xwd is missing; run tools/install-deps.sh (package x11-apps)"

readonly background=008000

# The pixels of a label, or of the columns from the right edge of one to the left of another.
label_pixels() {
  local rect
  rect=$(control_rect "$1") && read -r -a rect <<<"$rect" && window_pixels "$wid" "${rect[@]}"
}
gap_pixels() {
  local left top width height right
  read -r left top width height < <(control_rect "$1") && read -r right _ < <(control_rect "$2") &&
    window_pixels "$wid" $((left + width)) "$top" $((right - left - width)) "$height"
}
has_ink() { tr ' ' '\n' <<<"$1" | grep -qv -e '^$' -e "^$background$"; }
shows_ink() { has_ink "$(label_pixels "$1")"; }
start_time_shown() {
  local band
  band=$(label_pixels lblStrJikan) && [[ "$band" != "$1" ]] && has_ink "$band"
}

# libfaketime's clock starts at 22:34:56 and runs; Qt's timers keep the real one.
start_app env -u LC_ALL -u LC_TIME LANG=en_US.UTF-8 LD_PRELOAD="$faketime_lib" \
  FAKETIME="@2026-12-07 22:34:56" FAKETIME_DONT_FAKE_MONOTONIC=1 \
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" "$binary"
wid=$(find_window 'ミルテス-２' "$APP_PID") || fail "the main window did not appear"
wait_for "the frame" frame_extents "$wid" || fail "window $wid was never framed"
wait_for "the start-up height" client_height_is 1900 || fail "start-up height"

before=$(label_pixels lblStrJikan) || fail "xwd could not read the window"
press cmbAlStr # the start time becomes "10:34:5x PM"
wait_for "the start time" start_time_shown "$before" || fail "全部始 did not show a start time"
wait_for "the current time" shows_ink lblImaJikan || fail "the current time shows nothing"
gap=$(gap_pixels lblStrJikan lblImaJikan) || fail "xwd could not read the window"
! has_ink "$gap" || fail "the gap between the start time and the current time shows text: $gap"
pass "the start time and the current time each stay inside their labels"

press opt10 # just right of the current time
wait_for "the ten-panel height" client_height_is 6470 ||
  fail "a click on the 10 option button did not reach it"
pass "the 10 option button beside the current time takes its click"
