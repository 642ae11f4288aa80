"""What a user sees and touches, on the real program in German: the value
bars from the keyboard, the keys a desktop user knows (Ctrl+O, F1, Alt and a
menu's letter), Escape on the info dialog, and a printout through the real
print dialog into a PDF, the timers running all the while."""

import os
import re
import shutil
import subprocess

import pyatspi

from kxdrive import ALT, CONTROL, Group

MODULAR = "KX40-600-R-AC-2GC-EV"
KEYSYMS = {"Right": 0xff53, "Left": 0xff51}


def prepare(folder, files):
    with open(os.path.join(files, "modular.dat"), "wb") as f:
        f.write(b"m" + MODULAR.encode() + b"\r\n")


GROUP = Group("look", prepare)


def press(name):
    pyatspi.Registry.generateKeyboardEvent(KEYSYMS[name], None, pyatspi.KEY_SYM)


def length_of(code):
    return int(code.split("-")[1])


@GROUP.case("F1 opens the guide, Alt+D the File menu, Ctrl+O the open dialog")
def desktop_keys(kx):
    kx.key("F1")
    def guide_shown():
        return [w for w in kx.windows() if w.name == "Benutzerhandbuch"]
    kx.wait_for(guide_shown, "the user guide")
    kx.key("Escape")
    kx.wait_for(lambda: not guide_shown(), "the user guide closed by Escape")
    kx.chord(ALT, ord("d"))
    kx.wait_for(lambda: kx.find_shown(pyatspi.ROLE_MENU_ITEM, "Öffnen…"), "the File menu open")
    kx.key("Escape")
    kx.wait_for(lambda: not kx.find_shown(pyatspi.ROLE_MENU_ITEM, "Öffnen…"), "the File menu closed")
    kx.chord(CONTROL, ord("o"))
    kx.file_dialog()
    kx.key("Escape")
    kx.wait_for(lambda: not any(w.getRole() == pyatspi.ROLE_DIALOG for w in kx.windows()),
                "the open dialog closed")


def length_bar(kx):
    kx.menu("Konfiguration", "Band erstellen", "Ohne Module")
    bar = kx.wait_for(lambda: kx.find_shown(pyatspi.ROLE_SCROLL_BAR, "Bandlänge"),
                      "the length bar")[0]
    kx.wait_for(lambda: kx.order_code(), "an order code")
    start = length_of(kx.order_code())
    bar.queryComponent().grabFocus()
    kx.wait_for(lambda: bar.getState().contains(pyatspi.STATE_FOCUSED), "the length bar focused")
    press("Right")
    kx.wait_for(lambda: length_of(kx.order_code()) == start + 100,
                lambda: "length %d after Right (shown: %r)" % (start + 100, kx.order_code()))
    press("Left")
    kx.wait_for(lambda: length_of(kx.order_code()) == start,
                lambda: "length %d after Left (shown: %r)" % (start, kx.order_code()))


@GROUP.case("Escape closes the info dialog")
def escape_info(kx):
    kx.menu("Hilfe", "Info…")
    def info_shown():
        return [w for w in kx.windows()
                if w.name == "Info" and w.getState().contains(pyatspi.STATE_SHOWING)]
    kx.wait_for(info_shown, "the info dialog")
    kx.key("Escape")
    kx.wait_for(lambda: not info_shown(), "the info dialog closed by Escape")


@GROUP.case("a printout through the real print dialog holds the code as text")
def print_to_pdf(kx):
    kx.menu("Datei", "Öffnen…")
    kx.choose_file(os.path.join(kx.files, "modular.dat"))
    kx.wait_for_order_code(MODULAR)
    kx.menu("Datei", "Drucken…")
    dialog = kx.wait_for(lambda: next((w for w in kx.windows()
                                       if w.getRole() == pyatspi.ROLE_DIALOG
                                       and w.name == "Drucken"), None), "the print dialog")
    output = kx.wait_for(lambda: kx.find_shown(pyatspi.ROLE_TEXT, "Ausgabedatei:", dialog),
                         "the print dialog's output file")[0]
    pdf = os.path.join(kx.files, "printout.pdf")
    output.queryEditableText().setTextContents(pdf)
    button = kx.wait_for(lambda: kx.find_shown(pyatspi.ROLE_PUSH_BUTTON, "Drucken", dialog),
                         "the print button")[0]
    kx.click(button)
    kx.wait_for(lambda: os.path.exists(pdf) and os.path.getsize(pdf) > 0, "the printout written")
    kx.expect("message boxes", kx.no_message_box(), True)
    if shutil.which("pdftotext"):
        kx.wait_for(lambda: MODULAR in subprocess.run(["pdftotext", pdf, "-"], capture_output=True,
                                                      text=True, timeout=30).stdout,
                    "the order code as text in the printout")
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, timeout=30).stdout
        kx.expect_true("one landscape page",
                       re.search(r"^Pages:\s+1$", info, re.M) is not None
                       and re.search(r"^Page size:\s+842 x 595", info, re.M) is not None, info)


# Registered last: it changes the belt, which a later Open would ask about.
GROUP.case("the length bar steps the way its arrows point")(length_bar)
