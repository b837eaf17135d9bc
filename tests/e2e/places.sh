# shellcheck shell=bash
# Where mirt2's controls are in its window as it is now, by the object names the control table
# gives them ("cmdCopy", "cmdStr(2)", "opt10"): the one place the scripts learn it. Source this
# file (lib.sh does).
#
#   control_rect NAME [SIZE]  "X Y WIDTH HEIGHT" of the control, in pixels of the client area;
#                             given SIZE, from the table, in the layout of that client size
#   press NAME                a left click at the centre of the control
#   client_size WID           "WIDTH HEIGHT" of a window's client area in pixels
#
# A program started on an accessibility bus (E2E_ATSPI_PID, its process id) is asked through
# AT-SPI, where the control is found by the name a screen reader is told, so that a press also
# proves that name. Elsewhere (Wine; the benchmark, which must not pay for accessibility) the
# place is taken from what control_places wrote at build time from the real window in each of
# its layouts (E2E_PLACES names the file), under the client size the window has now. Both read
# that file: it also gives each object name's accessible names.
#
# The window is $wid. A script that reaches it otherwise (nested in another display, inside a
# Wine desktop) redefines these two after sourcing:
#
#   places_client_size  "WIDTH HEIGHT" of the client area in pixels
#   places_click X Y    a left click at a pixel of the client area

client_size() {
  local key value w='' h=''
  while IFS=: read -r key value; do
    value=${value// /}
    case "$key" in
      *"Width") w=$value ;;
      *"Height") h=$value ;;
    esac
  done < <(xwininfo -id "$1" 2>/dev/null)
  [[ -n "$w" && -n "$h" ]] || {
    echo "xwininfo knows no window $1" >&2
    return 1
  }
  echo "$w $h"
}

# The window's layout is in twips, 15 to the pixel at 96 dpi, where every test runs.
readonly places_twips_per_pixel=15

# shellcheck disable=SC2154  # the sourcing script's window
places_client_size() { client_size "$wid"; }
# No --sync: it waits for pointer motion, and a second click at the same place has none, so
# xdotool would stall there for many seconds. The server takes the move before the click anyway.
places_click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; }

places_table() {
  [[ -r "${E2E_PLACES:-}" ]] || {
    echo "E2E_PLACES names no table of the controls' places ('${E2E_PLACES:-}'):" \
      "set it to the build's tests/e2e/control_places.txt" >&2
    return 1
  }
  echo "$E2E_PLACES"
}

# Debian's pyatspi is for the system's Python, whatever else is first on PATH.
places_python() {
  if python3 -c 'import pyatspi' 2>/dev/null; then echo python3; else echo /usr/bin/python3; fi
}

control_rect() {
  # Names of their own: places_client_size, which a script may redefine, sees them.
  local places_name=$1 places_size=${2:-} places_table places_names
  places_table=$(places_table) || return 1
  if [[ -n "${E2E_ATSPI_PID:-}" && -z "$places_size" ]]; then
    mapfile -t places_names < <(awk -F '\t' -v name="$places_name" '$3 == name { print $8 }' \
      "$places_table" | sort -u)
    ((${#places_names[@]})) || {
      echo "the window has no control named $places_name" >&2
      return 1
    }
    "$(places_python)" "$(dirname "${BASH_SOURCE[0]}")/control_at.py" "$E2E_ATSPI_PID" "${places_names[@]}"
    return
  fi
  [[ -n "$places_size" ]] || places_size=$(places_client_size) || return 1
  awk -F '\t' -v size="$places_size" -v name="$places_name" -v scale="$places_twips_per_pixel" '
    $1 " " $2 == size && $3 == name { print $4 / scale, $5 / scale, $6 / scale, $7 / scale; found = 1; exit }
    END { exit !found }' "$places_table" || {
    echo "no control named $places_name in view in a client area of ${places_size/ /x} pixels" >&2
    return 1
  }
}

press() {
  # Names of their own: places_click, which a script may redefine, sees them.
  local places_rect
  places_rect=$(control_rect "$1") || {
    echo "cannot press $1" >&2
    return 1
  }
  read -r -a places_rect <<<"$places_rect"
  places_click $((places_rect[0] + places_rect[2] / 2)) $((places_rect[1] + places_rect[3] / 2))
}
