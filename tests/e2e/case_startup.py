"""A start-up whose language file is missing: its box says why, and the
language can still be switched to one that works."""

import os

from kxdrive import Group

MAIN_TEXT_FILE = "47-318-xx.ini"


def prepare(folder, files):
    with open(os.path.join(folder, MAIN_TEXT_FILE), "wb") as f:
        f.write(b"[AUSWAHL]\r\nDeutsch\r\nEnglish\r\nxxx\r\n\r\n[SPRACHE]\r\nLatein.ini\r\n")


GROUP = Group("startup", prepare)


@GROUP.case("refuse a missing language file at start-up, then choose one that works")
def refuse_then_choose(kx):
    box = kx.message_box()
    kx.expect_error_box(box, "Form_Load()", "Latein.ini", "no such file")
    kx.press_ok(box)
    # The menus keep the words they were made with; the language items are filled.
    kx.wait_for(lambda: kx.menu_captions() == ["Datei", "Konfiguration", "Beispiele", "Extras", "Hilfe"],
                lambda: "the main window (menu bar: %r)" % kx.menu_captions())
    kx.menu("Extras", "Sprache", "English")
    kx.wait_for(lambda: kx.menu_captions() == ["File", "Configuration", "Examples", "Tools", "Help"],
                lambda: "switch to English (menu bar: %r)" % kx.menu_captions())
    kx.expect("message boxes", kx.no_message_box(), True)
