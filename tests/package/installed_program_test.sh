#!/usr/bin/env bash
# Installs the build into a scratch root, as the Debian package lays it out, and checks what a
# Linux desktop needs from it: the program, its menu entry and the entry's icon in the hicolor
# theme, its metainfo for software centres, its manual pages in English and Japanese, the
# user manual and its copyright file. Then starts the installed program on an X server of its
# own, proves it stays up, opens the colour dialog and keeps a custom colour in it, and closes
# its window as a user does, through the close request a window manager would send; then
# checks that it wrote nothing in its home and XDG folders. Nothing outside the scratch root,
# the private X server and a private session bus is touched.
#
# Usage: installed_program_test.sh BUILD-DIR REQUEST-CLOSE-PROGRAM APP-ID
set -euo pipefail

build=$1
request_close=$2
app_id=$3

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

scratch=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  # Only what this script started, by its id.
  [[ -n $app_pid ]] && kill -KILL "$app_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

root=$scratch/root
cmake --install "$build" --prefix "$root/usr" >/dev/null

# --- The files -------------------------------------------------------------------------------

# Exactly these: anything more would land on users' systems too.
expected=(
  usr/bin/mirt2
  "usr/share/applications/$app_id.desktop"
  usr/share/icons/hicolor/128x128/apps/mirt2.png
  usr/share/icons/hicolor/32x32/apps/mirt2.png
  usr/share/icons/hicolor/64x64/apps/mirt2.png
  usr/share/icons/hicolor/scalable/apps/mirt2.svg
  usr/share/doc/mirt2/changelog.gz
  usr/share/doc/mirt2/copyright
  usr/share/doc/mirt2/manual.ja.txt.gz
  usr/share/man/ja/man1/mirt2.1.gz
  usr/share/man/man1/mirt2.1.gz
  "usr/share/metainfo/$app_id.metainfo.xml"
)
installed=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [[ $installed != "$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)" ]]; then
  diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) <(echo "$installed") >&2 || true
  fail "the installed files are not the expected set (- expected, + installed)"
fi
[[ -x $root/usr/bin/mirt2 ]] || fail "usr/bin/mirt2 is not executable"

# A PNG's width and height are the big-endian words at bytes 16 and 20 of its IHDR chunk.
png_size() {
  local bytes
  bytes=$(od -An -tu1 -N24 "$1" | tr -s ' \n' ' ')
  read -r -a b <<<"$bytes"
  [[ "${b[*]:0:8}" == "137 80 78 71 13 10 26 10" ]] || { echo "not-a-png"; return; }
  echo "$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))x$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))"
}
for n in 32 64 128; do
  icon=$root/usr/share/icons/hicolor/${n}x${n}/apps/mirt2.png
  size=$(png_size "$icon")
  [[ $size == "${n}x${n}" ]] || fail "${icon#"$root"/} is $size, not ${n}x${n}"
done
grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/mirt2.svg" ||
  fail "the scalable icon is not an SVG"

entry=$root/usr/share/applications/$app_id.desktop
# The value of KEY in the [Desktop Entry] group.
key() {
  sed -n '/^\[Desktop Entry\]$/,/^\[/{ s/^'"$(printf '%s' "$1" | sed 's/[][]/\\&/g')"'=//p; }' "$entry"
}
expect_key() {
  local value
  value=$(key "$1")
  [[ $value == "$2" ]] || fail "desktop entry: $1 is '$value', not '$2'"
}
expect_key Type Application
expect_key Name 'ミルテス-２'
expect_key 'Name[en]' mirt2
expect_key Exec mirt2
expect_key Icon mirt2
expect_key Terminal false
expect_key Categories 'Utility;Clock;'
for k in Comment 'Comment[en]'; do
  [[ -n $(key "$k") ]] || fail "desktop entry: no $k"
done
# Exec names the installed program, and Icon the installed icon, by the names a desktop
# looks them up by.
[[ -x $root/usr/bin/$(key Exec) ]] || fail "desktop entry: Exec names no installed program"
[[ -f $root/usr/share/icons/hicolor/scalable/apps/$(key Icon).svg ]] ||
  fail "desktop entry: Icon names no installed icon"

desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"

# What software centres list: valid AppStream, about the entry and the program installed here.
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net --pedantic --strict "$metainfo" ||
  fail "appstreamcli rejects the metainfo"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch the installed entry"

# The copyright file is machine-readable, and its licence is the one the sources carry.
copyright=$root/usr/share/doc/mirt2/copyright
[[ $(head -n1 "$copyright") == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
  fail "the copyright file is not in the machine-readable format"
# A stanza's text is indented by one space, with " ." for an empty line.
licence=$(sed -n '/^License: Expat$/,/^$/{ /^ /{ s/^ //; s/^\.$//; p; }; }' "$copyright" | tr -s ' \n' ' ')
source_licence=$(sed -n '/^Permission/,$p' "$(dirname "$0")/../../LICENSE" | tr -s ' \n' ' ')
[[ -n $licence && $licence == "$source_licence" ]] ||
  fail "the copyright file's Expat text is not the MIT licence of LICENSE"
{ grep -q 'libqt6' "$copyright" && grep -q 'libicu' "$copyright"; } ||
  fail "the copyright file does not name the Qt and ICU packages it links"

# The manual pages render without a complaint from groff, and tell what a user looks for.
while read -r page words; do
  manual=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/$page" 2>"$scratch/man.err") ||
    fail "man cannot show $page"
  [[ ! -s $scratch/man.err ]] || { cat "$scratch/man.err" >&2; fail "groff warns about $page"; }
  for word in --help --version LC_TIME LC_ALL LC_MESSAGES LANG QT_QPA_PLATFORM 全部始 $words; do
    grep -qF -- "$word" <<<"$manual" || fail "$page does not mention $word"
  done
done <<'PAGES'
man1/mirt2.1.gz EXIT
ja/man1/mirt2.1.gz 終了ステータス
PAGES
# The user manual, in Japanese, as text: without the picture of its Markdown source, its line
# breaks or its heading marks.
zcat "$root/usr/share/doc/mirt2/manual.ja.txt.gz" >"$scratch/manual.txt"
{ grep -q '^ミルテス-２ 説明書$' "$scratch/manual.txt" && grep -q '^【1\. ' "$scratch/manual.txt" &&
  ! grep -qE '!\[|^#|\\$' "$scratch/manual.txt"; } ||
  fail "the user manual is not the Japanese text of docs/manual.ja.md"
# What the manual quotes in 「」 is the window's own words, captions, tool tips and messages, as
# the program has them, so that the two cannot drift apart; a quoted time or number is an
# example, a quoted heading the manual's own, and … stands for what varies. Spaces and line
# breaks aside.
strings -e S -n 1 "$root/usr/bin/mirt2" | tr -d ' ' >"$scratch/program-strings"
headings=$(sed -n 's/^【\(.*\)】$/\1/p; s/^■ //p' "$scratch/manual.txt" | tr -d ' ')
while IFS= read -r quote; do
  [[ $quote =~ ^[0-9.:－-]+$ ]] && continue
  grep -qxF -- "$quote" <<<"$headings" && continue
  while IFS= read -r piece; do
    [[ -z $piece ]] || grep -qF -- "$piece" "$scratch/program-strings" ||
      fail "the manual quotes 「$quote」, which the program does not say"
  done <<<"${quote//…/$'\n'}"
done < <(tr -d ' \n' <"$scratch/manual.txt" | grep -o '「[^」]*」' | sed 's/^「//; s/」$//' | sort -u)

# --- The installed program on a display --------------------------------------------------------

# Waits until the program has exited or SECONDS have passed, whichever comes first. Sets
# app_status to the program's exit status, or leaves it empty if it is still running.
app_status=
wait_for_exit() {
  local timer finished status=0
  sleep "$1" &
  timer=$!
  wait -n -p finished "$app_pid" "$timer" || status=$?
  if [[ $finished == "$app_pid" ]]; then
    app_status=$status
    app_pid=
    kill "$timer" 2>/dev/null || true
    wait "$timer" 2>/dev/null || true
  fi
}

# Xvfb picks a free display and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
deadline=$((SECONDS + 20))
until [[ -s $scratch/display ]]; do
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$scratch/xvfb.log" >&2; fail "Xvfb did not start"; }
  ((SECONDS < deadline)) || fail "Xvfb took no connections within 20 s"
  sleep 0.05
done
DISPLAY=:$(tr -d '\n' <"$scratch/display")
export DISPLAY

# The program writes nothing: it starts with an empty home and XDG folders, GTK's platform
# theme installed, which Qt chooses on Xfce and GNOME, and a session bus of its own on which
# the desktop's settings store is reached, as in a desktop session.
dpkg-query -W qt6-gtk-platformtheme >/dev/null 2>&1 ||
  fail "qt6-gtk-platformtheme is missing; run tools/install-deps.sh"
user=$scratch/user
for folder in home config cache data state; do mkdir -p "$user/$folder"; done
mkdir -m 700 "$scratch/runtime"
HOME=$user/home XDG_CONFIG_HOME=$user/config XDG_CACHE_HOME=$user/cache \
  XDG_DATA_HOME=$user/data XDG_STATE_HOME=$user/state XDG_RUNTIME_DIR=$scratch/runtime \
  XDG_CURRENT_DESKTOP=XFCE QT_QPA_PLATFORM=xcb \
  dbus-run-session -- "$root/usr/bin/mirt2" 2>"$scratch/program.log" &
app_pid=$!

deadline=$((SECONDS + 20))
window=
until [[ -n $window ]]; do
  wait_for_exit 0.1
  [[ -z $app_status ]] || fail "the installed program exited with status $app_status before showing its window"
  ((SECONDS < deadline)) || fail "the installed program showed no window within 20 s"
  window=$(xdotool search --onlyvisible --classname mirt2 2>/dev/null || true)
done
[[ $(wc -l <<<"$window") == 1 ]] || fail "the program shows more than one window: $window"

# Docks tie the running window to its menu entry by the class of WM_CLASS.
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
[[ $wm_class == "$(key StartupWMClass)" ]] ||
  fail "the window's class '$wm_class' is not the entry's StartupWMClass '$(key StartupWMClass)'"

wait_for_exit 1
[[ -z $app_status ]] || fail "the installed program exited with status $app_status within a second"

# The options box, then 背色: Qt's colour dialog, where Alt+A keeps the colour as a custom one;
# Esc cancels.
# shellcheck source-path=SCRIPTDIR source=../e2e/places.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/places.sh"
wid=$window
press chk1 || fail "no options box"
deadline=$((SECONDS + 10))
until press cmdHaikei 2>/dev/null; do
  ((SECONDS < deadline)) || fail "the options box showed no options: $(control_rect cmdHaikei 2>&1)"
  sleep 0.1
done
deadline=$((SECONDS + 10))
until dialog=$(xdotool search --onlyvisible --classname mirt2 | grep -vx "$window"); do
  ((SECONDS < deadline)) || fail "背色 opened no colour dialog"
  sleep 0.1
done
xdotool windowfocus "$dialog" key alt+a Escape
deadline=$((SECONDS + 10))
while xdotool search --onlyvisible --classname mirt2 | grep -qx "$dialog"; do
  ((SECONDS < deadline)) || fail "the colour dialog did not close"
  sleep 0.1
done

"$request_close" "$window" || fail "could not ask the window to close"
wait_for_exit 10
[[ -n $app_status ]] || fail "the installed program was still running 10 s after its window was closed"
((app_status == 0)) || fail "the installed program exited with status $app_status when its window was closed"
written=$(find "$user" -mindepth 1 -not -type d)
[[ -z $written ]] || fail "the program wrote: ${written//$user\//}"
echo "installed program: files in place, ran, kept a colour, closed with status 0, wrote nothing"
