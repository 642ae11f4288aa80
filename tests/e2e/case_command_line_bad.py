"""A file named on the command line that is no belt: the load's error box,
and the program goes on as after File ▸ Open."""

import os
import stat
import subprocess

from kxdrive import Group


def prepare(folder, files):
    with open(os.path.join(files, "bad.dat"), "wb") as f:
        f.write(b"")
    with open(os.path.join(files, "good.dat"), "wb") as f:
        f.write(b"oKX40-300-R\r\n")
    os.mkfifo(os.path.join(files, "sheet.pdf"))


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


@GROUP.case("refuse a datasheet onto a named pipe")
def datasheet_onto_pipe(kx):
    pipe, home = os.path.join(kx.files, "sheet.pdf"), os.path.join(kx.root, "home")
    env = dict(os.environ, XDG_CONFIG_HOME=home + "/config", XDG_DATA_HOME=home + "/data",
               XDG_RUNTIME_DIR=home + "/runtime", QT_QPA_PLATFORM="offscreen")
    run = subprocess.run([os.path.join(kx.folder, os.path.basename(kx.binary)), "--datasheet",
                          os.path.join(kx.files, "good.dat"), "--output", pipe],
                         env=env, capture_output=True, timeout=30)
    kx.expect("status", run.returncode, 1)
    kx.expect("error output", run.stderr.decode(),
              "kx-konfigurator: %s\n" % kx.failure_text("not a regular file", "sheet.pdf"))
    kx.expect_true("sheet.pdf still a named pipe", stat.S_ISFIFO(os.stat(pipe).st_mode))
