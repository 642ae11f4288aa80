"""A file named on the command line that is no belt: the load's error box,
and the program goes on as after File ▸ Open."""

import os

from kxdrive import Group


def prepare(folder, files):
    with open(os.path.join(files, "bad.dat"), "wb") as f:
        f.write(b"")
    with open(os.path.join(files, "good.dat"), "wb") as f:
        f.write(b"oKX40-300-R\r\n")


GROUP = Group("command_line_bad", prepare,
              arguments=lambda folder, files: [os.path.join(files, "bad.dat")])


@GROUP.case("refuse a bad file named on the command line")
def refuse_argument(kx):
    box = kx.message_box()
    kx.expect_error_box(box, "laden_Click()", "bad.dat", "no order code")
    kx.press_ok(box)


@GROUP.case("open a belt after the refused one")
def open_after_refusal(kx):
    kx.menu("Datei", "Öffnen…")
    kx.choose_file(os.path.join(kx.files, "good.dat"))
    kx.wait_for_order_code("KX40-300-R")
