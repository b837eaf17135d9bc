#!/usr/bin/env bash
# The program in an Xfce session, as an Xfce user keeps it: xfce4-session
# starts it at login from the autostart folder, the person sets it up (five
# panels, the options, a background, 前へ, three stopwatches running and two
# stopped) and logs out, xfce4-session saves the session, and at the next login
# it starts the program itself, from the command it recorded, as it was: the
# running stopwatches counting on. Then 終了 is the person's end: the session
# saved at the next logout holds no command for it, and the login after that
# brings nothing back.
#
# Each login is xfce4-session on a session bus of its own, in a home of the
# test's own that the logins share; the first, with no session saved yet,
# starts xfwm4 in place of with-x.sh's openbox. The program writes where
# xfce4-session does, which a failing test shows.
#
#   tools/with-x.sh tests/e2e/session_test.sh path/to/mirt2
set -euo pipefail

binary=${1:?usage: session_test.sh BINARY}
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
for tool in xfce4-session xfce4-session-logout xfwm4 dbus-run-session xwd; do
  command -v "$tool" >/dev/null || fail "$tool is missing; run tools/install-deps.sh"
done

# A login starts a bus, xfconfd, xfwm4 and xfsettingsd before the program.
E2E_DEADLINE_S=30
readonly app_title='ミルテス-２'
# start_app's home, which holds its XDG_CONFIG_HOME and XDG_CACHE_HOME.
home=$E2E_TMP/home
autostart=$home/.config/autostart
mkdir -p "$autostart" "$home/.config/xfce4/xfconf/xfce-perchannel-xml"
mkdir -m 700 "$E2E_TMP/runtime"
# Save on logout, as the logout dialog's "Save session for future logins" does;
# with no session saved yet, start xfwm4 alone, in place of openbox.
cat >"$home/.config/xfce4/xfconf/xfce-perchannel-xml/xfce4-session.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-session" version="1.0">
  <property name="general" type="empty">
    <property name="SaveOnExit" type="bool" value="true"/>
  </property>
  <property name="sessions" type="empty">
    <property name="Failsafe" type="empty">
      <property name="Count" type="int" value="1"/>
      <property name="Client0_Command" type="array">
        <value type="string" value="xfwm4"/>
        <value type="string" value="--replace"/>
      </property>
    </property>
  </property>
</channel>
EOF

# The session's processes, with those that leave the test's process tree (the
# bus's xfconfd, the SSH and GPG agents): all carry its runtime directory.
session_processes() {
  grep -lsxzF "XDG_RUNTIME_DIR=$E2E_TMP/runtime" /proc/[0-9]*/environ | cut -d/ -f3
}
xfwm4_manages() {
  local check
  check=$(xprop -root -notype _NET_SUPPORTING_WM_CHECK) &&
    [[ $(xprop -id "${check##* }" -notype _NET_WM_NAME) == *'"Xfwm4"' ]]
}
login() {
  start_app env XDG_RUNTIME_DIR="$E2E_TMP/runtime" dbus-run-session -- \
    sh -c 'echo "$DBUS_SESSION_BUS_ADDRESS" >"$0" && exec xfce4-session' "$E2E_TMP/bus"
  wait_for "xfwm4" xfwm4_manages || fail "the session started no xfwm4"
  # Should the test fail, all are stopped before their files are removed:
  # xfconfd writes the settings as it ends.
  mapfile -t e2e_apps < <(session_processes)
}
logout() {
  DBUS_SESSION_BUS_ADDRESS=$(<"$E2E_TMP/bus") xfce4-session-logout --logout ||
    fail "xfce4-session-logout could not reach the session"
  wait_for "the session to end" eval '[[ -z $(session_processes) ]]' ||
    fail "outlived the session: $(session_processes | xargs ps -o args= -p)"
  e2e_apps=()
  session_file=$(echo "$home/.cache/sessions/xfce4-session-"*"$DISPLAY")
}
find_program() {
  wid=$(find_window "$app_title") || fail "the program shows no window"
  app_pid=$(xprop -id "$wid" _NET_WM_PID | sed 's/.*= //')
  wait_for "the frame" frame_extents "$wid" || fail "the window was never framed"
}
autostart() { printf '[Desktop Entry]\nType=Application\nName=%s\nExec=%s\n' "$1" "$2" >"$autostart/$1.desktop"; }

# The restart command xfce4-session saved for the program, an argument a line.
recorded_command() {
  [[ -f "$session_file" ]] || return 1
  awk -v program="$binary" '
    { key = $0; sub(/=.*/, "", key); sub(/^[^=]*=/, "") }
    key ~ /_Program$/ && $0 == program { client = substr(key, 1, length(key) - 8) }
    key ~ /_RestartCommand$/ { restart[substr(key, 1, length(key) - 15)] = $0 }
    END { if (client != "") print restart[client] }
  ' "$session_file" | tr , '\n'
}
copied() {
  local text
  text=$(clipboard_text | tr -d '\r') && [[ -n "$text" && "$text" != "$previous_copy" ]] || return 1
  echo "$text"
}
copy() {
  press cmdCopy
  wait_for "the copy" copied >/dev/null || fail "コピー put nothing new on the clipboard"
  previous_copy=$(copied)
}
above() { net_wm_state "$wid" | grep -qx _NET_WM_STATE_ABOVE; }
background() { window_pixels "$wid" 1 "$(px 1500)" 1 1 | tr -d ' '; }
seconds_of() { IFS=: read -r h m s <<<"${1#*－}" && echo $((10#$h * 3600 + 10#$m * 60 + 10#$s)); }
previous_copy=

# -- The first login: the autostart folder starts the program, and the person sets it up.
autostart mirt2 "\"$binary\""
login
find_program
press opt5
wait_for "five panels" client_height_is 3930 || fail "5 did not lay out five panels"
press chk1 # the options box, after the layout: 4360
wait_for "the options" client_height_is 4360 || fail "the options box showed no options"
press cmdHaikei
picker_active() { [[ "$(xdotool getactivewindow)" != "$wid" ]]; }
wait_for "the colour picker" picker_active || fail "背色 opened no colour picker"
xdotool key alt+h ctrl+a type '#123456'
xdotool key Return
wait_for "the background" eval '[[ $(background) == 123456 ]]' || fail "background $(background)"
press cmdMae
wait_for "_NET_WM_STATE_ABOVE" above || fail "前へ did not keep the window above"
for i in 1 2 3 4 5; do
  press "cmdStr($i)"
done
sleep 1.2
for i in 4 5; do
  press "cmdStp($i)"
done
copy
before=$previous_copy
place=$(outer_geometry "$wid")
[[ $(wc -l <<<"$before") == 5 ]] || fail "copied: $before"
pass "set up: five panels, the options, a background, 前へ, three running, two stopped: $(paste -sd ' ' <<<"$before")"

rm "$autostart/mirt2.desktop"
logout
recorded_command | grep -qx -- --restore || fail "xfce4-session saved no state: $(cat "$session_file")"
command=$(recorded_command | paste -sd ' ')
pass "xfce4-session recorded ${#command} characters: ${command:0:120}…"

# -- The next login: xfce4-session starts the program as it was.
login
find_program
wait_for "the layout" client_height_is 4360 || fail "came back at $(client_size "$wid")"
[[ "$(client_size "$wid")" == "$design_client_width 263" ]] || fail "client area $(client_size "$wid")"
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

# -- 終了, then a logout that saves the session without the program.
press cmdEnd
wait_for "the program to end" eval '! e2e_running "$app_pid"' || fail "終了 did not end the program"
touch -d '1 minute ago' "$session_file"
stamp=$(stat -c %Y "$session_file")
logout
(($(stat -c %Y "$session_file") != stamp)) || fail "xfce4-session did not save the session"
[[ -z "$(recorded_command)" ]] || fail "xfce4-session still holds: $(recorded_command | paste -sd ' ')"
# The autostart folder is read once the saved session's programs are started.
autostart marker "touch \"$E2E_TMP/started\""
login
wait_for "the autostart folder" test -e "$E2E_TMP/started" || fail "the login ran no autostart entry"
shown() { [[ -n "$(e2e_windows_titled "$app_title")" ]]; }
! wait_for -t 5 "the window" shown 2>/dev/null || fail "the program came back after 終了"
logout
pass "after 終了, the session holds no command for the program and the next login starts none"
