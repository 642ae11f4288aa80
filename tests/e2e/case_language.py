"""Tools ▸ Language with a main text file that lists languages which cannot
be switched to, then back and forth between the shipped ones."""

import os

from kxdrive import Failure, Group

MAIN_TEXT_FILE = "47-318-xx.ini"


def prepare(folder, files):
    with open(os.path.join(folder, MAIN_TEXT_FILE), "wb") as f:
        f.write(b"[AUSWAHL]\r\nDeutsch\r\nEnglish\r\nLatein\r\nKurz\r\nxxx\r\n\r\n"
                b"[SPRACHE]\r\nDeutsch.ini\r\n")
    # Kurz.ini ends inside its first section; Latein.ini is missing.
    with open(os.path.join(folder, "English.ini"), "rb") as f:
        english = f.read()
    with open(os.path.join(folder, "Kurz.ini"), "wb") as f:
        f.write(english[:len(english) // 10])


GROUP = Group("language", prepare)

# The shipped languages: the menu bar's captions, the path to the language
# items, and the other language.
MENU_BAR = {"Deutsch": ["Datei", "Konfiguration", "Beispiele", "Extras", "Hilfe"],
            "English": ["File", "Configuration", "Examples", "Tools", "Help"]}
LANGUAGE_ITEMS = {"Deutsch": ("Extras", "Sprache"), "English": ("Tools", "Language")}
OTHER = {"Deutsch": "English", "English": "Deutsch"}


def main_text_file(kx):
    with open(os.path.join(kx.folder, MAIN_TEXT_FILE), "rb") as f:
        return f.read()


@GROUP.case("refuse {0}, then switch to the other language", rows=[
    ("a missing language file", "Latein", "no such file", ()),
    ("a language file cut short", "Kurz", "section cut short", ("[MENUE]",)),
])
def refuse_then_switch(kx, label, language, reason, values):
    captions = kx.menu_captions()
    current = [name for name, bar in MENU_BAR.items() if bar == captions]
    if len(current) != 1:
        raise Failure("the menu bar %r is in no shipped language" % captions)
    current = current[0]
    before = main_text_file(kx)
    kx.menu(*LANGUAGE_ITEMS[current], language)
    box = kx.message_box()
    kx.expect_error_box(box, "Timer_Umschaltung_Timer()", language + ".ini", reason, *values)
    kx.press_ok(box)
    kx.expect("menu bar after the refused switch", kx.menu_captions(), captions)
    kx.expect("the main text file is unchanged", main_text_file(kx) == before, True)

    other = OTHER[current]
    kx.menu(*LANGUAGE_ITEMS[current], other)
    kx.wait_for(lambda: kx.menu_captions() == MENU_BAR[other],
                lambda: "switch to %s (menu bar: %r)" % (other, kx.menu_captions()))
    kx.expect("message boxes", kx.no_message_box(), True)
