#!/usr/bin/env bash
# mirt2.exe under Wine on a real X server, through the same X interfaces as the
# Linux program's tests: its Japanese title; its client area as the layouts
# change; start all and stop all, and the report that コピー puts on the
# Windows clipboard as it arrives on the X clipboard; 前へ and 元へ as the
# window manager's above state; the time of day in the user's regional format
# under ja_JP and en_US; 終了 and the close box, each ending it with code 0;
# a state given back with --restore, as Windows restarts a registered program;
# and, with Windows' colour dialog opened and a custom colour added on the way,
# nothing of the program's left in the registry's HKEY_CURRENT_USER\Software.
#
#   tools/with-x.sh tests/e2e/wine_test.sh path/to/mirt2-wine path/to/clipboard_text-wine \
#     path/to/wine-prefix path/to/wine
#
# The launchers (cmake/wine.cmake) run mirt2.exe, and the reader of the
# Windows clipboard, under Wine as their own processes.
set -euo pipefail

launcher=${1:?usage: wine_test.sh MIRT2_LAUNCHER CLIPBOARD_LAUNCHER}
usage="usage: wine_test.sh MIRT2_LAUNCHER CLIPBOARD_LAUNCHER PREFIX WINE"
clipboard=${2:?$usage}
prefix=${3:?$usage}
wineserver=$(dirname "${4:?$usage}")/wineserver
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# A cold Wine session starts its helper processes first.
E2E_DEADLINE_S=30
# The first run in a new build makes the Wine prefix, which takes longer than
# any deadline here while other tests load the machine: made now, untimed.
"$launcher" --version >/dev/null || fail "mirt2.exe --version failed under Wine"

# The keys under HKEY_CURRENT_USER\Software, as Wine keeps them once its server has written
# them out and ended, but for Wine's own.
software_keys() {
  WINEPREFIX=$prefix "$wineserver" -w || fail "$wineserver did not wait for Wine's server"
  grep -o '^\[Software\\\\[^]]*\]' "$prefix/user.reg" | grep -v '^\[Software\\\\Wine' | sort
}
software_before=$(software_keys) || exit

app_title='ミルテス-２'
work=$E2E_TMP/work
mkdir "$work"

# The clock starts at 1:11:11 in the morning, so that the time of day in the
# Japanese format, 1:11:1x, fits its label as it is; in the US format,
# 1:11:1x AM, it is too wide for it, and the label draws it smaller to fit.
readonly faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[[ -f $faketime_lib ]] || fail "libfaketime is missing; run tools/install-deps.sh windows"

start_in() {
  start_app env MIRT2_WINE_LOCALE="$1" LD_PRELOAD="$faketime_lib" \
    FAKETIME="@$(date +%F) 01:11:11" FAKETIME_DONT_FAKE_MONOTONIC=1 NO_FAKE_STAT=1 "$launcher"
  wid=$(find_window "$app_title" "$APP_PID") || fail "no window under $1"
  wait_for "the frame" frame_extents "$wid" || fail "window $wid was never framed"
  wait_for "a settled size" settled_size || fail "the window never held still"
}

# "WIDTH HEIGHT" of the client area, once it has held still for a moment:
# Wine resizes a window in steps as it learns the frame.
settled_size() {
  local size
  size=$(client_size "$wid") || return 1
  sleep 0.2
  [[ "$(client_size "$wid")" == "$size" ]] || return 1
  echo "$size"
}

# Whether the client area has settled at the one a design Height in twips
# gives, and the width at the one the design's Width gives: whatever frame
# Wine thinks of and openbox draws, both outside it.
client_is() {
  [[ "$(settled_size)" == "$design_client_width $(client_px_of_height "$1")" ]]
}

has_state() { net_wm_state "$wid" | grep -qx "$1"; }
lacks_state() { ! has_state "$1"; }
clipboard_to() { xclip -selection clipboard -t UTF8_STRING -o >"$1" 2>/dev/null; }
changed_from() { clipboard_to "$work/now" && ! cmp -s "$work/now" "$1"; }

# The start time of day, lblStrJikan.
start_time_pixels() {
  local left top width height
  read -r left top width height < <(control_rect lblStrJikan) || return 1
  import -window "$wid" png:- | convert - -crop "${width}x$height+$left+$top" +repage "$@"
}
start_time_changed() { [[ "$(start_time_pixels rgb:- | md5sum)" != "$1" ]]; }
# "WIDTH HEIGHT" of its text in pixels, against the flat panel colour.
start_time_ink() { start_time_pixels -fuzz 25% -trim -format '%w %h\n' info:; }

# 全部始 in the one-panel layout; returns once the start time has replaced
# the label's "00:00:00".
start_all() {
  local before
  before=$(start_time_pixels rgb:- | md5sum)
  press cmbAlStr
  wait_for "the start time" start_time_changed "$before" || fail "全部始 showed no start time"
}

# --- ja_JP: geometry, start and stop, copy, always-on-top, 終了 ---------------

start_in ja_JP.UTF-8
actual_title=$(window_title "$wid") || fail "window $wid has no _NET_WM_NAME"
[[ "$actual_title" == "$app_title" ]] || fail "_NET_WM_NAME is '$actual_title', expected '$app_title'"
pass "_NET_WM_NAME is '$app_title'"

wait_for "the client area of 2900 x 1900 twips" client_is 1900 ||
  fail "client area $(settled_size), frame $(frame_extents "$wid")"
pass "client area $(settled_size), frame $(frame_extents "$wid") outside it"

start_all
read -r width_ja height_ja < <(start_time_ink)
((width_ja > 20 && height_ja > 5)) || fail "the start time takes ${width_ja}x${height_ja} px under ja_JP"

press opt5
wait_for "the five-panel size" client_is 3930 || fail "opt5: client area $(settled_size)"
press chk1
wait_for "the options panel" client_is 4360 || fail "chk1: client area $(settled_size)"
pass "5 panels and the options panel: the client area grows by 2030 and 430 twips, the width stays"

# Two seconds of running, then stopped all at once: five equal times.
sleep 2
press cmdAlStp
dash=$'\xef\xbc\x8d' # U+FF0D

# The report of the five shown times, lines separated by $1, numbered if $2.
report() {
  local i
  for i in 1 2 3 4 5; do
    [[ -z ${2:-} ]] || printf '%s%s' "$i" "$dash"
    printf '%s' "$elapsed"
    ((i < 5)) && printf '%b' "$1"
  done
  return 0
}

# The report exactly as the program put it on the Windows clipboard, and as
# Wine's bridge hands it to X, with LF for each CR LF.
check_report() {
  "$clipboard" >"$work/windows" || fail "no text on the Windows clipboard"
  report '\r\n' "$@" >"$work/expected"
  cmp -s "$work/windows" "$work/expected" ||
    fail "the Windows clipboard holds $(od -An -c "$work/windows" | tr -s ' ')"
  clipboard_to "$work/x"
  report '\n' "$@" >"$work/expected"
  cmp -s "$work/x" "$work/expected" || fail "the X clipboard holds $(od -An -c "$work/x" | tr -s ' ')"
}

clipboard_to "$work/before" || : >"$work/before"
press cmdCopy
wait_for "the report on the X clipboard" changed_from "$work/before" || fail "コピー put nothing on the clipboard"
clipboard_to "$work/unnumbered"
elapsed=$(head -n1 "$work/unnumbered")
[[ "$elapsed" =~ ^0:00:0[1-9]$ ]] || fail "panel 1 shows '$elapsed' after two seconds"
check_report
pass "全部始, 全部止, コピー: five lines of $elapsed, CR LF between them, on the Windows and the X clipboard"

press cmdCopy # numbered
wait_for "the numbered report" changed_from "$work/unnumbered" || fail "the second コピー changed nothing"
check_report numbered
pass "the second コピー numbers the lines with U+FF0D"

before=$(outer_geometry "$wid")
press cmdMae # 前へ
wait_for "_NET_WM_STATE_ABOVE" has_state _NET_WM_STATE_ABOVE || fail "前へ did not keep the window above"
[[ "$(outer_geometry "$wid")" == "$before" ]] || fail "前へ moved the window: $before -> $(outer_geometry "$wid")"
press cmdMae # 元へ
wait_for "_NET_WM_STATE_ABOVE to go" lacks_state _NET_WM_STATE_ABOVE || fail "元へ did not release the window"
[[ "$(outer_geometry "$wid")" == "$before" ]] || fail "元へ moved the window: $before -> $(outer_geometry "$wid")"
pass "前へ and 元へ set and clear _NET_WM_STATE_ABOVE, the window staying put"

# 背色 opens Windows' own colour dialog, where Alt+D shows the custom colours and Alt+A adds
# one; Esc cancels.
press cmdHaikei
wait_for "the colour dialog" eval '(($(e2e_titled_windows "$APP_PID" | wc -l) == 2))' ||
  fail "背色 opened no dialog: $(e2e_titled_windows "$APP_PID")"
xdotool key alt+d alt+a Escape
wait_for "the dialog to close" eval '(($(e2e_titled_windows "$APP_PID" | wc -l) == 1))' ||
  fail "the colour dialog stayed open"
pass "背色 opens Windows' colour dialog, which keeps a custom colour and cancels"

press cmdEnd
wait_exit "$APP_PID" 10 || fail "終了 did not end the program"
((EXIT_CODE == 0)) || fail "終了 ended the program with exit code $EXIT_CODE"
pass "終了 ends the program with exit code 0"

# --- en_US: the regional format, the close box ------------------------------

start_in en_US.UTF-8
start_all
# 1:11:1x AM is drawn smaller: the US format's AM is there.
read -r width_en height_en < <(start_time_ink)
((height_en * 100 <= height_ja * 85 && width_en >= width_ja - 6)) ||
  fail "the start time takes ${width_en}x${height_en} px under en_US, ${width_ja}x${height_ja} under ja_JP"
pass "the start time, ${width_ja}x${height_ja} px under ja_JP, is drawn ${width_en}x${height_en} to fit AM under en_US"

close_window "$wid" || fail "could not close window $wid"
wait_exit "$APP_PID" 10 || fail "the program did not end after its window was closed"
((EXIT_CODE == 0)) || fail "closing the window ended the program with exit code $EXIT_CODE"
pass "closing the window ends the program with exit code 0"

# --- --restore: a state as Windows gives it back after a restart ----------------

# Five panels, the options ticked before the layout was chosen, the next copy numbered;
# stopwatches stopped at 1:05, 1:01:01 and a day and 1:01:01, one never started, one at zero:
# the earlier form, which a registration made before an upgrade holds.
state="v1,boot=,real=1000000000,wall=$(date +%s%N),mode=5,options=1,height=4350,left=120"
state+=",top=80,start=4271,text=-,button=-,back=-,picker=000000,front=0,numbered=1"
state+=",w1=s65,w2=s3661,w3=s90061,w4=z,w5=s0,w6=z,w7=z,w8=z,w9=z,w10=z"
start_app env MIRT2_WINE_LOCALE=ja_JP.UTF-8 "$launcher" --restore "$state"
wid=$(find_window "$app_title" "$APP_PID") || fail "no window with --restore"
wait_for "the restored layout" client_is 4350 || fail "came back with client area $(settled_size)"
clipboard_to "$work/before" || : >"$work/before"
press cmdCopy
wait_for "the report" changed_from "$work/before" || fail "コピー put nothing on the clipboard"
"$clipboard" >"$work/windows" || fail "no text on the Windows clipboard"
printf '1%s0:01:05\r\n2%s1:01:01\r\n3%s25:01:01\r\n4%s00:00:00\r\n5%s0:00:00' \
  "$dash" "$dash" "$dash" "$dash" "$dash" >"$work/expected"
cmp -s "$work/windows" "$work/expected" ||
  fail "the Windows clipboard holds $(od -An -c "$work/windows" | tr -s ' ')"
pass "--restore: five panels and the options, 4350 twips high, the times as they were, numbered next"
close_window "$wid" || fail "could not close window $wid"
wait_exit "$APP_PID" 10 || fail "the restored program did not end"

software_after=$(software_keys) || exit
[[ $software_after == "$software_before" ]] ||
  fail "the registry holds new keys: $(comm -13 <(echo "$software_before") <(echo "$software_after"))"
pass "HKEY_CURRENT_USER\\Software holds no key of the program's, the colour dialog's or Qt's"
