#!/usr/bin/env bash
# mirt2.exe under Wine in a virtual desktop, where Wine draws the title bar and
# borders as Windows does, with Windows 10's window metrics at 100 % (a 22 px
# caption, 1 px borders padded by 4 px): in every layout, 1, 5 and 10 panels
# with the options panel hidden and shown, the client area is the one the
# design meant, so it holds every control, and the bottom row of buttons is
# whole on the screen.
#
#   tools/with-x.sh tests/e2e/wine_desktop_test.sh PREFIX MIRT2_EXE RECTS_EXE RUN...
#
# RUN is tools/wine-run.sh with its options and Wine, up to the prefix;
# RECTS_EXE prints the window's client and outer rectangles as Windows sees
# them (window_rects_win.cpp).
set -euo pipefail

prefix=${1:?usage: wine_desktop_test.sh PREFIX MIRT2_EXE RECTS_EXE RUN...}
mirt2=${2:?usage: wine_desktop_test.sh PREFIX MIRT2_EXE RECTS_EXE RUN...}
rects=${3:?usage: wine_desktop_test.sh PREFIX MIRT2_EXE RECTS_EXE RUN...}
shift 3
run=("$@")
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
E2E_DEADLINE_S=30

# The prefix (made on first use, untimed) runs every program in one virtual
# desktop, with the metrics of Windows 10 at 100 %, in Windows' units of
# -15 per pixel.
"${run[@]}" "$prefix" "$mirt2" --version >/dev/null || fail "mirt2.exe --version failed"
setting() { "${run[@]}" "$prefix" reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null; }
setting 'HKCU\Control Panel\Desktop\WindowMetrics' CaptionHeight -330
setting 'HKCU\Control Panel\Desktop\WindowMetrics' CaptionWidth -330
setting 'HKCU\Control Panel\Desktop\WindowMetrics' BorderWidth -15
setting 'HKCU\Control Panel\Desktop\WindowMetrics' PaddedBorderWidth -60
setting 'HKCU\Software\Wine\Explorer' Desktop mirt2
setting 'HKCU\Software\Wine\Explorer\Desktops' mirt2 1024x768

start_app "${run[@]}" "$prefix" "$mirt2"
# "CLIENT_LEFT CLIENT_TOP CLIENT_WIDTH CLIENT_HEIGHT WINDOW_LEFT WINDOW_TOP
# WINDOW_WIDTH WINDOW_HEIGHT" on the virtual desktop.
window_rects() { "${run[@]}" "$prefix" "$rects" 2>/dev/null | tr -d '\r'; }
wait_for "mirt2's window on the virtual desktop" window_rects || fail "no window on the desktop"
desktop=$(find_window 'mirt2 - Wine desktop') || fail "no Wine desktop on the X server"
read -r desktop_x desktop_y < <(xwininfo -id "$desktop" |
  sed -n 's/.*Absolute upper-left [XY]: *//p' | paste -sd ' ')

# The client area is found on the virtual desktop, for press.
places_client_size() { window_rects | cut -d' ' -f3-4; }
places_click() {
  local cx cy
  read -r cx cy _ < <(window_rects)
  xdotool mousemove $((desktop_x + cx + $1)) $((desktop_y + cy + $2)) click 1
}
client_is() { [[ "$(places_client_size)" == "$1 $2" ]]; }

# The bottom row of buttons, in the one-panel layout: the row below the lower
# bevel of 終了 is the window's dark green on the screen, the bevel's row grey.
bottom_row_whole() {
  local cx cy shot=$E2E_TMP/desktop.png y x0 width left top end_width end_height
  read -r cx cy _ < <(window_rects)
  read -r left top end_width end_height < <(control_rect cmdEnd) || return 1
  import -window "$desktop" "$shot" || return 1
  y=$((cy + top + end_height - 1)) x0=$((cx + left + 2)) width=$((end_width - 4))
  [[ "$(convert "$shot" -crop "${width}x1+$x0+$y" +repage -depth 8 -format '%k %[hex:p{0,0}]' \
    info:)" == "1 808080" ]] || return 1
  [[ "$(convert "$shot" -crop "${width}x1+$x0+$((y + 1))" +repage -depth 8 \
    -format '%k %[hex:p{0,0}]' info:)" == "1 008000" ]]
}

wait_for "the one-panel client area" client_is "$design_client_width" 99 || fail "client area: $(window_rects)"
wait_for "the bottom row whole" bottom_row_whole || fail "the bottom row is cut: $(window_rects)"
read -r _ _ _ _ _ _ outer_w outer_h < <(window_rects)
pass "1 panel: client area 187x99 in a ${outer_w}x${outer_h} window, the bottom row whole"

# Each layout from its option button; the options panel from the check box.
# The pixels are the design's Height less 420 twips, in every layout.
choose() { # NAME OPTION_BUTTON CLIENT_HEIGHT
  press "$2"
  wait_for "$1" client_is "$design_client_width" "$3" || fail "$1: client area $(window_rects)"
  pass "$1: client area 187x$3"
}
choose "5 panels" opt5 234
choose "10 panels" opt10 403
press chk1 # 6470 + 430
wait_for "the options panel" client_is "$design_client_width" 432 || fail "chk1: client area $(window_rects)"
choose "10 panels with options" opt10 431
choose "5 panels with options" opt5 262
choose "1 panel with options" opt1 127
