"""Drives the real program over AT-SPI, as a screen reader would.

reader_walk.py PROGRAM HOME LAUNCHER: starts the accessibility bus (LAUNCHER)
and the program on the program folder HOME, then finds the main window's
buttons by caption, presses "Count" through its action and reads the totals
message, and opens File > Openen through the menu's action and finds the open
dialog's buttons and its named list. Prints what it found; exits non-zero on
the first thing a reader could not do.
"""

import os
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

TIMEOUT = 30.0


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def wait_for(what, find):
    """Polls find() until it returns something, or fails after TIMEOUT seconds."""
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree changes under us while windows open and close
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("not found: " + what)


def descendants(node):
    """The tree below node; a table's cells are read through its table
    interface, as a reader does, not walked one by one."""
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        if child.getRole() not in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE):
            yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def windows(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount) if app.getChildAtIndex(i) is not None]


def press(node, what, opens_modal=False):
    """Runs the node's press action. A menu item answers only when its command
    returns, which for a modal dialog is when the dialog closes: then the call
    waits briefly and the script goes on without the answer."""
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for i, name in enumerate(names):
        if name.lower() in ("press", "click"):
            try:
                action.doAction(i)
            except GLib.GError:
                if not opens_modal:
                    raise
            print("pressed %s through its action %r" % (what, name), flush=True)
            return
    fail("%s has no press action, only %r" % (what, names))


def buttons_of(window):
    return {node.name: node for node in descendants(window)
            if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(node)}


def find_program(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def window_holding(app, title, text):
    """The showing window of the title with a text (a label's name) that contains text."""
    for window in windows(app):
        if not showing(window) or window.name != title:
            continue
        for node in descendants(window):
            if node.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC) and text in (node.name or ""):
                return window, node
    return None


def main():
    program, home, launcher = sys.argv[1:4]
    # Calls answer within seconds; the program gets longer to come up.
    Atspi.set_timeout(3000, 15000)
    bus = subprocess.Popen([launcher, "--launch-immediately"])
    # The program finds the accessibility bus only once it is there.
    wait_for("the accessibility bus", lambda: pyatspi.Registry.getDesktop(0) is not None
             and subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                                capture_output=True).returncode == 0)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8")
    env.pop("QT_ACCESSIBILITY", None)
    run = subprocess.Popen([program, "--home", home], env=env)
    try:
        app = wait_for("the program on the accessibility bus", lambda: find_program(run.pid))
        main_window = wait_for("the main window", lambda: next(
            (w for w in windows(app) if showing(w) and "Tessaron" in (w.name or "")), None))
        print("main window: %r (%s)" % (main_window.name, main_window.getRoleName()), flush=True)

        captions = ["Add", "Wijzig", "Delete", "Show", "Count"]
        found = wait_for("the main window's buttons", lambda: (
            lambda b: b if all(c in b for c in captions) else None)(buttons_of(main_window)))
        for caption in captions:
            node = found[caption]
            print("button %r: role %s, description %r" % (node.name, node.getRoleName(), node.description))

        press(found["Count"], "Count")
        box, total = wait_for("the totals message", lambda: window_holding(app, "Totaalprijs", "Cat.Prijs :"))
        print("totals message %r says %r" % (box.name, total.name), flush=True)
        box_buttons = buttons_of(box)
        if len(box_buttons) != 1:
            fail("the totals message should have one button, has %r" % list(box_buttons))
        press(next(iter(box_buttons.values())), "the message's button")
        wait_for("the totals message to close", lambda: window_holding(app, "Totaalprijs", "Cat.Prijs :") is None or None)

        menu_bar = wait_for("the menu bar", lambda: next(
            (n for n in descendants(main_window) if n.getRole() == pyatspi.ROLE_MENU_BAR), None))
        # The menu bar's items hold their menus.
        file_menu = next((n for n in descendants(menu_bar)
                          if n.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM) and n.name == "File"), None)
        if file_menu is None:
            fail("no File menu in the menu bar: %r" % [(n.name, n.getRoleName()) for n in descendants(menu_bar)])
        open_item = next((n for n in descendants(file_menu)
                          if n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name == "Openen"), None)
        if open_item is None:
            fail("no Openen in the File menu")
        press(open_item, "File > Openen", opens_modal=True)
        dialog = wait_for("the open dialog", lambda: next(
            (w for w in windows(app) if showing(w) and w.name == "Open Verzameling"), None))
        print("dialog: %r (%s)" % (dialog.name, dialog.getRoleName()), flush=True)
        dialog_buttons = wait_for("the dialog's buttons", lambda: (
            lambda b: b if all(c in b for c in ("Ok", "Cancel", "Delete")) else None)(buttons_of(dialog)))
        print("dialog buttons: %s" % ", ".join(sorted(dialog_buttons)))
        lists = [n for n in descendants(dialog) if n.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX)]
        named = [n for n in lists if n.name]
        if not named:
            fail("the open dialog's list has no name: %r" % [n.getRoleName() for n in lists])
        entries = [c.name for c in descendants(named[0])]
        print("list %r holds %r" % (named[0].name, entries), flush=True)
        if not entries:
            fail("the open dialog lists no collection")
        press(dialog_buttons["Cancel"], "Cancel")
        wait_for("the open dialog to close", lambda: not any(
            showing(w) and w.name == "Open Verzameling" for w in windows(app)) or None)
        print("PASS", flush=True)
    finally:
        run.send_signal(signal.SIGTERM)
        run.wait(timeout=10)
        bus.terminate()
        bus.wait(timeout=10)


if __name__ == "__main__":
    main()
