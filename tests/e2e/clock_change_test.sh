#!/usr/bin/env bash
# Ten stopwatches run while the clock is set back ten minutes: they go on
# counting the real time that passes, as the clipboard report shows. The clock
# is libfaketime's, set from a file that it reads at every look at the time;
# it leaves the monotonic clocks alone (FAKETIME_DONT_FAKE_MONOTONIC), and
# with them CLOCK_BOOTTIME and Qt's timers, as setting a computer's clock does.
#
#   tools/with-x.sh tests/e2e/clock_change_test.sh path/to/mirt2
set -euo pipefail

binary=${1:?usage: clock_change_test.sh BINARY}
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[[ -f $faketime_lib ]] || fail "$faketime_lib is missing; run tools/install-deps.sh (package faketime)"

# Under lib.sh's scratch folder, whose trap stops the program when a check fails.
work=$E2E_TMP/work
mkdir "$work"
echo +0 >"$work/clock"

start_app env LD_PRELOAD="$faketime_lib" FAKETIME_TIMESTAMP_FILE="$work/clock" FAKETIME_NO_CACHE=1 \
  FAKETIME_DONT_FAKE_MONOTONIC=1 \
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" "$binary"
wid=$(find_window 'ミルテス-２' "$APP_PID") || fail "the main window did not appear"
wait_for "the frame" frame_extents "$wid" || fail "window $wid was never framed"
wait_for "the start-up height" client_height_is 1900 || fail "start-up height"

# Ten panels, then the options panel.
press opt10
wait_for "the ten-panel height" client_height_is 6470 || fail "opt10 did not lay out ten panels"
press chk1
wait_for "the options panel" client_height_is 6900 || fail "chk1 did not show the options panel"

# Each report differs from the one before: the numbers come and go.
report=
new_report() {
  local text
  text=$(clipboard_text) || return 1
  [[ -n "$text" && "$text" != "$report" ]] || return 1
  printf '%s' "$text" >"$work/report"
}

# Copies the ten times; sets SHOWN to their seconds, and COPIED_FROM and
# COPIED_BY to when the click began and when the report was there.
copy_times() {
  local lines line first h m s
  COPIED_FROM=$(e2e_now_us)
  press cmdCopy
  wait_for "a new report on the clipboard" new_report || fail "コピー put no new report on the clipboard"
  COPIED_BY=$(e2e_now_us)
  report=$(<"$work/report")
  mapfile -t lines < <(tr -d '\r' <"$work/report")
  ((${#lines[@]} == 10)) || fail "the report has ${#lines[@]} lines: $report"
  first=${lines[0]#*－}
  for line in "${lines[@]}"; do
    [[ "${line#*－}" == "$first" ]] || fail "stopwatches started together disagree: $report"
  done
  [[ "$first" =~ ^[0-9]+:[0-9]{2}:[0-9]{2}$ ]] || fail "not an elapsed time: $first"
  IFS=: read -r h m s <<<"$first"
  SHOWN=$((10#$h * 3600 + 10#$m * 60 + 10#$s))
}

started_from=$(e2e_now_us)
press cmbAlStr
started_by=$(e2e_now_us)
deadline=$(e2e_deadline_us 10)
until copy_times && ((SHOWN >= 2)); do
  (($(e2e_now_us) < deadline)) || fail "the stopwatches did not reach 0:00:02 within 10 s"
  sleep 0.2
done

echo -600 >"$work/clock"
deadline=$(e2e_deadline_us 15)
while :; do
  copy_times
  # Real time since the start, as this script saw it: the copy was clicked no
  # sooner than COPIED_FROM after the start had been clicked, and the report
  # was there no later than COPIED_BY after the start was being clicked.
  low=$(((COPIED_FROM - started_by) / 1000000 - 1))
  high=$(((COPIED_BY - started_from + 999999) / 1000000 + 1))
  ((SHOWN >= low && SHOWN <= high)) ||
    fail "the clock set back, the stopwatches show $SHOWN s after $low to $high s of real time"
  ((SHOWN >= 6)) && break
  (($(e2e_now_us) < deadline)) || fail "the stopwatches did not reach 0:00:06 within 15 s"
  sleep 0.2
done
pass "with the clock set back ten minutes, ten stopwatches count on the real time that passes"
