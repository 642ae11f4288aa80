"""Belts from other sources than File ▸ Open, and the datasheet, on the real
program in German: a code pasted with Ctrl+V from the real clipboard into the
real dialog, the code of an e-mail pasted whole, a code typed there, File ▸
Recent, and the datasheet written
through the real save dialog, the timers running all the while."""

import os
import shutil
import subprocess

import pyatspi

from kxdrive import IMAGE, PUSH_BUTTON, Failure, Group

PLAIN = "KX80-700-L"
MODULAR = "KX40-600-R-AC-2GC-EV"
EMAIL = ("Sehr geehrte Damen und Herren,\r\nbitte liefern Sie kx80-500-l-ac-gc-eg.\r\n"
         "Mit freundlichen Grüßen")
CONTROL = 1 << 2
V_KEY = 0x76


def prepare(folder, files):
    for name, line in [("plain.dat", b"o" + PLAIN.encode() + b"\r\n"),
                       ("modular.dat", b"m" + MODULAR.encode() + b"\r\n"),
                       ("gone.dat", b"oKX40-300-R\r\n")]:
        with open(os.path.join(files, name), "wb") as f:
            f.write(line)


GROUP = Group("sources", prepare)


def ctrl_v():
    registry = pyatspi.Registry
    registry.generateKeyboardEvent(CONTROL, None, pyatspi.KEY_LOCKMODIFIERS)
    try:
        registry.generateKeyboardEvent(V_KEY, None, pyatspi.KEY_SYM)
    finally:
        registry.generateKeyboardEvent(CONTROL, None, pyatspi.KEY_UNLOCKMODIFIERS)


def code_dialog(kx):
    """The open-order-code dialog and its text field, which has the focus."""
    dialog = kx.file_dialog()
    return dialog, kx._focused_entry(dialog)


def answer_code(kx, text=None):
    """Puts text into the dialog (or leaves what it offers) and presses Return."""
    dialog, field = code_dialog(kx)
    title = dialog.name
    if text is not None:
        field.queryEditableText().setTextContents(text)
        kx.wait_for(lambda: field.queryText().getText(0, -1) == text, "the typed code")
    kx.key("Return")
    kx.wait_for(lambda: not any(w.getRole() == pyatspi.ROLE_DIALOG and w.name == title
                                for w in kx.windows()), "closing of the dialog %r" % title)


def open_file(kx, name):
    kx.menu("Datei", "Öffnen…")
    kx.choose_file(os.path.join(kx.files, name))


@GROUP.case("a code copied to the clipboard opens with Ctrl+V")
def paste_code(kx):
    open_file(kx, "plain.dat")
    kx.wait_for_order_code(PLAIN)
    copy = kx.wait_for(lambda: kx.find_shown(PUSH_BUTTON, "Bestellnummer kopieren"),
                       "the copy button")
    kx.click(copy[0])
    paste(kx, PLAIN)


def paste(kx, code):
    # A menu command gives the main window the keyboard back.
    kx.menu("Konfiguration", "Band erstellen", "Mit Modulen, rechts")
    kx.wait_for(lambda: kx.order_code().endswith("-0-R-"), "a new belt in front")
    ctrl_v()
    dialog, field = code_dialog(kx)
    kx.expect("the dialog's title", dialog.name, "Bestellnummer öffnen")
    kx.expect("the code offered", field.queryText().getText(0, -1), code)
    answer_code(kx)
    kx.wait_for_order_code(code)
    kx.expect("message boxes", kx.no_message_box(), True)


@GROUP.case("an e-mail pasted whole opens the belt of the code in its second line")
def paste_email(kx):
    kx.menu("Konfiguration", "Bestellnummer öffnen…")
    dialog, field = code_dialog(kx)
    # The field takes the e-mail; the accessibility bridge copies it to the real clipboard.
    field.queryEditableText().setTextContents(EMAIL)
    kx.wait_for(lambda: field.queryText().getText(0, -1) == EMAIL, "the e-mail in the field")
    field.queryEditableText().copyText(0, len(EMAIL))
    kx.key("Escape")
    kx.wait_for(lambda: not any(w.getRole() == pyatspi.ROLE_DIALOG for w in kx.windows()),
                "closing of the dialog")
    paste(kx, "KX80-500-L-AC-GC-EG")


@GROUP.case("a typed code with blanks opens a belt with modules")
def typed_code(kx):
    kx.menu("Konfiguration", "Bestellnummer öffnen…")
    answer_code(kx, "  " + MODULAR + "  ")
    kx.wait_for_order_code(MODULAR)
    kx.expect("the C module shown", len(kx.find_shown(IMAGE, "Modul C, Position 4")), 1)


@GROUP.case("a bad code says why and changes nothing: {0}", rows=[
    ("KX60-300-R", "width", "60"), ("KX40-999-R-AG-G-EV", "pieces length", "999", "400")])
def bad_code(kx, code, reason, *values):
    before = kx.order_code()
    kx.menu("Konfiguration", "Bestellnummer öffnen…")
    answer_code(kx, code)
    box = kx.message_box()
    kx.expect_error_box(box, "bestellnummer_oeffnen_Click()", code, reason, *values)
    kx.press_ok(box)
    kx.expect("order code after the refused code", kx.order_code(), before)


@GROUP.case("the datasheet through the real save dialog")
def datasheet(kx):
    open_file(kx, "modular.dat")
    kx.wait_for_order_code(MODULAR)
    kx.menu("Datei", "Datenblatt exportieren (PDF)…")
    sheet = os.path.join(kx.files, "sheet.pdf")
    kx.choose_file(sheet)
    kx.wait_for(lambda: os.path.exists(sheet), "the datasheet written")
    if shutil.which("pdftotext"):
        text = subprocess.run(["pdftotext", sheet, "-"], capture_output=True, text=True,
                              timeout=30).stdout
        for words in (MODULAR, "Datenblatt", "Modul C, Position 4", "Antrieb"):
            kx.expect_true("%r on the datasheet" % words, words in " ".join(text.split()))
    kx.expect("message boxes", kx.no_message_box(), True)


def recent_item(kx, name):
    return "1 " + os.path.join(kx.files, name)


@GROUP.case("File ▸ Recent opens the newest first and drops a vanished file")
def recent(kx):
    open_file(kx, "gone.dat")
    kx.wait_for_order_code("KX40-300-R")
    open_file(kx, "plain.dat")
    kx.wait_for_order_code(PLAIN)
    kx.menu("Datei", "Zuletzt geöffnet", "2 " + os.path.join(kx.files, "gone.dat"))
    kx.wait_for_order_code("KX40-300-R")
    os.remove(os.path.join(kx.files, "gone.dat"))
    # gone.dat is the newest now; it has vanished.
    kx.menu("Datei", "Zuletzt geöffnet", recent_item(kx, "gone.dat"))
    box = kx.message_box()
    kx.expect_error_box(box, "laden_Click()", "gone.dat", "no such file")
    kx.press_ok(box)
    kx.menu("Datei", "Zuletzt geöffnet", recent_item(kx, "plain.dat"))
    kx.wait_for_order_code(PLAIN)
