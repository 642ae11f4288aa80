"""The installed program, started by a user who cannot write its folder
(`make package-check` runs these on the .deb as a user of its own, with
run.py --installed): its text files in the user's folder, the language
switched there, a belt saved into the user's home; after a reinstall, the
language still chosen and the belt's folder remembered."""

import os

from kxdrive import PUSH_BUTTON, Failure, Group

MAIN_TEXT_FILE = "47-318-xx.ini"
HOME = os.path.expanduser("~")
USER_FOLDER = os.path.join(os.environ.get("XDG_DATA_HOME") or os.path.join(HOME, ".local", "share"),
                           "kx-konfigurator")
BELT = os.path.join(HOME, "belt.dat")
GERMAN = ["Datei", "Konfiguration", "Beispiele", "Extras", "Hilfe"]
ENGLISH = ["File", "Configuration", "Examples", "Tools", "Help"]

FIRST = Group("first_run", installed=True)
AGAIN = Group("after_reinstall", installed=True)
# A user of an English locale (LANG=en_US.UTF-8) and a fresh home: the first start in English.
ENGLISH_LOCALE = Group("english_locale", installed=True)
GROUPS = [FIRST, AGAIN, ENGLISH_LOCALE]


def read(path):
    with open(path, "rb") as f:
        return f.read()


def chosen_language(folder):
    lines = read(os.path.join(folder, MAIN_TEXT_FILE)).split(b"\r\n")
    return lines[lines.index(b"[SPRACHE]") + 1].decode()


def switch(kx, items, menu_bar, language):
    kx.menu(*items)
    kx.wait_for(lambda: kx.menu_captions() == menu_bar,
                lambda: "the menu bar %r (it is %r)" % (menu_bar, kx.menu_captions()))
    kx.expect("message boxes", kx.no_message_box(), True)
    kx.expect("the user's choice", chosen_language(USER_FOLDER), language)
    kx.expect("the installed choice", chosen_language(kx.folder), "Deutsch.ini")


@FIRST.case("the text files copied into the user's folder")
def copied(kx):
    if os.access(kx.folder, os.W_OK):
        raise Failure("the user can write %s: run this as a user who cannot" % kx.folder)
    kx.expect("menu bar", kx.menu_captions(), GERMAN)
    for name in sorted(os.listdir(kx.folder)):
        if name.endswith(".ini"):
            kx.expect("the user's copy of " + name,
                      read(os.path.join(USER_FOLDER, name)) == read(os.path.join(kx.folder, name)),
                      True)


@FIRST.case("switch to English")
def to_english(kx):
    switch(kx, ("Extras", "Sprache", "English"), ENGLISH, "English.ini")


@FIRST.case("save a belt into the home folder")
def save(kx):
    kx.menu("Configuration", "New belt", "Without modules")
    kx.wait_for_order_code("KX40-300-R")
    kx.menu("File", "Save…")
    dialog = kx.file_dialog()
    kx.expect_true("the save dialog shows the home folder " + HOME, kx.shows_text(dialog, HOME))
    kx.choose_file(BELT)
    kx.wait_for(lambda: os.path.exists(BELT), "the saved belt " + BELT)
    kx.expect("the saved belt", read(BELT), b"oKX40-300-R\r\n")
    kx.expect("message boxes", kx.no_message_box(), True)


@AGAIN.case("still in English, the belt's folder remembered")
def still_english(kx):
    kx.expect("menu bar", kx.menu_captions(), ENGLISH)
    kx.menu("File", "Open…")
    dialog = kx.file_dialog()
    kx.expect_true("the open dialog shows " + HOME, kx.shows_text(dialog, HOME))
    kx.expect("a button 'Cancel'", len(kx.find_shown(PUSH_BUTTON, "Cancel", dialog)), 1)
    kx.choose_file(BELT)
    kx.wait_for_order_code("KX40-300-R")


@AGAIN.case("back to German")
def to_german(kx):
    switch(kx, ("Tools", "Language", "Deutsch"), GERMAN, "Deutsch.ini")


@ENGLISH_LOCALE.case("the first start in the locale's language")
def locale_language(kx):
    kx.expect("menu bar", kx.menu_captions(), ENGLISH)
    kx.expect("the user's choice", chosen_language(USER_FOLDER), "English.ini")
    kx.expect("the installed choice", chosen_language(kx.folder), "Deutsch.ini")
