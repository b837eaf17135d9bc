#!/usr/bin/env bash
# The program on GNOME's compositor, mutter, nested in the test's X server as a
# Wayland session with XWayland, as a GNOME user meets it:
#
#   - by default on XWayland: the client area the design meant (187 x 99
#     pixels), the bottom row of buttons whole inside it, the place it was
#     moved to kept while the options show and hide, and 前へ / 元へ setting
#     and clearing _NET_WM_STATE_ABOVE, which mutter honours;
#   - natively on Wayland when asked for (QT_QPA_PLATFORM=wayland): the same
#     client area, read from the screen, without the title bar Qt would draw
#     itself (mutter draws none for Wayland programs), and a maximize request
#     (Super+Up) that leaves it running where and as it was.
#
#   tools/with-x.sh tests/e2e/gnome_test.sh path/to/mirt2
set -euo pipefail

binary=${1:?usage: gnome_test.sh BINARY}
if [[ -z "${GNOME_TEST_BUS:-}" ]]; then
  # mutter wants a session bus; what it and the bus say matters only on failure.
  GNOME_TEST_BUS=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v -e 'fd limit' >&2)
fi
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
command -v mutter >/dev/null || fail "mutter is missing; run tools/install-deps.sh"

# mutter and XWayland start slowly on a busy machine.
E2E_DEADLINE_S=30
readonly app_title='ミルテス-２'
readonly outer_display=$DISPLAY outer_xauthority=$XAUTHORITY
readonly client_w=$design_client_width client_h=99

# mutter, nested: a Wayland session on a window of the test's X server, with
# XWayland beside it. It names the X display it gives XWayland in its log.
mutter_log=$E2E_TMP/mutter.log
runtime=$E2E_TMP/runtime
mkdir -m 700 "$runtime"
XDG_RUNTIME_DIR=$runtime MUTTER_DEBUG_DUMMY_MODE_SPECS=1024x768 \
  mutter --nested --wayland --wayland-display=mirt2-gnome-test >"$mutter_log" 2>&1 &
e2e_apps+=("$!")
e2e_logs+=("$mutter_log")
mutter_pid=$!
xwayland_display() { sed -n 's/.*Using public X11 display \(:[0-9]*\),.*/\1/p' "$mutter_log" | grep .; }
wait_for -t 30 "mutter's XWayland display" xwayland_display || fail "mutter did not start"
wait_for "mutter's Wayland socket" test -S "$runtime/mirt2-gnome-test" || fail "no Wayland socket"
xwayland=$(xwayland_display)
xwayland_auth=$(echo "$runtime"/.mutter-Xwaylandauth.*)
# The nested session's window, once openbox has framed and placed it.
nested_window() { xwininfo -name mutter 2>/dev/null | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\) .*/\1/p' | grep .; }
wait_for "mutter's window" nested_window || fail "mutter shows no window"
nested_window=$(nested_window)
wait_for "openbox to frame mutter's window" frame_extents "$nested_window" || fail "mutter's window was never framed"
nested=$(xwininfo -id "$nested_window" | sed -n 's/.*Absolute upper-left [XY]: *//p' | paste -sd ' ')
read -r nested_x nested_y <<<"$nested"
[[ -n "$nested_y" ]] || fail "mutter's window is not on the X server"
pass "mutter runs nested at $nested_x,$nested_y with XWayland on $xwayland"

# What a GNOME session gives its programs; QT_QPA_PLATFORM is the user's.
session=(env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" XDG_SESSION_TYPE=wayland
  XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=mirt2-gnome-test DISPLAY="$xwayland"
  XAUTHORITY="$xwayland_auth")
on_xwayland() { DISPLAY=$xwayland XAUTHORITY=$xwayland_auth "$@"; }
# XWayland starts with its first client, and a window mapped before mutter
# manages X11 windows there is never shown, though mutter has already claimed
# the screen. A throwaway window, mapped afresh until it shows, tells when.
managing_x11() {
  local probe shown=1
  DISPLAY=$xwayland XAUTHORITY=$xwayland_auth xlogo -geometry 20x20 >/dev/null 2>&1 &
  probe=$!
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    on_xwayland xdotool search --onlyvisible --class xlogo >/dev/null 2>&1 && shown=0 && break
    sleep 0.2
  done
  kill "$probe" 2>/dev/null
  wait "$probe" 2>/dev/null
  return "$shown"
}
wait_for -t 40 "mutter to manage XWayland's windows" managing_x11 || fail "no window manager on XWayland"
on_screen() { DISPLAY=$outer_display XAUTHORITY=$outer_xauthority "$@"; }

# The nested session's part of the screen, read with xwd, which unlike
# ImageMagick's import does not hold the X server while it reads, so that
# mutter goes on drawing between the polls.
screen_shot() {
  on_screen xwd -root -silent | convert xwd:- -crop "1024x768+$nested_x+$nested_y" +repage "$1"
}

# "LEFT TOP WIDTH HEIGHT" in the session of the design's dark green, the window
# background that shows on every edge of the client area: the client area.
green_area() {
  local shot=$E2E_TMP/green.png box
  screen_shot "$shot" || return 1
  box=$(convert "$shot" -fill black +opaque '#008000' -format '%@' info:) || return 1
  [[ "$box" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
  ((BASH_REMATCH[1] > 1)) || return 1 # a picture with no green trims to 1x1
  echo "${BASH_REMATCH[3]} ${BASH_REMATCH[4]} ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
}

# Whether the bottom row's lower bevel, the grey edge of 終了, shows on its
# row across the button, with the dark green of the window below it: the row
# is whole. Its arguments are the client area's LEFT and TOP in the session;
# 終了's place, in the one-panel layout, is read on XWayland first.
bottom_row_whole() {
  local shot=$E2E_TMP/row.png x0=$(($1 + end_left + 2)) width=$((end_right - end_left - 3))
  screen_shot "$shot" || return 1
  [[ "$(convert "$shot" -crop "${width}x1+$x0+$(($2 + bottom_edge_row))" +repage -depth 8 \
    -format '%k %[hex:p{0,0}]' info:)" == "1 808080" ]] || return 1
  [[ "$(convert "$shot" -crop "${width}x1+$x0+$(($2 + bottom_edge_row + 1))" +repage -depth 8 \
    -format '%k %[hex:p{0,0}]' info:)" == "1 008000" ]]
}

# -- On XWayland, the default.
start_app "${session[@]}" "$binary"
xwayland_app=$APP_PID
wid=$(on_xwayland find_window "$app_title" "$APP_PID") ||
  fail "no X11 window on XWayland: the program did not default to it"
pass "the window opens on XWayland by default"
client_is() { [[ "$(on_xwayland client_size "$wid")" == "$client_w $client_h" ]]; }
wait_for "a client area of ${client_w}x${client_h}" client_is ||
  fail "client area $(on_xwayland client_size "$wid") under mutter's title bar"
places_client_size() { on_xwayland client_size "$wid"; }
read -r end_left end_top end_width end_height < <(control_rect cmdEnd) || fail "no 終了 in view"
readonly end_left end_right=$((end_left + end_width - 1)) bottom_edge_row=$((end_top + end_height - 1))
read -r x y < <(on_xwayland xwininfo -id "$wid" | sed -n 's/.*Absolute upper-left [XY]: *//p' |
  paste -sd ' ')
wait_for "the bottom row whole" bottom_row_whole "$x" "$y" ||
  fail "the bottom row is cut: client at $x,$y"
pass "client area ${client_w}x${client_h} at $x,$y under mutter's frame, the bottom row whole"

# 前へ on the options panel, shown by the check box: mutter keeps the window above.
places_click() { on_screen xdotool mousemove $((nested_x + x + $1)) $((nested_y + y + $2)) click 1; }
above() { on_xwayland net_wm_state "$wid" | grep -qx _NET_WM_STATE_ABOVE; }
not_above() { ! above; }
# Moved down the screen by a move request, as a drag ends, the window stays there while the
# check box shows and hides the options panel: only its height changes.
client_y() { on_xwayland xwininfo -id "$wid" | sed -n 's/.*Absolute upper-left Y: *//p'; }
moved() { (($(client_y) > y + 100)); }
on_xwayland xdotool windowmove "$wid" "$x" $((y + 150))
wait_for "the window to move down" moved || fail "a move request left the window at $(client_y)"
y=$(client_y)
near_y() { local now; now=$(client_y) && ((now >= y - 2 && now <= y + 2)); }
press chk1
wait_for "the options panel" on_xwayland client_height_is 2330 || fail "chk1 showed no options"
sleep 0.5
near_y || fail "showing the options moved the window from $y to $(client_y)"
press cmdMae
wait_for "_NET_WM_STATE_ABOVE" above || fail "前へ did not keep the window above"
press cmdMae # 元へ
wait_for "_NET_WM_STATE_ABOVE to go" not_above || fail "元へ left the window above"
pass "前へ sets and 元へ clears _NET_WM_STATE_ABOVE"
press chk1
wait_for "the options panel to go" on_xwayland client_height_is 1900 || fail "chk1 left the options"
sleep 0.5
near_y || fail "hiding the options moved the window from $y to $(client_y)"
pass "moved to $y, the window stays there as the options show and hide"
kill "$xwayland_app"

# -- Natively on Wayland, when the user chooses it.
gone() { ! green_area >/dev/null; }
wait_for "the XWayland window to go" gone || fail "the XWayland window stayed"
start_app "${session[@]}" QT_QPA_PLATFORM=wayland "$binary"
native_is_whole() {
  local area
  area=$(green_area) || return 1
  [[ "${area#* * }" == "$client_w $client_h" ]]
}
wait_for "a native client area of ${client_w}x${client_h}" native_is_whole ||
  fail "native client area $(green_area || echo none)"
read -r x y _ < <(green_area)
bottom_row_whole "$x" "$y" || fail "the bottom row is cut natively"
# No title bar of Qt's own, which would offer to maximize: the desktop's blue lies
# right above the client area.
screen_shot "$E2E_TMP/above.png"
blue=$(convert "$E2E_TMP/above.png" -crop "${client_w}x20+$x+$((y - 20))" +repage \
  -format '%[fx:int(255 * (mean.b - mean.r))]' info:)
((blue > 40)) || fail "something other than the desktop above the window (blue - red $blue)"
pass "natively, client area ${client_w}x${client_h} at $x,$y without a title bar, the bottom row whole"

on_screen xdotool mousemove $((nested_x + x + 4)) $((nested_y + y + client_h - 3)) click 1
on_screen xdotool key super+Up
sleep 1
e2e_running "$APP_PID" || fail "a maximize request ended the program"
[[ "$(green_area)" == "$x $y $client_w $client_h" ]] ||
  fail "a maximize request moved or resized the window: $(green_area)"
pass "a maximize request leaves it running at $x,$y, ${client_w}x${client_h}"
e2e_running "$mutter_pid" || fail "mutter ended"
