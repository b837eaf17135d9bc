"""Reads mirt2 through AT-SPI as a screen reader would, driving it by keyboard.

    screen_reader.py PID   (under tools/with-x.sh and a session bus; see screen_reader_test.sh)
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PANEL = "ストップウォッチ {}"
TIME = "ストップウォッチ {} の経過時間"


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def wait_for(what, check, seconds=10):
    deadline = time.monotonic() + seconds
    while not (result := check()):
        if time.monotonic() > deadline:
            fail(f"timed out after {seconds}s waiting for {what}")
        time.sleep(0.1)
    return result


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def descendants(node):
    for child in node:
        yield child
        yield from descendants(child)


def named(root, name):
    for node in descendants(root):
        if node.name == name:
            return node
    fail(f"nothing is named {name!r}")


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def text(node):
    return node.queryText().getText(0, -1)


def focused(root):
    return next((n.name for n in descendants(root) if n.getState().contains(pyatspi.STATE_FOCUSED)), None)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def expect_showing(root, shown, hidden, when):
    for i in shown:
        if not showing(named(root, PANEL.format(i))):
            fail(f"{when}: panel {i} is not showing")
    for i in hidden:
        for name in (PANEL.format(i), TIME.format(i), f"ストップウォッチ {i} を開始"):
            if showing(named(root, name)):
                fail(f"{when}: {name!r} is showing outside the client area")
        if named(root, f"ストップウォッチ {i} を開始").getState().contains(pyatspi.STATE_FOCUSABLE):
            fail(f"{when}: panel {i}'s start button is focusable outside the client area")


def heard(events, seconds, action=None):
    """What the program announces for some seconds, after doing `action`: (event, name, detail)."""
    announced = []

    def note(event):
        announced.append((event.type, event.source.name, event.detail1))

    pyatspi.Registry.registerEventListener(note, *events)
    if action:
        GLib.timeout_add(300, lambda: action() and False)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(note, *events)
    return announced


def main():
    app = wait_for("the program on the accessibility bus", lambda: application(int(sys.argv[1])))
    window = wait_for("the window", lambda: app.childCount and app[0])
    if window.getRole() != pyatspi.ROLE_FRAME or window.name != "ミルテス-２":
        fail(f"the window reads as {window.getRoleName()} {window.name!r}")
    print(f"ok - the window reads as a frame named {window.name!r}")

    label = named(window, TIME.format(1))
    if text(label) != "00:00:00":
        fail(f"panel 1's time reads {text(label)!r}")
    expect_showing(window, [1], range(2, 11), "at start")
    if showing(named(window, "オプションパネル")):
        fail("the hidden options panel is showing")
    wait_for("the focus on 全部始", lambda: focused(window) == "すべてのストップウォッチを開始")
    print("ok - at start panel 1 shows, panels 2-10 and the options do not; 全部始 has the focus")

    key("space")
    wait_for("panel 1's time to read 0:00:02", lambda: text(label) == "0:00:02")
    print(f"ok - {label.name} reads {text(label)!r}")

    inserted = [name for _, name, _ in heard(["object:text-changed:insert"], 3.5)]
    times = inserted.count(TIME.format(1))
    if not 2 <= times <= 5:
        fail(f"panel 1's running time was announced {times} times in 3.5 s: {inserted}")
    unseen = {name for name in inserted if name.startswith("ストップウォッチ ") and name != TIME.format(1)}
    if unseen:
        fail(f"times outside the client area were announced: {unseen}")
    print(f"ok - in 3.5 s panel 1's time was announced {times} times, panels 2-10 none")

    for _ in range(5):
        key("Tab")
    wait_for("the focus on the 1 option", lambda: focused(window) == "1 個表示")
    shown = heard(["object:state-changed:showing"], 1.5, lambda: key("Left"))
    wait_for("the focus on the 5 option", lambda: focused(window) == "5 個表示")
    if ("object:state-changed:showing", PANEL.format(2), 1) not in shown:
        fail(f"panel 2 came into view unannounced: {shown}")
    if not named(window, "5 個表示").getState().contains(pyatspi.STATE_CHECKED):
        fail("Left moved the focus to 5 without selecting it")
    expect_showing(window, range(1, 6), range(6, 11), "in mode 5")
    if not re.fullmatch(r"0:00:\d\d", text(named(window, TIME.format(5)))):
        fail(f"panel 5's time reads {text(named(window, TIME.format(5)))!r}")
    print("ok - Tab reaches the 1 option, Left selects 5, and panels 2-5 are announced showing")


main()
