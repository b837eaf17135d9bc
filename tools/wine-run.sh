#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, for CTest:
#   tools/wine-run.sh WINE PREFIX PROGRAM [ARGUMENTS...]
# PREFIX is the Wine prefix (its C: drive and registry), made on first use.
# MIRT2_WINE_LOCALE, if set, is the locale the program runs in (ja_JP.UTF-8).
set -euo pipefail
wine=$1
prefix=$2
shift 2

export WINEPREFIX=$prefix
# Wine's own diagnostics would bury the program's output.
export WINEDEBUG=-all
# No offer to download Mono or Gecko while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Windows come from the registry's null display driver, never from an X server
# the caller happens to have.
unset DISPLAY WAYLAND_DISPLAY

mkdir -p "$(dirname "$prefix")"
(
  # Tests run in parallel must not make the prefix twice at once.
  flock 9
  if [[ ! -e $prefix/.mirt2-ready ]]; then
    rm -rf "$prefix"
    echo "wine-run: making the Wine prefix $prefix (once, some seconds)" >&2
    {
      "$wine" wineboot --init
      "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
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

# Wine's helper processes (wineserver, services.exe) outlive the program by
# seconds and inherit its output: written straight to CTest's pipe, that would
# keep CTest waiting for them.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
"${run[@]}" "$@" </dev/null >"$output" 2>&1 || status=$?
cat "$output"
exit "$status"
