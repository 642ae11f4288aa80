"""A belt file named on the command line, as a file manager or a terminal
starts the program: it opens as File ▸ Open would, and the dialogs then
speak the language file's language and start in that belt's folder."""

import os

from kxdrive import IMAGE, PUSH_BUTTON, Group

BELT = "mKX40-600-R-AC-2GC-EV\r\n"


def prepare(folder, files):
    os.mkdir(os.path.join(files, "belts"))
    with open(os.path.join(files, "belts", "belt.dat"), "w", newline="") as f:
        f.write(BELT)


GROUP = Group("command_line", prepare,
              arguments=lambda folder, files: [os.path.join(files, "belts", "belt.dat")])


@GROUP.case("open the belt named on the command line")
def open_argument(kx):
    kx.wait_for_order_code(BELT[1:].strip())
    kx.expect("message boxes", kx.no_message_box(), True)
    kx.expect("the begin piece shown", len(kx.find_shown(IMAGE, "Anfangsstück AC, Position 1")), 1)


@GROUP.case("the open dialog in German, in the belt's folder")
def dialog_after_argument(kx):
    kx.menu("Datei", "Öffnen…")
    dialog = kx.file_dialog()
    kx.expect("a button 'Abbrechen'", len(kx.find_shown(PUSH_BUTTON, "Abbrechen", dialog)), 1)
    folder = os.path.join(kx.files, "belts")
    kx.expect_true("the dialog shows %s" % folder, kx.shows_text(dialog, folder))
    kx.key("Escape")
    kx.wait_for(lambda: not kx.find_shown(PUSH_BUTTON, "Abbrechen"), "the dialog closed")
