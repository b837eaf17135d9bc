# shellcheck shell=bash
# Helpers for end-to-end tests that drive the real program on an X server
# with a window manager (see tools/with-x.sh). Source this file; it owns the
# EXIT trap, which stops any program still running and removes scratch files.
#
#   wait_for [-t SECONDS] DESCRIPTION CMD [ARG...]  poll CMD until it succeeds
#   start_app BINARY [ARG...]         start in the background; sets APP_PID
#   find_window TITLE [PID]           id of the one visible window so titled
#   window_title WID                  _NET_WM_NAME, byte for byte
#   frame_extents WID                 "LEFT RIGHT TOP BOTTOM" of the WM frame
#   outer_geometry WID                "LEFT TOP WIDTH HEIGHT", frame included
#   client_size WID                   "WIDTH HEIGHT" of the client area (places.sh)
#   net_wm_state WID                  _NET_WM_STATE atoms, one a line
#   press NAME / control_rect NAME    a control of $wid by its object name (places.sh)
#   close_window WID                  ask the window manager to close it
#   wait_exit PID SECONDS             wait for PID to end; sets EXIT_CODE
#   clipboard_text                    the CLIPBOARD selection as text
#   screenshot FILE                   the whole screen, if ImageMagick is here
#   window_pixels WID X Y W H         client-area pixels as RRGGBB, a row a line
#   pass MESSAGE / fail MESSAGE       report a check; fail ends the test
#
# E2E_DEADLINE_S (default 10) bounds every wait that takes no explicit time.
# E2E_ARTIFACTS, when set to a directory, receives a screenshot on failure.
# E2E_SCREEN_READER, set before sourcing, runs the test on a session bus of its
# own, where the accessibility bus starts, and has start_app's programs serve
# AT-SPI, so that press finds their controls as a screen reader does.

if [[ -n "${E2E_SCREEN_READER:-}" && -z "${E2E_ON_SESSION_BUS:-}" ]]; then
  # The buses report each service they start; only a failure's messages matter.
  E2E_ON_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@" \
    2> >(grep -v -e 'fd limit' -e 'activat' -e 'Activat' -e 'SpiRegistry' >&2)
fi

E2E_DEADLINE_S=${E2E_DEADLINE_S:-10}
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/e2e.XXXXXX")
APP_PID=
EXIT_CODE=
e2e_apps=()   # PIDs started by start_app and not yet reaped
e2e_logs=()   # their output, shown when the test fails

for e2e_tool in xdotool xprop xwininfo xclip; do
  if ! command -v "$e2e_tool" >/dev/null; then
    echo "FAIL: $e2e_tool is missing; run tools/install-deps.sh" >&2
    exit 2
  fi
done
unset e2e_tool
if [[ -z "${DISPLAY:-}" ]]; then
  echo "FAIL: no DISPLAY; run the test through tools/with-x.sh" >&2
  exit 2
fi

pass() { echo "ok - $*"; }

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

e2e_now_us() { echo "${EPOCHREALTIME/./}"; }

# Deadlines in (possibly fractional) seconds, compared in microseconds.
e2e_deadline_us() {
  local whole=${1%%.*} frac=''
  [[ "$1" == *.* ]] && frac=${1#*.}
  frac=${frac}000000
  echo $(($(e2e_now_us) + ${whole:-0} * 1000000 + 10#${frac:0:6}))
}

e2e_cleanup() {
  local status=$? pid i
  if ((status != 0)); then
    if [[ -n "${E2E_ARTIFACTS:-}" ]]; then
      mkdir -p "$E2E_ARTIFACTS"
      screenshot "$E2E_ARTIFACTS/failure-$$.png" >&2 || true
    fi
    for i in "${!e2e_logs[@]}"; do
      if [[ -s "${e2e_logs[i]}" ]]; then
        echo "---- output of program $((i + 1)) ----" >&2
        tail -n 40 "${e2e_logs[i]}" >&2
      fi
    done
  fi
  for pid in "${e2e_apps[@]}"; do
    kill "$pid" 2>/dev/null || continue
    for ((i = 0; i < 30; i++)); do
      e2e_running "$pid" || break
      sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$E2E_TMP"
  return "$status"
}
trap e2e_cleanup EXIT

# A child that has ended but is not reaped yet is a zombie, which kill -0
# still reports as alive.
e2e_running() {
  local stat
  kill -0 "$1" 2>/dev/null || return 1
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  stat=${stat##*) }
  [[ "${stat%% *}" != Z ]]
}

wait_for() {
  local seconds=$E2E_DEADLINE_S
  if [[ "${1:-}" == -t ]]; then
    seconds=$2
    shift 2
  fi
  local what=$1
  shift
  local deadline output
  deadline=$(e2e_deadline_us "$seconds")
  until output=$("$@" 2>&1); do
    if (($(e2e_now_us) > deadline)); then
      echo "timed out after ${seconds}s waiting for $what${output:+: $output}" >&2
      return 1
    fi
    sleep 0.05
  done
}

# Each program gets a home of its own so that nothing it or Qt reads or
# writes there mixes with the user's, yet it persists across restarts within
# one test.
start_app() {
  local log
  log="$E2E_TMP/app-$((${#e2e_logs[@]} + 1)).log"
  mkdir -p "$E2E_TMP/home"
  env QT_QPA_PLATFORM=xcb ${E2E_SCREEN_READER:+QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1} \
    HOME="$E2E_TMP/home" \
    XDG_CONFIG_HOME="$E2E_TMP/home/.config" \
    XDG_CACHE_HOME="$E2E_TMP/home/.cache" \
    XDG_DATA_HOME="$E2E_TMP/home/.local/share" \
    "$@" </dev/null >"$log" 2>&1 &
  APP_PID=$!
  [[ -z "${E2E_SCREEN_READER:-}" ]] || E2E_ATSPI_PID=$APP_PID
  e2e_apps+=("$APP_PID")
  e2e_logs+=("$log")
}

window_title() {
  local hex
  hex=$(xprop -id "$1" -notype -f _NET_WM_NAME 8x ' $0+' _NET_WM_NAME 2>/dev/null) || return 1
  [[ "$hex" == *0x* ]] || return 1
  hex=${hex#* }
  hex=${hex//, /}
  printf '%b' "${hex//0x/\\x}"
}

# Lists visible windows (of PID, if given) as "ID TITLE" lines. Titles are
# compared here rather than by xdotool's --name, whose regex fails to match
# non-ASCII titles when the locale is not UTF-8, as under a bare CI shell.
e2e_titled_windows() {
  local wid name query=(--name '')
  [[ -n "${1:-}" ]] && query=(--pid "$1")
  for wid in $(xdotool search --onlyvisible "${query[@]}" 2>/dev/null); do
    name=$(window_title "$wid") && echo "$wid $name"
  done
  return 0
}

e2e_windows_titled() {
  local title=$1 line
  while IFS= read -r line; do
    [[ "${line#* }" == "$title" ]] && echo "${line%% *}"
  done < <(e2e_titled_windows "${2:-}")
  return 0
}

find_window() {
  local title=$1 pid=${2:-} deadline found=()
  deadline=$(e2e_deadline_us "$E2E_DEADLINE_S")
  while :; do
    mapfile -t found < <(e2e_windows_titled "$title" "$pid")
    if ((${#found[@]} == 1)); then
      echo "${found[0]}"
      return 0
    fi
    if ((${#found[@]} > 1)); then
      echo "${#found[@]} windows are titled '$title'${pid:+ for PID $pid}" >&2
      return 1
    fi
    if [[ -n "$pid" ]] && ! e2e_running "$pid"; then
      echo "PID $pid ended before it showed a window titled '$title'" >&2
      return 1
    fi
    if (($(e2e_now_us) > deadline)); then
      echo "no visible window titled '$title'${pid:+ for PID $pid} within ${E2E_DEADLINE_S}s" >&2
      echo "titled visible windows${pid:+ of PID $pid}:" >&2
      e2e_titled_windows "$pid" | sed 's/^/  /' >&2
      return 1
    fi
    sleep 0.05
  done
}

# Set by the window manager once it has framed the window; absent before.
frame_extents() {
  local line
  line=$(xprop -id "$1" -notype _NET_FRAME_EXTENTS 2>/dev/null) || return 1
  [[ "$line" == *=* ]] || return 1
  line=${line#*= }
  echo "${line//,/}"
}

outer_geometry() {
  local extents left right top bottom x='' y='' w='' h='' bw=0 key value
  extents=$(frame_extents "$1") || {
    echo "window $1 has no _NET_FRAME_EXTENTS yet" >&2
    return 1
  }
  read -r left right top bottom <<<"$extents"
  while IFS=: read -r key value; do
    value=${value// /}
    case "$key" in
      *"Absolute upper-left X") x=$value ;;
      *"Absolute upper-left Y") y=$value ;;
      *"Width") w=$value ;;
      *"Height") h=$value ;;
      *"Border width") bw=$value ;;
    esac
  done < <(xwininfo -id "$1" 2>/dev/null)
  [[ -n "$x" && -n "$y" && -n "$w" && -n "$h" ]] || {
    echo "xwininfo knows no window $1" >&2
    return 1
  }
  echo "$((x - left)) $((y - top)) $((w + 2 * bw + left + right)) $((h + 2 * bw + top + bottom))"
}

net_wm_state() {
  local line atom
  line=$(xprop -id "$1" -notype _NET_WM_STATE 2>/dev/null) || return 1
  [[ "$line" == *=* ]] || return 0
  line=${line#*=}
  for atom in ${line//,/ }; do
    echo "$atom"
  done
}

# openbox binds Alt+F4 to Close, which sends WM_DELETE_WINDOW. The key must
# come through XTEST to the focused window: one sent with XSendEvent to a
# window that is not focused never reaches the window manager's grab.
close_window() {
  timeout 5 xdotool windowactivate --sync "$1" || {
    echo "could not activate window $1" >&2
    return 1
  }
  xdotool key --clearmodifiers alt+F4
}

# Not in $(...): only the shell that started PID can collect its status.
# Returns non-zero only when the deadline passes.
wait_exit() {
  local pid=$1 seconds=$2 deadline status=0 i
  EXIT_CODE=
  deadline=$(e2e_deadline_us "$seconds")
  while e2e_running "$pid"; do
    if (($(e2e_now_us) > deadline)); then
      echo "PID $pid still running after ${seconds}s" >&2
      return 1
    fi
    sleep 0.02
  done
  wait "$pid" || status=$?
  for i in "${!e2e_apps[@]}"; do
    [[ "${e2e_apps[i]}" == "$pid" ]] && unset 'e2e_apps[i]'
  done
  # shellcheck disable=SC2034  # read by the sourcing test
  EXIT_CODE=$status
}

# A selection owner that hangs must not hang the test.
clipboard_text() {
  timeout 5 xclip -selection clipboard -o
}

screenshot() {
  if ! command -v import >/dev/null; then
    echo "no screenshot: ImageMagick's import is not installed" >&2
    return 0
  fi
  import -window root "$1" && echo "screenshot: $1"
}

window_pixels() {
  local shot=$E2E_TMP/pixels.xwd header y
  xwd -silent -id "$1" >"$shot" || return 1
  # XWD: 25 big-endian header words (size 0, byte order 7, bits per pixel 11, bytes per
  # line 12, colour count 19), the window name, the colours, then the pixel rows.
  read -r -a header < <(od -An -tu4 --endian=big -N100 -w100 "$shot")
  ((header[7] == 0 && header[11] == 32)) || { echo "xwd gave no 32-bit B G R pixels" >&2; return 1; }
  for ((y = $3; y < $3 + $5; y++)); do
    od -An -v -tx1 -w4 -j $((header[0] + header[19] * 12 + y * header[12] + $2 * 4)) \
      -N $(($4 * 4)) "$shot" | awk '{ printf "%s%s%s ", $3, $2, $1 } END { print "" }'
  done
}

# shellcheck source-path=SCRIPTDIR source=places.sh
source "$(dirname "${BASH_SOURCE[0]}")/places.sh"

# mirt2's window is laid out in twips, 15 to the pixel. These take the main
# window's id from $wid.

# The client-area pixel of a twip position.
px() { echo $((($1 + 7) / 15)); }

# The client area that a design Height or Width in twips gives: the design's
# outer size less the frame of the Windows it was drawn on, 420 twips down and
# 90 across, whatever frame the window manager adds.
client_px_of_height() { px $(($1 - 420)); }
client_px_of_width() { px $(($1 - 90)); }
# Every layout keeps the design's Width, 2900 twips.
design_client_width=$(client_px_of_width 2900)
# shellcheck disable=SC2034  # read by the sourcing tests
readonly design_client_width

# Whether the client area has the height that a design Height in twips gives.
client_height_is() {
  local height
  read -r _ height < <(client_size "$wid") || return 1
  ((height == $(client_px_of_height "$1")))
}
