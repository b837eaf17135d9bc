"""Reads mirt2 through AT-SPI as a screen reader would, driving it by keyboard.

    screen_reader.py PID   (run by screen_reader_test.sh)
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIME = "ストップウォッチ {} の経過時間"


def check(ok, message):
    if not ok:
        sys.exit(f"FAIL: {message}")


def wait_for(what, probe, seconds=10):
    deadline = time.monotonic() + seconds
    while not (result := probe()):
        check(time.monotonic() < deadline, f"timed out after {seconds}s waiting for {what}")
        time.sleep(0.1)
    return result


def find(root, name):
    return pyatspi.utils.findDescendant(root, lambda node: node.name == name)


def has(node, state):
    return node.getState().contains(state)


def focus(root):
    return getattr(pyatspi.utils.findDescendant(root, lambda n: has(n, pyatspi.STATE_FOCUSED)),
                   "name", None)


def heard(events, seconds, action=lambda: None):
    """What the program announces within some seconds of `action`: (event, name, detail)."""
    announced = []
    note = lambda event: announced.append((event.type, event.source.name, event.detail1))
    pyatspi.Registry.registerEventListener(note, *events)
    GLib.timeout_add(300, lambda: action() and False)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(note, *events)
    return announced


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def panels_show(window, shown, when):
    for i in range(1, 11):
        for name in (f"ストップウォッチ {i}", TIME.format(i), f"ストップウォッチ {i} を開始"):
            check(has(find(window, name), pyatspi.STATE_SHOWING) == (i <= shown),
                  f"{when}: {name} {'does not show' if i <= shown else 'shows out of view'}")
        check(has(find(window, f"ストップウォッチ {i} を開始"), pyatspi.STATE_FOCUSABLE) == (i <= shown),
              f"{when}: panel {i}'s start button is focusable: {i > shown}")


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for("the program on the accessibility bus",
                   lambda: next((a for a in desktop if a and a.get_process_id() == pid), None))
    window = wait_for("the window", lambda: app.childCount and app[0])
    check(window.getRole() == pyatspi.ROLE_FRAME and window.name == "ミルテス-２",
          f"the window reads as {window.getRoleName()} {window.name!r}")
    panels_show(window, 1, "at start")
    check(not has(find(window, "オプションパネル"), pyatspi.STATE_SHOWING), "the options show")
    wait_for("the focus on 全部始", lambda: focus(window) == "すべてのストップウォッチを開始")
    print("ok - a frame named ミルテス-２; at start only panel 1 shows; 全部始 has the focus")

    label = find(window, TIME.format(1))
    check(label.queryText().getText(0, -1) == "00:00:00", "panel 1's time is not read")
    key("space")
    wait_for("panel 1's time to read 0:00:02", lambda: label.queryText().getText(0, -1) == "0:00:02")
    inserted = [name for _, name, _ in heard(["object:text-changed:insert"], 3.5)]
    check(2 <= inserted.count(TIME.format(1)) <= 5, f"announced in 3.5 s: {inserted}")
    check(not {TIME.format(i) for i in range(2, 11)} & set(inserted), f"unseen times: {inserted}")
    print(f"ok - panel 1 reads 0:00:02, announced {inserted.count(TIME.format(1))} times in 3.5 s")

    for _ in range(5):
        key("Tab")
    wait_for("the focus on the 1 option", lambda: focus(window) == "1 個表示")
    shown = heard(["object:state-changed:showing"], 1.5, lambda: key("Left"))
    wait_for("the focus on the 5 option", lambda: focus(window) == "5 個表示")
    check(has(find(window, "5 個表示"), pyatspi.STATE_CHECKED), "Left did not choose 5")
    panels_show(window, 5, "in mode 5")
    check(("object:state-changed:showing", "ストップウォッチ 2", 1) in shown, f"heard {shown}")
    print("ok - Tab reaches the 1 option; Left chooses 5, and panels 2-5 are announced showing")


main()
