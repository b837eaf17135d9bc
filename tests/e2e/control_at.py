"""Where a control of mirt2 is, found through AT-SPI by a name a screen reader is told for it:
prints "X Y WIDTH HEIGHT" in pixels of the window's client area.

    control_at.py PID NAME...   (run by places.sh; any of NAME will do)

A program just started or just relaid out may take a moment to show it there: up to 5 s.
"""
import sys
import time

import pyatspi


def window_of(pid):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid), None)
    return app[0] if app is not None and app.childCount else None


def main():
    pid, names = int(sys.argv[1]), set(sys.argv[2:])
    showing = lambda node: node.name in names and node.getState().contains(pyatspi.STATE_SHOWING)
    deadline = time.monotonic() + 5
    while (window := window_of(pid)) is None or \
            (control := pyatspi.utils.findDescendant(window, showing)) is None:
        if time.monotonic() > deadline:
            sys.exit(f"no control named {' or '.join(sorted(names))} shows in process {pid}"
                     if window else f"process {pid} shows no window on the accessibility bus")
        time.sleep(0.1)
    left, top = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)[:2]
    x, y, width, height = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print(x - left, y - top, width, height)


main()
