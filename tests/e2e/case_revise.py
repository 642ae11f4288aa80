"""Configuration ▸ Edit this belt on a belt loaded through the real file
dialog, and Ctrl+Z / Ctrl+Shift+Z / Ctrl+Y as keys on the X server, with the
timers running, in German."""

import os

import pyatspi

from kxdrive import IMAGE, ORDER_CODE_NAMES, PUSH_BUTTON, Failure, Group

LOADED = "KX40-600-R-AC-2GC-EV"
ONE_MORE_C = "KX40-700-R-AC-2G2C-EV"

# Modifier masks for the X server's key state.
CONTROL, SHIFT = 1 << 2, 1 << 0
KEYSYMS = {"z": 0x7a, "y": 0x79}


def prepare(folder, files):
    with open(os.path.join(files, "modular.dat"), "wb") as f:
        f.write(b"m" + LOADED.encode() + b"\r\n")


GROUP = Group("revise", prepare)


def chord(modifiers, key):
    """Presses key with the modifiers held, as a person's fingers would."""
    registry = pyatspi.Registry
    registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_LOCKMODIFIERS)
    try:
        registry.generateKeyboardEvent(KEYSYMS[key], None, pyatspi.KEY_SYM)
    finally:
        registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_UNLOCKMODIFIERS)


def code_box(kx):
    """The order-code box in front, found once: waiting on its text alone
    spares searching the whole window on every poll."""
    boxes = kx.wait_for(lambda: [n for name in ORDER_CODE_NAMES
                                 for role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
                                 for n in kx.find_shown(role, name)], "the order-code box")
    if len(boxes) != 1:
        raise Failure("%d order-code boxes shown" % len(boxes))
    return boxes[0]


def wait_for_code(kx, box, code):
    def text():
        t = box.queryText()
        return t.getText(0, t.characterCount)
    kx.wait_for(lambda: text() == code, lambda: "order code %r (shown: %r)" % (code, text()))


def click_shown(kx, role, name):
    nodes = kx.wait_for(lambda: kx.find_shown(role, name), "%r shown" % name)
    if len(nodes) != 1:
        raise Failure("%d of %r shown" % (len(nodes), name))
    kx.click(nodes[0])
    return nodes[0]


@GROUP.case("edit a loaded belt, insert a module, undo and redo it by keys")
def edit_and_undo(kx):
    kx.menu("Datei", "Öffnen…")
    kx.choose_file(os.path.join(kx.files, "modular.dat"))
    kx.wait_for_order_code(LOADED)
    kx.expect("toolbar buttons of the locked belt", kx.find_shown(PUSH_BUTTON, "Modul C"), [])

    kx.menu("Konfiguration", "Dieses Band bearbeiten")
    kx.wait_for_order_code(LOADED)
    # Mark the C module, then insert another after it.
    module = click_shown(kx, IMAGE, "Modul C, Position 4")
    kx.wait_for(lambda: module.description, "the C module marked")
    box = code_box(kx)
    click_shown(kx, PUSH_BUTTON, "Modul C")
    wait_for_code(kx, box, ONE_MORE_C)

    for modifiers, key, code in [(CONTROL, "z", LOADED), (CONTROL | SHIFT, "z", ONE_MORE_C),
                                 (CONTROL, "z", LOADED), (CONTROL, "y", ONE_MORE_C)]:
        chord(modifiers, key)
        wait_for_code(kx, box, code)
    kx.expect("message boxes", kx.no_message_box(), True)
