"""A changed belt is never dropped without a question, on the real program in
German: Exit asks, Cancel keeps the program and the belt, Discard ends it; a
language switch asks, and Save writes the belt through the real save dialog
before the switch timer switches to the start dialog."""

import os

import pyatspi

from kxdrive import Group

GROUP = Group("unsaved", None)
SWITCH = Group("unsaved", None)  # a program of its own: it switches
GROUPS = [GROUP, SWITCH]


def changed_belt(kx):
    kx.menu("Konfiguration", "Band erstellen", "Ohne Module")
    kx.wait_for_order_code("KX40-300-R")
    kx.click(kx.wait_for(lambda: kx.find_shown(pyatspi.ROLE_CHECK_BOX, "Seitenführung"),
                         "the first feature")[0])
    kx.wait_for_order_code("KX40-300-R-SF")


@SWITCH.case("a language switch with a changed belt asks; Save writes it, then it switches")
def switch_saves_first(kx):
    changed_belt(kx)
    kx.menu("Extras", "Sprache", "English")
    kx.press(kx.message_box(), "Speichern")
    path = os.path.join(kx.files, "switched")
    kx.choose_file(path)
    kx.wait_for(lambda: kx.menu_captions()[0] == "File", "the switch to English")
    with open(path + ".dat", "rb") as f:
        kx.expect("the belt saved before the switch", f.read(), b"oKX40-300-R-SF\r\n")


@GROUP.case("Exit with a changed belt asks; Cancel keeps it, Discard ends the program")
def exit_asks(kx):
    changed_belt(kx)
    kx.menu("Datei", "Beenden")
    box = kx.message_box()
    kx.expect("the question", box.text,
              "Die Änderungen an diesem Band sind nicht gespeichert. Jetzt speichern?")
    kx.press(box, "Abbrechen")
    kx.expect("the belt after Cancel", kx.order_code(), "KX40-300-R-SF")
    kx.menu("Datei", "Beenden")
    box = kx.message_box()
    kx.expect("the buttons", box.buttons, ["Speichern", "Verwerfen", "Abbrechen"])
    kx.click(kx.find_shown(pyatspi.ROLE_PUSH_BUTTON, "Verwerfen", window=box.node)[0])
    kx.process.wait(timeout=5)  # TimeoutExpired if the program goes on
    kx.expect("the program's status after Discard", kx.process.returncode, 0)
