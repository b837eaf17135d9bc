#!/usr/bin/env bash
# What a Windows user downloads, under Wine. The portable zip holds mirt2.exe,
# its manual as Notepad reads it and its licences alone, and mirt2.exe starts
# from a folder whose name holds Japanese characters and a space. The
# installer, as a user without administrator rights meets it: a silent install
# puts exactly the zip's files, an uninstaller, Start-menu shortcuts to the
# program and the manual and an installed-apps entry in place; the installed mirt2.exe, with no folder on its path, shows its
# window; the silent uninstall takes away every file and registry key the
# install added.
#
#   tools/with-x.sh tests/e2e/wine_installer_test.sh WINE PREFIX SETUP.EXE ZIP
#
# PREFIX is a Wine prefix for this test alone, made on first use.
set -euo pipefail

wine=${1:?usage: wine_installer_test.sh WINE PREFIX SETUP.EXE ZIP}
prefix=$(realpath -m "${2:?usage: wine_installer_test.sh WINE PREFIX SETUP.EXE ZIP}")
setup=${3:?usage: wine_installer_test.sh WINE PREFIX SETUP.EXE ZIP}
zip=${4:?usage: wine_installer_test.sh WINE PREFIX SETUP.EXE ZIP}
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
E2E_DEADLINE_S=30
run_wine="$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-run.sh"
for file in "$setup" "$zip"; do
  [[ -f "$file" ]] || fail "$file is missing; build the windows-dist target"
done

readonly key='Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\mirt2'
work=$E2E_TMP/work
mkdir "$work"

# Runs a Windows program in the prefix and waits until every process of the
# session has ended: the uninstaller hands over to a copy of itself and
# returns at once, and only a stopped session has written its registry out.
wine_quiet() {
  "$run_wine" --display "$wine" "$prefix" "$@" </dev/null >"$work/wine.log" 2>&1 ||
    fail "$* under Wine: $(tail -n 5 "$work/wine.log")"
  WINEPREFIX=$prefix "$(dirname "$wine")/wineserver" -w
}

user_dir() { find "$prefix/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1; }

# The files under C: and the registry's keys and value names, one a line.
snapshot() {
  (cd "$prefix/drive_c" && find . -path ./windows/temp -prune -o -path '*/Temp' -prune -o -print | sort)
  # Wine's registry files: [key] timestamp, then "name"=value lines.
  awk '/^\[/ { sub(/\] [0-9]+$/, "]"); k = $0; print k; next }
       /^("|@)/ { n = $0; sub(/=.*/, "", n); print k " " n }' "$prefix/system.reg" "$prefix/user.reg" | sort
}

# The registry value of the uninstall entry, decoded from the \x escapes
# that Wine writes for characters beyond ASCII.
entry_value() {
  local line
  # Through the environment: awk -v would take the key's backslashes for escapes.
  line=$(KEY="[$key]" NAME="\"$1\"" awk '
    /^\[/ { sub(/\] [0-9]+$/, "]"); inside = ($0 == ENVIRON["KEY"]); next }
    inside && index($0, ENVIRON["NAME"] "=") == 1 { print substr($0, length(ENVIRON["NAME"]) + 2); exit }' \
    "$prefix/user.reg")
  line=${line#\"}
  line=${line%\"}
  perl -CO -pe 's/\\(?:x([0-9a-fA-F]{1,4})|(.))/defined $1 ? chr(hex $1) : $2/ge' <<<"$line"
}

# A prefix of its own, without the null display driver, and clean: one that
# a failed run left an install in is made anew.
prepare_prefix() {
  "$run_wine" --display "$wine" "$prefix" cmd /c exit 0 >/dev/null 2>&1 || fail "could not make $prefix"
  WINEPREFIX=$prefix "$(dirname "$wine")/wineserver" -w
  home=$(user_dir)
  [[ -n "$home" ]] || fail "the prefix has no user folder"
  installed=$home/AppData/Local/Programs/mirt2
  shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/ミルテス-２.lnk"
  manual_shortcut="${shortcut%.lnk} 説明書.lnk"
  [[ ! -e "$installed" && ! -e "$shortcut" ]] && ! grep -qF "[$key]" "$prefix/user.reg"
}

# --- The portable zip ---------------------------------------------------------

# One program file, the manual and the licences folder, under the folder of the version.
unzip -Z1 "$zip" | grep -v '/$' | cut -d/ -f2- | sort >"$work/zipped"
grep -v -x -e mirt2.exe -e readme.txt -e 'licenses/[^/]*' "$work/zipped" >"$work/extra" || true
[[ ! -s "$work/extra" ]] || fail "the zip holds more than mirt2.exe, readme.txt and the licenses: $(tr '\n' ' ' <"$work/extra")"
for file in mirt2.exe readme.txt licenses/README.txt; do
  grep -q -x "$file" "$work/zipped" || fail "the zip holds no $file"
done
pass "the zip holds mirt2.exe, readme.txt and $(grep -c '^licenses/' "$work/zipped") licence files, nothing else"
# The Japanese manual in UTF-8 behind a byte order mark, with CR LF line ends only: what
# Notepad opens as UTF-8 in every Windows 10 and 11.
unzip -p "$zip" '*/readme.txt' >"$work/readme.txt"
[[ $(head -c 3 "$work/readme.txt" | od -An -tx1 | tr -d ' ') == efbbbf ]] || fail "readme.txt has no UTF-8 byte order mark"
! grep -qv $'\r$' "$work/readme.txt" || fail "readme.txt has line ends other than CR LF"
grep -q 'ミルテス-２ 説明書' "$work/readme.txt" || fail "readme.txt is not the Japanese manual"
pass "readme.txt is the Japanese manual in UTF-8 with a byte order mark and CR LF"

# --- In a Wine prefix of its own: the portable program, then the installer ---

if ! prepare_prefix; then
  echo "$prefix holds an earlier install; making it anew" >&2
  rm -rf "$prefix"
  prepare_prefix || fail "a new $prefix is not clean"
fi

# Unpacked where a user might keep it; Z: is the Unix root in every prefix.
portable="$work/ミルテス 2 置き場"
mkdir "$portable"
unzip -q "$zip" -d "$portable"
portable_exe=$(find "$portable" -name mirt2.exe)
start_app "$run_wine" --display "$wine" "$prefix" "$portable_exe"
wid=$(find_window 'ミルテス-２' "$APP_PID") || fail "mirt2.exe in '$(dirname "$portable_exe")' showed no window"
wait_for "the frame" frame_extents "$wid" || fail "window $wid was never framed"
pass "mirt2.exe unpacked from the zip into '${portable##*/}' maps its window"
kill "$APP_PID"
wait_exit "$APP_PID" 10 || fail "the portable program did not end"
WINEPREFIX=$prefix "$(dirname "$wine")/wineserver" -w

snapshot >"$work/before"

wine_quiet "$setup" /S
[[ -d "$installed" ]] || fail "the silent install made no $installed"
(cd "$installed" && find . -type f | sed 's|^\./||' | sort) >"$work/installed"
{
  unzip -Z1 "$zip" | grep -v '/$' | cut -d/ -f2-
  echo uninstall.exe
} | sort >"$work/expected"
diff -u "$work/expected" "$work/installed" >&2 || fail "the install holds other files than the zip"
pass "the silent install holds the zip's $(($(wc -l <"$work/expected") - 1)) files and uninstall.exe"

[[ -f "$shortcut" && -f "$manual_shortcut" ]] || fail "no Start-menu shortcuts $shortcut, $manual_shortcut"
pass "the Start menu holds ミルテス-２.lnk and ミルテス-２ 説明書.lnk"
[[ "$(entry_value DisplayName)" == 'ミルテス-２' ]] || fail "DisplayName is '$(entry_value DisplayName)'"
[[ -n "$(entry_value Publisher)" ]] || fail "the entry names no publisher"
[[ "$(entry_value DisplayVersion)" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] ||
  fail "DisplayVersion is '$(entry_value DisplayVersion)'"
[[ "$(entry_value UninstallString)" == '"'*'\mirt2\uninstall.exe"' ]] ||
  fail "UninstallString is '$(entry_value UninstallString)'"
pass "installed apps list ミルテス-２ $(entry_value DisplayVersion) by $(entry_value Publisher) with its uninstaller"

# The installed program alone: no folder on its path.
start_app "$run_wine" --display "$wine" "$prefix" "$installed/mirt2.exe"
wid=$(find_window 'ミルテス-２' "$APP_PID") || fail "the installed mirt2.exe showed no window"
wait_for "the frame" frame_extents "$wid" || fail "window $wid was never framed"
pass "the installed mirt2.exe maps its window"
# Closing it is the other test's business (wine_test.sh).
kill "$APP_PID"
wait_exit "$APP_PID" 10 || fail "the installed program did not end"
WINEPREFIX=$prefix "$(dirname "$wine")/wineserver" -w

wine_quiet "$installed/uninstall.exe" /S
[[ ! -e "$installed" ]] || fail "the uninstall left $(find "$installed" | head -n5 | tr '\n' ' ')"
[[ ! -e "$shortcut" && ! -e "$manual_shortcut" ]] || fail "the uninstall left a shortcut"
snapshot >"$work/after"
# What is there now and was not before, but for one value: the uninstaller
# runs from a copy of itself in %TEMP%, which NSIS asks Windows to delete at
# the next restart. Windows grants that only to administrators; Wine to anyone.
comm -13 "$work/before" "$work/after" |
  grep -v -x -F '[System\\CurrentControlSet\\Control\\Session Manager] "PendingFileRenameOperations"' \
    >"$work/left" || true
[[ ! -s "$work/left" ]] || fail "the uninstall left: $(head -n 20 "$work/left")"
pass "the silent uninstall removes every file and registry key the install added"
