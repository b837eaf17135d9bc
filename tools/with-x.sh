#!/usr/bin/env bash
# Runs a command under a private X server with a window manager:
#
#   tools/with-x.sh COMMAND [ARG...]
#
# Starts Xvfb (1280x1024x24) on a display number the server picks itself, so
# that several runs at once never collide, then openbox with its default
# configuration, waits until openbox handles events, exports DISPLAY and
# XAUTHORITY, runs the command and returns its exit status. The server and
# the window manager are torn down however the command ends. Works as root,
# without a terminal, stdin or a desktop session.
#
# The command also gets WITH_X_SERVER_PID, the server's process id, so that it
# can count what drawing its windows costs the server.
#
# WITH_X_VERBOSE=1 shows what Xvfb and openbox print; otherwise it is kept
# and shown only when they fail to start.
set -euo pipefail

readonly startup_deadline_s=20

die() {
  echo "with-x: $*" >&2
  exit 2
}

(($# > 0)) || die "usage: with-x.sh COMMAND [ARG...]"

missing=()
for tool in Xvfb xauth openbox xdpyinfo mcookie; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
((${#missing[@]} == 0)) ||
  die "missing ${missing[*]}; run tools/install-deps.sh (packages xvfb xauth openbox x11-utils util-linux)"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/with-x.XXXXXX")
xvfb_pid=
wm_pid=
cmd_pid=

# shellcheck disable=SC2317  # reached through the EXIT trap
stop() {
  local pid=$1
  [[ -n "$pid" ]] || return 0
  kill "$pid" 2>/dev/null || return 0
  # A server that ignores TERM for a while must not keep the caller waiting.
  local i
  for ((i = 0; i < 50; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# shellcheck disable=SC2317
teardown() {
  stop "$cmd_pid"
  stop "$wm_pid"
  stop "$xvfb_pid"
  rm -rf "$scratch"
}
trap teardown EXIT
for sig in INT TERM HUP; do
  # shellcheck disable=SC2064  # the signal name is meant to be fixed now
  trap "exit $((128 + $(kill -l "$sig")))" "$sig"
done

show_log() {
  [[ -s "$1" ]] || return 0
  echo "---- $2 ----" >&2
  cat "$1" >&2
  echo "----" >&2
}

# await PID NAME WHAT CMD...: polls CMD until it succeeds, failing at once if
# the process NAME (PID) has exited and when the start-up deadline passes.
await() {
  local pid=$1 name=$2 what=$3
  shift 3
  until "$@"; do
    if ! kill -0 "$pid" 2>/dev/null; then
      show_log "$scratch/$name.log" "$name"
      die "$name exited before it could $what"
    fi
    ((SECONDS < deadline)) || die "$name did not $what within ${startup_deadline_s}s"
    sleep 0.05
  done
}

log_of() {
  if [[ "${WITH_X_VERBOSE:-}" == 1 ]]; then
    echo /dev/stderr
  else
    echo "$scratch/$1.log"
  fi
}

# The server accepts any cookie listed in its own file; clients need an entry
# naming the display, which is only known once the server has picked it.
cookie=$(mcookie)
touch "$scratch/server.auth" "$scratch/Xauthority"
xauth -q -f "$scratch/server.auth" add :0 . "$cookie"

: >"$scratch/display"
xvfb_log=$(log_of xvfb)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
  -auth "$scratch/server.auth" \
  3>"$scratch/display" </dev/null >"$xvfb_log" 2>&1 &
xvfb_pid=$!

deadline=$((SECONDS + startup_deadline_s))
# Xvfb writes the number and a newline once it accepts connections.
display_written() { (($(wc -l <"$scratch/display") > 0)); }
await "$xvfb_pid" xvfb "pick a display" display_written
display_number=$(tr -d '\n' <"$scratch/display")
[[ "$display_number" =~ ^[0-9]+$ ]] || die "Xvfb reported display '$display_number'"

export DISPLAY=":$display_number"
export XAUTHORITY="$scratch/Xauthority"
xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie"

answers() { xdpyinfo >/dev/null 2>&1; }
await "$xvfb_pid" xvfb "answer on $DISPLAY" answers

# openbox gets a home of its own: it must neither read the user's rc.xml,
# nor write into the caller's home, nor look for a session bus or manager.
# In the C locale it drops the first key binding pressed after a window maps
# (Alt+F4 came through only on a second try), so its locale is fixed.
wm_home="$scratch/openbox-home"
mkdir -p "$wm_home"/{config,cache,data,runtime}
chmod 700 "$wm_home/runtime"
wm_log=$(log_of openbox)
# openbox claims the screen (and sets _NET_SUPPORTING_WM_CHECK) seconds
# before it handles events: first it loads its theme and fonts. Events that
# reach it meanwhile are read into Xlib's queue, which its main loop does not
# look at until the next event arrives on the connection. A window mapped
# then stays unmapped on a server where nothing else happens. openbox runs
# its --startup command just before it enters that loop, so the command
# under test waits for that one.
wm_ready="$scratch/openbox-ready"
env -u DBUS_SESSION_BUS_ADDRESS -u SESSION_MANAGER LC_ALL=C.UTF-8 \
  HOME="$wm_home" XDG_RUNTIME_DIR="$wm_home/runtime" \
  XDG_CONFIG_HOME="$wm_home/config" XDG_CACHE_HOME="$wm_home/cache" \
  XDG_DATA_HOME="$wm_home/data" \
  openbox --sm-disable --startup "touch $(printf '%q' "$wm_ready")" \
  </dev/null >"$wm_log" 2>&1 &
wm_pid=$!

wm_is_ready() { [[ -e "$wm_ready" ]]; }
await "$wm_pid" openbox "start up on $DISPLAY" wm_is_ready

# Tools and programs under test need a runtime directory; as root without a
# login session there is none.
if [[ -z "${XDG_RUNTIME_DIR:-}" || ! -d "$XDG_RUNTIME_DIR" ]]; then
  export XDG_RUNTIME_DIR="$scratch/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

export WITH_X_SERVER_PID=$xvfb_pid

# In the background so that a signal to this script is handled at once;
# the explicit redirect keeps the caller's stdin, which bash would otherwise
# replace by /dev/null for a background job.
"$@" 0<&0 &
cmd_pid=$!
status=0
wait "$cmd_pid" || status=$?
cmd_pid=
exit "$status"
