#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine:
#
#   tools/wine-run.sh [--display] WINE PREFIX PROGRAM [ARGUMENTS...]
#
# PREFIX is the Wine prefix (its C: drive and registry), made on first use.
# The programs are self-contained (cmake/mingw_static.cmake): nothing is put
# on their path.
#
# Without --display, for CTest: windows come from Wine's null display driver,
# never from an X server the caller happens to have, and the output is passed
# on once the program has ended. With --display: the program shows its windows
# on $DISPLAY and becomes this process, so that the process id that owns its
# windows is the one the caller started; its output goes where the caller's
# goes. Use separate prefixes for the two: the driver is the prefix's setting.
#
# MIRT2_WINE_LOCALE, if set, is the locale the program runs in (ja_JP.UTF-8).
set -euo pipefail

display=false
while (($# > 0)); do
  case "$1" in
    --display)
      display=true
      shift
      ;;
    *) break ;;
  esac
done
(($# >= 3)) || {
  echo "usage: $0 [--display] WINE PREFIX PROGRAM [ARGUMENTS...]" >&2
  exit 2
}
wine=$1
# Wine takes only an absolute prefix.
prefix=$(realpath -m "$2")
shift 2

export WINEPREFIX=$prefix
# Wine's own diagnostics would bury the program's output.
export WINEDEBUG=-all
# No offer to download Mono or Gecko while the prefix is made, and no menu
# entries in the user's desktop for what a program installs.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
$display || unset DISPLAY WAYLAND_DISPLAY

mkdir -p "$(dirname "$prefix")"
(
  # Programs run in parallel must not make the prefix twice at once.
  flock 9
  if [[ ! -e $prefix/.mirt2-ready ]]; then
    rm -rf "$prefix"
    echo "wine-run: making the Wine prefix $prefix (once, some seconds)" >&2
    {
      # Made without a display either way, so that no dialog shows meanwhile.
      env -u DISPLAY "$wine" wineboot --init
      if ! $display; then
        "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
      fi
    } </dev/null >"$prefix.log" 2>&1 || { cat "$prefix.log" >&2; exit 1; }
    touch "$prefix/.mirt2-ready"
  fi
) 9>"$prefix.lock"

# Wine gives the program the Unix locale as the user's locale. A test that
# chooses one says so here rather than in LC_ALL, in which bash would warn about
# a locale the machine has not generated; Wine needs no generated locale.
run=("$wine")
if [[ -n ${MIRT2_WINE_LOCALE:-} ]]; then
  run=(env "LC_ALL=$MIRT2_WINE_LOCALE" "$wine")
fi

if $display; then
  exec "${run[@]}" "$@"
fi

# Wine's helper processes (wineserver, services.exe) outlive the program by
# seconds and inherit its output: written straight to CTest's pipe, that would
# keep CTest waiting for them.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
"${run[@]}" "$@" </dev/null >"$output" 2>&1 || status=$?
cat "$output"
exit "$status"
