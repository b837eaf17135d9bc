#!/usr/bin/env bash
# The program under a real X session manager, xsm, as a KDE or xfce session
# keeps it: xsm starts it, the person sets it up (five panels, the options, a
# background, 前へ, three stopwatches running and two stopped), xsm saves the
# session and ends it, and the command it recorded, started in the next
# session, shows the window as it was, the running stopwatches counting on.
# Then 終了 is the person's end: at the next save xsm holds no command for it.
#
# The next session is a new one that the test starts the command in: xsm
# itself cannot restart a command of more than about 200 characters (its own
# buffer overflows), which KDE's and xfce's session managers can.
#
#   tools/with-x.sh tests/e2e/session_test.sh path/to/mirt2
set -euo pipefail

binary=${1:?usage: session_test.sh BINARY}
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
for tool in xsm iceauth xwd; do
  command -v "$tool" >/dev/null || fail "$tool is missing; run tools/install-deps.sh"
done

readonly title='ミルテス-２'
# xsm keeps its sessions in SM_SAVE_DIR, and starts what .xsmstartup lists in
# the home of the program that start_app starts.
home=$E2E_TMP/home
mkdir -p "$home"
session_file=$home/.XSM-Default

start_session() {
  rm -f "$session_file" "$home"/.XSMlock-*
  start_app env SM_SAVE_DIR="$home" xsm -verbose
  xsm_pid=$APP_PID
}
find_program() {
  wid=$(find_window "$title") || fail "the program shows no window"
  app_pid=$(xprop -id "$wid" _NET_WM_PID | sed 's/.*= //')
  wait_for "the frame" frame_extents "$wid" || fail "the window was never framed"
}

# The restart command xsm saved for the program, an argument a line.
recorded_command() {
  [[ -f "$session_file" ]] || return 1
  awk -v program="$binary" '
    /^RestartCommand$/ { getline; reading = 1; n = 0; next }
    reading && /^\t/ { args[n++] = substr($0, 2); next }
    reading { reading = 0; if (args[0] == program) for (i = 0; i < n; i++) print args[i] }
  ' "$session_file"
}
saved_with_state() { recorded_command | grep -qx -- --restore; }
saved_without_program() { [[ -f "$session_file" ]] && [[ -z "$(recorded_command)" ]]; }
copied() {
  local text
  text=$(clipboard_text | tr -d '\r') && [[ -n "$text" && "$text" != "$previous_copy" ]] || return 1
  echo "$text"
}
copy() {
  click_control 3440 1650 130 620 300 # コピー, with five panels and the options
  wait_for "the copy" copied >/dev/null || fail "コピー put nothing new on the clipboard"
  previous_copy=$(copied)
}
above() { net_wm_state "$wid" | grep -qx _NET_WM_STATE_ABOVE; }
background() { window_pixels "$wid" 1 "$(px 1500)" 1 1 | tr -d ' '; }
seconds_of() { IFS=: read -r h m s <<<"${1#*－}" && echo $((10#$h * 3600 + 10#$m * 60 + 10#$s)); }
previous_copy=

# -- The first session: xsm starts the program, and the person sets it up.
echo "$binary" >"$home/.xsmstartup"
start_session
find_program
click_at "$wid" "$(px 2170)" "$(px $((450 + 250 + 90)))" # 5
wait_for "five panels" client_height_is 3930 || fail "5 did not lay out five panels"
click_control 2480 2550 400 180 180 # the options box, after the layout: 4360
wait_for "the options" client_height_is 4360 || fail "the options box showed no options"
click_control 3440 1070 130 550 300 # 背色
picker_active() { [[ "$(xdotool getactivewindow)" != "$wid" ]]; }
wait_for "the colour picker" picker_active || fail "背色 opened no colour picker"
xdotool key alt+h ctrl+a type '#123456'
xdotool key Return
wait_for "the background" eval '[[ $(background) == 123456 ]]' || fail "background $(background)"
click_control 3440 2300 130 500 300 # 前へ
wait_for "_NET_WM_STATE_ABOVE" above || fail "前へ did not keep the window above"
for i in 1 2 3 4 5; do
  click_control $((507 * (i - 1))) 1700 130 440 350 # 始
done
sleep 1.2
for i in 4 5; do
  click_control $((507 * (i - 1))) 2220 130 440 350 # 止
done
copy
before=$previous_copy
place=$(outer_geometry "$wid")
[[ $(wc -l <<<"$before") == 5 ]] || fail "copied: $before"
pass "set up: five panels, the options, a background, 前へ, three running, two stopped: $(paste -sd ' ' <<<"$before")"

kill -USR1 "$xsm_pid" # a checkpoint
wait_for "xsm to save the state" saved_with_state || fail "xsm saved no state: $(cat "$session_file")"
kill -TERM "$xsm_pid" # the session ends: save, then die
wait_exit "$xsm_pid" 10 || fail "xsm did not end the session"
wait_for "the program to end with the session" eval '! e2e_running "$app_pid"' ||
  fail "the program outlived the session"
mapfile -t argv < <(recorded_command)
command=${argv[*]}
pass "xsm recorded ${#command} characters: ${command:0:120}…"

# -- The next session: the command recorded, in a new session.
sleep 1.5
printf '#!/bin/sh\necho "$SESSION_MANAGER" >%s/address\n' "$E2E_TMP" >"$E2E_TMP/address.sh"
chmod +x "$E2E_TMP/address.sh"
echo "$E2E_TMP/address.sh" >"$home/.xsmstartup"
start_session
wait_for "the session manager's address" test -s "$E2E_TMP/address" || fail "xsm gave no address"
start_app env SESSION_MANAGER="$(<"$E2E_TMP/address")" "${argv[@]}"
find_program
wait_for "the layout" client_height_is 4360 || fail "came back at $(client_size "$wid")"
[[ "$(client_size "$wid")" == "187 263" ]] || fail "client area $(client_size "$wid")"
read -r x0 y0 _ <<<"$place"
read -r x1 y1 _ < <(outer_geometry "$wid")
((x1 >= x0 - 2 && x1 <= x0 + 2 && y1 >= y0 - 2 && y1 <= y0 + 2)) ||
  fail "came back at $x1,$y1, not $x0,$y0"
wait_for "the background" eval '[[ $(background) == 123456 ]]' || fail "background $(background)"
wait_for "_NET_WM_STATE_ABOVE" above || fail "前へ did not come back"
copy
after=$previous_copy
mapfile -t was <<<"$before"
mapfile -t now <<<"$after"
for i in 0 1 2 3 4; do
  [[ "${now[i]}" == "$((i + 1))－"* ]] || fail "the next copy was not numbered: $after"
  if ((i < 3)); then
    (($(seconds_of "${now[i]}") >= $(seconds_of "${was[i]}") + 1)) ||
      fail "stopwatch $((i + 1)) did not count on: ${was[i]} then ${now[i]}"
  else
    [[ "${now[i]}" == "$((i + 1))－${was[i]}" ]] || fail "stopwatch $((i + 1)): ${was[i]} then ${now[i]}"
  fi
done
! grep -q 'does not fit' "${e2e_logs[-1]}" || fail "the program refused its state"
pass "came back as it was: 187x263 at $x1,$y1, the background, above, $(paste -sd ' ' <<<"$after")"

# -- 終了: the person's end, after a save that holds the program.
kill -USR1 "$xsm_pid"
wait_for "xsm to save the state" saved_with_state || fail "xsm holds no state in the new session"
click_control 2480 120 650 700 320
wait_for "the program to end" eval '! e2e_running "$app_pid"' || fail "終了 did not end the program"
touch -d '1 minute ago' "$session_file"
stamp=$(stat -c %Y "$session_file")
kill -USR1 "$xsm_pid"
wait_for "xsm to save" eval '(($(stat -c %Y "$session_file") != stamp))' || fail "xsm did not save"
saved_without_program || fail "xsm still holds: $(recorded_command | paste -sd ' ')"
pass "after 終了, xsm's next save holds no command for the program"
