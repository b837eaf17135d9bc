#!/usr/bin/env bash
# The window as a screen reader meets it through AT-SPI: a window with its
# title, time labels whose text is the time they show, controls outside the
# client area not showing, and a running time announced once a second. The
# test brings its own session bus, on which the accessibility bus starts.
#
#   tools/with-x.sh tests/e2e/screen_reader_test.sh path/to/mirt2
set -euo pipefail

binary=${1:?usage: screen_reader_test.sh BINARY}
if [[ -z "${SCREEN_READER_TEST_BUS:-}" ]]; then
  # The buses report each service they start; only a failure's messages matter.
  SCREEN_READER_TEST_BUS=1 exec dbus-run-session -- "$0" "$@" \
    2> >(grep -v -e 'fd limit' -e 'activat' -e 'Activat' -e 'SpiRegistry' >&2)
fi
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Debian's pyatspi is for the system's Python, whatever else is first on PATH.
python=python3
"$python" -c 'import pyatspi' 2>/dev/null || python=/usr/bin/python3

start_app env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary"
wid=$(find_window 'ミルテス-２' "$APP_PID") || fail "the main window did not appear"
wait_for "the frame" frame_extents "$wid" || fail "window $wid was never framed"
"$python" "$(dirname "${BASH_SOURCE[0]}")/screen_reader.py" "$APP_PID"
