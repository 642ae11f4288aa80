"""Reads the running program through AT-SPI, as a screen reader does.

Started inside its own X server and D-Bus session (see run_check.sh). Starts
the driver, waits until it has built a belt with a marked piece, then walks
the program's accessible tree and checks that the module slots, the drive
and the order-code box are named, that Tab and the keys reach and select the
order code, that an idle program announces no changes and that a toolbar
button pressed through AT-SPI renames the slots. Prints what a screen reader
hears of each slot.
"""

import os
import signal
import subprocess
import sys
import threading

import pyatspi
from gi.repository import GLib

APP_NAME = "KX-Konfigurator"

# The belt the driver builds, in the shipped German texts.
SLOTS = [
    ("Anfangsstück AG, Position 1", ""),
    ("Modul G, Position 2", ""),
    ("Modul C, Position 3", "markiert"),
    ("Modul V, Position 4", ""),
    ("Endstück EV, Position 5", ""),
]
ORDER_CODE_NAME = "Bestellnummer"


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def start_driver(path):
    env = dict(os.environ)
    env["QT_QPA_PLATFORM"] = "xcb"
    env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    env["QT_ACCESSIBILITY"] = "1"
    driver = subprocess.Popen([path], stdout=subprocess.PIPE, env=env, text=True)
    line = []
    reader = threading.Thread(target=lambda: line.append(driver.stdout.readline()), daemon=True)
    reader.start()
    reader.join(30)
    if not line or not line[0].startswith("ready "):
        driver.kill()
        fail("the driver did not build its belt: %r" % (line,))
    return driver, line[0].split()[1]


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == APP_NAME:
            return app
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node, found, depth=0):
    if depth > 40:
        return
    found.append(node)
    for child in node:
        if child is not None:
            walk(child, found, depth + 1)


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return None


def count_announcements(seconds, action=None):
    """Name and description changes the program sends within the time,
    after the action if there is one."""
    seen = []

    def listener(event):
        try:
            if event.host_application and event.host_application.name == APP_NAME:
                seen.append(event.type)
        except Exception:  # an object gone meanwhile still counts
            seen.append(event.type)

    kinds = ["object:property-change:accessible-name",
             "object:property-change:accessible-description"]
    pyatspi.Registry.registerEventListener(listener, *kinds)
    if action:
        GLib.idle_add(lambda: action() and False)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(listener, *kinds)
    return seen


def wait_for(condition, seconds=3.0):
    for _ in range(int(seconds * 20)):
        if condition():
            return True
        GLib.usleep(50000)
    return condition()


def press_keys(keysyms, control=False):
    """Types on the X server's keyboard, as a person would."""
    control_code = 37  # Control_L in the X server's default keymap
    if control:
        pyatspi.Registry.generateKeyboardEvent(control_code, None, pyatspi.KEY_PRESS)
    for keysym in keysyms:
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    if control:
        pyatspi.Registry.generateKeyboardEvent(control_code, None, pyatspi.KEY_RELEASE)


def check_keyboard(shown, box, code):
    """Tab from the order-code button reaches the box, which then holds the
    whole code selected; Home and Shift+End select it again."""
    button = [n for n in shown if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
              and n.name == "Bestellnummer kopieren"][0]
    button.queryComponent().grabFocus()
    if not wait_for(lambda: button.getState().contains(pyatspi.STATE_FOCUSED)):
        fail("the order-code button takes no focus")
    press_keys([0xff09])  # Tab
    if not wait_for(lambda: box.getState().contains(pyatspi.STATE_FOCUSED)):
        fail("Tab from the order-code button does not reach the order-code box")
    text = box.queryText()

    def selected():
        return text.getNSelections() == 1 and text.getSelection(0) == (0, len(code))

    if not wait_for(selected):
        fail("the code is not selected when Tab reaches the box")
    press_keys([0xff50])  # Home
    if not wait_for(lambda: text.getNSelections() == 0):
        fail("Home leaves the code selected")
    press_keys([0x61], control=True)  # Ctrl+A
    if not wait_for(selected):
        fail("Ctrl+A does not select the code")
    print("keyboard: Tab reaches the order-code box; its code is selected and can be copied")


def main():
    driver, code = start_driver(sys.argv[1])
    try:
        app = None
        for _ in range(50):
            app = find_app()
            if app is not None:
                break
            GLib.usleep(100000)
        if app is None:
            fail("the program is not in the AT-SPI tree")

        nodes = []
        walk(app, nodes)
        shown = [n for n in nodes if showing(n)]

        by_name = {}
        for n in shown:
            by_name.setdefault(n.name, []).append(n)

        for name, description in SLOTS:
            matches = [n for n in by_name.get(name, [])
                       if n.getRole() == pyatspi.ROLE_IMAGE]
            if len(matches) != 1:
                fail("module slot %r: %d shown images" % (name, len(matches)))
            slot = matches[0]
            if slot.description != description:
                fail("module slot %r says %r, not %r" % (name, slot.description, description))
            print("slot: %s (%s)%s" % (slot.name, slot.getRoleName(),
                                        ", " + slot.description if slot.description else ""))

        drives = [n for n in shown if n.getRole() == pyatspi.ROLE_IMAGE
                  and n.name.startswith("Antrieb, Position ")]
        if len(drives) != 1:
            fail("expected one drive shown, found %r" % [n.name for n in drives])
        print("drive: " + drives[0].name)

        boxes = [n for n in by_name.get(ORDER_CODE_NAME, [])
                 if n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)]
        if len(boxes) != 1:
            fail("order-code box: %d shown" % len(boxes))
        box = boxes[0]
        states = box.getState()
        if not states.contains(pyatspi.STATE_FOCUSABLE):
            fail("the order-code box takes no focus")
        # Qt marks every text "editable"; "read only" is what tells.
        if not states.contains(pyatspi.STATE_READ_ONLY):
            fail("the order-code box is not read-only")
        if text_of(box) != code:
            fail("the order-code box reads %r, the program shows %r" % (text_of(box), code))
        print("order code: %s (%s): %s" % (box.name, box.getRoleName(), text_of(box)))

        buttons = [n.name for n in shown if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        for tip in ("Anfangsstück AG", "Modul G", "Endstück EV"):
            if tip not in buttons:
                fail("no toolbar button named %r among %r" % (tip, buttons))

        unnamed = [n.getRoleName() for n in shown
                   if not n.name and n.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_IMAGE,
                                                     pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
                                                     pyatspi.ROLE_CHECK_BOX,
                                                     pyatspi.ROLE_RADIO_BUTTON,
                                                     pyatspi.ROLE_SCROLL_BAR)]
        if unnamed:
            fail("controls without a name: %r" % unnamed)

        check_keyboard(shown, box, code)

        changes = count_announcements(1.5)
        if changes:
            fail("the idle program announced %d changes: %r" % (len(changes), changes[:5]))
        print("idle: no announcements in 1.5 s")

        # A screen reader's user presses a toolbar button: the module goes in
        # after the marked piece, and the slots say so.
        module_g = [n for n in shown if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                    and n.name == "Modul G"][0]
        press = module_g.queryAction()
        changes = count_announcements(1.5, lambda: press.doAction(0))
        if not changes:
            fail("inserting a module announced nothing")
        nodes = []
        walk(app, nodes)
        names = [n.name for n in nodes if showing(n) and n.getRole() == pyatspi.ROLE_IMAGE]
        for name in ("Modul G, Position 4", "Modul V, Position 5", "Endstück EV, Position 6"):
            if name not in names:
                fail("after the insertion no slot says %r: %r" % (name, names))
        print("inserted through the toolbar: %d announcements" % len(changes))
        print("PASS")
    finally:
        driver.send_signal(signal.SIGTERM)
        try:
            driver.wait(10)
        except subprocess.TimeoutExpired:
            driver.kill()


if __name__ == "__main__":
    main()
