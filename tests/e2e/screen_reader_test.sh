#!/usr/bin/env bash
# The window as a screen reader meets it through AT-SPI: a window with its
# title, time labels whose text is the time they show, controls outside the
# client area not showing, and a running time announced once a second. The
# test brings its own session bus, on which the accessibility bus starts.
#
#   tools/with-x.sh tests/e2e/screen_reader_test.sh path/to/mirt2
set -euo pipefail

binary=${1:?usage: screen_reader_test.sh BINARY}
E2E_SCREEN_READER=1
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

start_app "$binary"
wid=$(find_window 'ミルテス-２' "$APP_PID") || fail "the main window did not appear"
wait_for "the frame" frame_extents "$wid" || fail "window $wid was never framed"
"$(places_python)" "$(dirname "${BASH_SOURCE[0]}")/screen_reader.py" "$APP_PID"
