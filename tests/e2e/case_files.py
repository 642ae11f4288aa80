"""File ▸ Open and File ▸ Save through the real file dialogs, in German."""

import os

from kxdrive import IMAGE, Failure, Group


def prepare(folder, files):
    for name, line in [("plain.dat", b"oKX40-300-R\r\n"),
                       ("modular.dat", b"mKX40-600-R-AC-2GC-EV\r\n"),
                       ("empty.dat", b""),
                       ("width60.dat", b"oKX60-300-R\r\n"),
                       ("kept.dat", b"oKX80-700-L\r\n")]:
        with open(os.path.join(files, name), "wb") as f:
            f.write(line)
    os.mkfifo(os.path.join(files, "pipe.dat"))
    os.mkdir(os.path.join(files, "readonly"), 0o555)


GROUP = Group("files", prepare)


def open_file(kx, name):
    kx.menu("Datei", "Öffnen…")
    kx.choose_file(os.path.join(kx.files, name))


@GROUP.case("open {0}", rows=[
    ("plain.dat", "KX40-300-R", []),
    ("modular.dat", "KX40-600-R-AC-2GC-EV",
     ["Anfangsstück AC, Position 1", "Modul G, Position 2", "Modul G, Position 3",
      "Modul C, Position 4", "Endstück EV, Position 5"]),
])
def open_good(kx, name, code, pieces):
    open_file(kx, name)
    kx.wait_for_order_code(code)
    kx.expect("message boxes", kx.no_message_box(), True)
    for piece in pieces:
        kx.expect("slots shown as %r" % piece, len(kx.find_shown(IMAGE, piece)), 1)


@GROUP.case("refuse {0}", rows=[
    ("empty.dat", "no order code", ()),
    ("width60.dat", "width", ("60",)),
])
def open_bad(kx, name, reason, values):
    before = kx.order_code()
    open_file(kx, name)
    box = kx.message_box()
    kx.expect_error_box(box, "laden_Click()", name, reason, *values)
    kx.press_ok(box)
    kx.expect("order code after the refused load", kx.order_code(), before)


@GROUP.case("refuse a named pipe without freezing")
def open_pipe(kx):
    open_file(kx, "pipe.dat")
    box = kx.message_box(seconds=3)
    kx.expect_error_box(box, "laden_Click()", "pipe.dat", "not a regular file")
    kx.press_ok(box)
    if not kx.answers():
        raise Failure("the program does not answer after refusing the pipe")


# Root writes through a chmod 555 folder; nobody creates files in /sys.
SAVE_TARGETS = [("/sys", "/sys/belt.dat", "permission denied"),
                ("a missing folder", "{files}/missing/belt.dat", "no such folder"),
                ("a named pipe", "{files}/pipe.dat", "not a regular file")]
if os.getuid() != 0:
    SAVE_TARGETS.append(("a read-only folder", "{files}/readonly/belt.dat", "permission denied"))


def save_as(kx, path):
    if kx.order_code() != "KX40-300-R":
        open_file(kx, "plain.dat")
        kx.wait_for_order_code("KX40-300-R")
    kx.menu("Datei", "Speichern…")
    kx.choose_file(path)


@GROUP.case("refuse to save into {0}", rows=SAVE_TARGETS)
def save_unwritable(kx, label, target, reason):
    path = target.format(files=kx.files)
    save_as(kx, path)
    box = kx.message_box()
    kx.expect_error_box(box, "speichern_Click()", os.path.basename(path), reason)
    kx.press_ok(box)
    kx.expect("a file written as " + path, os.path.isfile(path), False)


@GROUP.case("ask before replacing a file: {0}", rows=[("Abbrechen", b"oKX80-700-L\r\n"),
                                                      ("Ersetzen", b"oKX40-300-R\r\n")])
def save_over_existing(kx, button, content):
    save_as(kx, os.path.join(kx.files, "kept"))  # asked after ".dat" is added
    box = kx.message_box()
    kx.expect("the question", box.text,
              "kept.dat ist bereits vorhanden. Möchten Sie die Datei ersetzen?")
    kx.press(box, button)
    with open(os.path.join(kx.files, "kept.dat"), "rb") as f:
        kx.expect("kept.dat after " + button, f.read(), content)
