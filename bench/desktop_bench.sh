#!/usr/bin/env bash
# What mirt2's window costs beside the floor, a stock Qt window with the same
# widgets (bench/floor_window.cpp), measured interleaved in one run so that
# both see the same machine:
#
#   tools/with-x.sh bench/desktop_bench.sh path/to/mirt2 path/to/floor_window [path/to/repaint_phase]
#
# Each round starts each program afresh, the order alternating from round to
# round, and measures the time from launch until its window is mapped and its
# PSS and RSS after a spell of idling. The first rounds also measure how often
# the program wakes (the voluntary context switches of all its threads) while
# idle and while ten stopwatches run in the ten-panel layout, the CPU that the
# program and the X server spend together meanwhile (drawing is paid for in the
# server too), and then, still running, how long after the wall clock's second
# the window is repainted (repaint_phase, built beside the floor window unless
# given). A start of each before the rounds, not counted, warms the page cache
# and the font caches for both alike.
#
# Prints a Markdown table of medians and their ratios, and whether each goal
# is met. Exits non-zero only when a measurement could not be made.
#
# DESKTOP_BENCH_ROUNDS (7), DESKTOP_BENCH_CPU_ROUNDS (3),
# DESKTOP_BENCH_CPU_SECONDS (30), DESKTOP_BENCH_WAKE_SECONDS (10) and
# DESKTOP_BENCH_PHASE_SECONDS (20) shorten a trial run.
set -euo pipefail

usage="usage: desktop_bench.sh MIRT2 FLOOR_WINDOW [REPAINT_PHASE]"
mirt2=${1:?$usage}
floor=${2:?$usage}
repaint_phase=${3:-$(dirname "$floor")/repaint_phase}
for binary in "$mirt2" "$floor" "$repaint_phase"; do
  [[ -x "$binary" ]] || {
    echo "desktop_bench: $binary is not an executable" >&2
    exit 2
  }
done
# Where mirt2's controls are (tests/e2e/places.sh): the build's table, beside the program's folder.
export E2E_PLACES=${E2E_PLACES:-$(dirname "$mirt2")/../tests/e2e/control_places.txt}
# shellcheck source-path=SCRIPTDIR source=../tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh"

[[ -n "${WITH_X_SERVER_PID:-}" && -r "/proc/${WITH_X_SERVER_PID}/stat" ]] ||
  fail "WITH_X_SERVER_PID names no running X server; run this through tools/with-x.sh"
command -v xwd >/dev/null || fail "xwd is missing; run tools/install-deps.sh"
# Under Wine the first start in a new build folder makes the Wine prefix, which
# takes longer than any start may: made here, untimed.
"$mirt2" --version >/dev/null || fail "$mirt2 --version failed"

readonly rounds=${DESKTOP_BENCH_ROUNDS:-7}
readonly cpu_rounds=${DESKTOP_BENCH_CPU_ROUNDS:-3}
readonly cpu_seconds=${DESKTOP_BENCH_CPU_SECONDS:-30}
readonly wake_seconds=${DESKTOP_BENCH_WAKE_SECONDS:-10}
readonly phase_seconds=${DESKTOP_BENCH_PHASE_SECONDS:-20}
readonly idle_seconds=5
clock_ticks=$(getconf CLK_TCK)
readonly clock_ticks
((cpu_rounds <= rounds)) || fail "DESKTOP_BENCH_CPU_ROUNDS exceeds DESKTOP_BENCH_ROUNDS"

readonly mirt2_title='ミルテス-２'
readonly floor_title='floor'
# The ten-panel layout's client area: its 6470 twips less the design's 420 for the frame.
readonly ten_panel_client_height=$(((6470 - 420 + 7) / 15))
# Panel 1's elapsed time, in the ten-panel layout of both programs; the other
# controls in its rows never change.
read -r _ band_top _ band_rows < <(control_rect 'lblJikan(1)' \
  "$design_client_width $ten_panel_client_height") || fail "no place for panel 1's time"
readonly band_top band_rows

# Starts a program and waits for its window to be mapped; sets LAUNCH_US,
# LAUNCH_CPU_US (what its threads ran until then) and WID. Both programs are found the same way: the first visible window that
# carries their process id, polled as fast as xdotool answers.
launch() {
  local title=$1 t0 deadline ids
  shift
  t0=$(e2e_now_us)
  start_app "$@"
  deadline=$(e2e_deadline_us "$E2E_DEADLINE_S")
  until ids=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null) && [[ -n "$ids" ]]; do
    e2e_running "$APP_PID" || fail "$1 ended before it mapped a window"
    (($(e2e_now_us) < deadline)) || fail "$1 mapped no window within ${E2E_DEADLINE_S}s"
    sleep 0.002
  done
  LAUNCH_US=$(($(e2e_now_us) - t0))
  LAUNCH_CPU_US=$(run_time_us "$APP_PID")
  WID=$(find_window "$title" "$APP_PID") || fail "$1 mapped no window titled '$title'"
}

stop_app() {
  kill "$APP_PID" 2>/dev/null || true
  wait_exit "$APP_PID" 5 || fail "PID $APP_PID did not end"
}

# The time the live threads of a process have run, in microseconds; unlike
# the wall time it does not count waiting for a busy machine's CPUs.
run_time_us() {
  local file ran total=0
  for file in /proc/"$1"/task/*/schedstat; do
    read -r ran _ <"$file" || continue
    total=$((total + ran))
  done
  echo $((total / 1000))
}

# "PSS_KB RSS_KB USS_KB" of the whole process. PSS shares pages with every
# other process that maps them, the machine's other Qt programs too; USS,
# the pages of this process alone, does not move with them.
memory_kb() {
  awk '/^Pss:/ { pss = $2 } /^Rss:/ { rss = $2 } /^Private_(Clean|Dirty):/ { uss += $2 }
       END { print pss, rss, uss }' "/proc/$1/smaps_rollup"
}

# Voluntary context switches of all the live threads of a process: each is a
# wait for something (a timer, the X server) and the wakeup that ends it.
wakeups() {
  local file key value total=0
  for file in /proc/"$1"/task/*/status; do
    while read -r key value; do
      [[ "$key" == voluntary_ctxt_switches: ]] && total=$((total + value))
    done <"$file" 2>/dev/null || continue
  done
  echo "$total"
}

per_second() { awk -v n="$1" -v us="$2" 'BEGIN { printf "%.2f", n / (us / 1e6) }'; }

# utime + stime of a whole process, in clock ticks.
cpu_ticks() {
  local stat fields
  stat=$(<"/proc/$1/stat")
  # The command name may hold spaces; the fields after it do not.
  read -r -a fields <<<"${stat##*) }"
  echo $((fields[11] + fields[12]))
}

# A digest of panel 1's time as the server shows it.
band_digest() {
  local shot=$E2E_TMP/band.xwd header
  xwd -silent -id "$1" >"$shot" || return 1
  # XWD's header: 25 big-endian words (header size, ..., bytes per line at
  # 12, colour count at 19), then the window name, the colours, the pixels.
  read -r -a header < <(od -An -tu4 --endian=big -N100 -w100 "$shot")
  local offset=$((header[0] + header[19] * 12 + band_top * header[12]))
  dd if="$shot" iflag=skip_bytes,count_bytes skip="$offset" count=$((band_rows * header[12])) \
    status=none | md5sum
}

band_differs_from() {
  [[ "$(band_digest "$WID")" != "$1" ]]
}

# Within a few pixels: under Wine the X window may also carry part of Wine's
# own idea of the frame; the end-to-end tests check the size itself.
client_height_near() {
  local size
  read -r -a size < <(client_size "$WID") || return 1
  ((size[1] >= $1 - 4 && size[1] <= $1 + 4))
}

ten_running_mirt2() {
  wait_for "the frame" frame_extents "$WID" || fail "mirt2's window was never framed"
  wid=$WID
  press opt10
  wait_for "the ten-panel layout" client_height_near "$ten_panel_client_height" ||
    fail "opt10 did not lay out ten panels"
  press cmbAlStr
}

ten_running_floor() { :; }

# Sets WAKE_IDLE, WAKE_RUNNING (a second), CPU_PROGRAM and CPU_SERVER (in
# percent of one core), and PHASE_P50 and PHASE_P90 (ms after the second).
measure_cpu() {
  local name=$1 digest t0 t1 p0 p1 x0 x1 w0 w1
  t0=$(e2e_now_us) w0=$(wakeups "$APP_PID")
  sleep "$wake_seconds"
  t1=$(e2e_now_us) w1=$(wakeups "$APP_PID")
  WAKE_IDLE=$(per_second $((w1 - w0)) $((t1 - t0)))
  "ten_running_$name"
  # Proves that the stopwatches run: panel 1's time changes within a second.
  digest=$(band_digest "$WID") || fail "xwd could not read $name's window"
  wait_for -t 3 "panel 1's time to change" band_differs_from "$digest" ||
    fail "$name's stopwatches are not running"
  t0=$(e2e_now_us) p0=$(cpu_ticks "$APP_PID") x0=$(cpu_ticks "$WITH_X_SERVER_PID") w0=$(wakeups "$APP_PID")
  sleep "$cpu_seconds"
  t1=$(e2e_now_us) p1=$(cpu_ticks "$APP_PID") x1=$(cpu_ticks "$WITH_X_SERVER_PID") w1=$(wakeups "$APP_PID")
  WAKE_RUNNING=$(per_second $((w1 - w0)) $((t1 - t0)))
  read -r CPU_PROGRAM CPU_SERVER < <(awk -v p=$((p1 - p0)) -v x=$((x1 - x0)) \
    -v hz="$clock_ticks" -v us=$((t1 - t0)) \
    'BEGIN { s = us / 1e6; printf "%.3f %.3f\n", 100 * p / hz / s, 100 * x / hz / s }')
  # Apart from the CPU: reporting damage costs the X server too.
  read -r PHASE_P50 PHASE_P90 _ < <("$repaint_phase" "$WID" "$phase_seconds") ||
    fail "repaint_phase could not watch $name's window"
}

declare -A startup_ms startup_cpu_ms pss_mib rss_mib uss_mib cpu_program cpu_server cpu_total
declare -A wake_idle wake_running phase_p50 phase_p90

measure() {
  local name=$1 round=$2 title pss rss uss
  shift 2
  title=${name}_title
  launch "${!title}" "$@"
  startup_ms[$name]+="$(awk -v us="$LAUNCH_US" 'BEGIN { printf "%.1f", us / 1000 }') "
  startup_cpu_ms[$name]+="$(awk -v us="$LAUNCH_CPU_US" 'BEGIN { printf "%.1f", us / 1000 }') "
  sleep "$idle_seconds"
  read -r pss rss uss < <(memory_kb "$APP_PID")
  pss_mib[$name]+="$(awk -v k="$pss" 'BEGIN { printf "%.2f", k / 1024 }') "
  rss_mib[$name]+="$(awk -v k="$rss" 'BEGIN { printf "%.2f", k / 1024 }') "
  uss_mib[$name]+="$(awk -v k="$uss" 'BEGIN { printf "%.2f", k / 1024 }') "
  if ((round <= cpu_rounds)); then
    measure_cpu "$name"
    cpu_program[$name]+="$CPU_PROGRAM "
    cpu_server[$name]+="$CPU_SERVER "
    cpu_total[$name]+="$(awk -v a="$CPU_PROGRAM" -v b="$CPU_SERVER" 'BEGIN { printf "%.3f", a + b }') "
    wake_idle[$name]+="$WAKE_IDLE "
    wake_running[$name]+="$WAKE_RUNNING "
    phase_p50[$name]+="$PHASE_P50 "
    phase_p90[$name]+="$PHASE_P90 "
  fi
  stop_app
}

# "MEDIAN MIN MAX" of the numbers given.
stats() {
  printf '%s\n' "$@" | sort -g | awk '
    { v[NR] = $1 }
    END {
      m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      print m, v[1], v[NR]
    }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.3f", a / b; else print "inf" }'; }

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for program in "$mirt2_title:$mirt2" "$floor_title:$floor"; do
  launch "${program%%:*}" "${program#*:}"
  stop_app
done

for ((round = 1; round <= rounds; round++)); do
  echo "round $round of $rounds" >&2
  if ((round % 2)); then
    measure mirt2 "$round" "$mirt2"
    measure floor "$round" "$floor"
  else
    measure floor "$round" "$floor"
    measure mirt2 "$round" "$mirt2"
  fi
done

goal_lines=()
# Prints a table row: its label, the two medians with their ranges, and the
# ratio; given a goal's name and limit, records whether the ratio keeps to it,
# or, given "abs" after them, whether mirt2's median does.
row() {
  local label=$1 format=$2 array=$3 goal=${4:-} limit=${5:-} absolute=${6:-} m f r
  local -n values=$array
  # shellcheck disable=SC2086  # the values are space-separated numbers
  read -r -a m < <(stats ${values[mirt2]})
  # shellcheck disable=SC2086
  read -r -a f < <(stats ${values[floor]})
  r=$(ratio "${m[0]}" "${f[0]}")
  printf "| %s | $format ($format–$format) | $format ($format–$format) | %s× |\n" \
    "$label" "${m[0]}" "${m[1]}" "${m[2]}" "${f[0]}" "${f[1]}" "${f[2]}" "$r"
  if [[ -n "$goal" && -n "$absolute" ]]; then
    local verdict=missed
    awk -v v="${m[0]}" -v g="$limit" 'BEGIN { exit !(v <= g) }' && verdict=met
    goal_lines+=("- $goal ≤ ${limit}: **$verdict** (${m[0]})")
  elif [[ -n "$goal" ]]; then
    local verdict=missed
    awk -v r="$r" -v g="$limit" 'BEGIN { exit !(r != "inf" && r <= g) }' && verdict=met
    goal_lines+=("- $goal ≤ ${limit}×: **$verdict** (${r}×)")
  fi
}

echo
echo "## Desktop benchmark — $(date '+%Y-%m-%d %H:%M %Z')"
echo
echo "mirt2 against the floor window, $rounds rounds, each program started afresh"
echo "every round, the order alternating; one uncounted start of each first."
echo "Start-up and memory from all $rounds rounds; the rest from the first $cpu_rounds"
echo "rounds: wakeups over ${wake_seconds} s idle, then with ten stopwatches running in the"
echo "ten-panel layout wakeups and CPU over ${cpu_seconds} s and the repaint after the wall"
echo "clock's second over ${phase_seconds} s. Medians, with the range in brackets. CPU run until mapped and USS"
echo "carry no goal: they leave out what other programs add, waiting for a CPU"
echo "and sharing pages. Load average: $load_before before, $(cut -d' ' -f1-3 /proc/loadavg) after."
echo
echo "| metric | mirt2 | floor | ratio mirt2/floor |"
echo "| --- | --- | --- | --- |"
row "start-up to window mapped, ms" "%.0f" startup_ms "start-up" 1.10
row "CPU run until mapped, ms" "%.0f" startup_cpu_ms
row "PSS after ${idle_seconds} s idle, MiB" "%.2f" pss_mib "PSS" 1.10
row "RSS after ${idle_seconds} s idle, MiB" "%.2f" rss_mib
row "USS after ${idle_seconds} s idle, MiB" "%.2f" uss_mib
row "CPU of the program, % of one core" "%.2f" cpu_program
row "CPU of the X server, % of one core" "%.2f" cpu_server
row "CPU, program + X server, % of one core" "%.2f" cpu_total \
  "CPU of program + X server, ten running" 1.20
row "wakeups a second, idle" "%.2f" wake_idle "mirt2's wakeups a second, idle" 2 abs
row "wakeups a second, ten running" "%.2f" wake_running \
  "mirt2's wakeups a second, ten running" 2 abs
row "repaint after the second, 50th percentile, ms" "%.1f" phase_p50
row "repaint after the second, 90th percentile, ms" "%.1f" phase_p90 \
  "mirt2's repaint after the second, 90th percentile, ms" 15 abs
echo
printf '%s\n' "${goal_lines[@]}"
