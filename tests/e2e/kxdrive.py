"""Drives the real kx-konfigurator as a user does: real menus, real file
dialogs, real message boxes, real key presses and mouse clicks, with the
program's own timers running.

It runs inside an X server and a D-Bus session of its own (run.sh). The
program is copied with its text files into a fresh folder, because it reads
and rewrites them in the folder that holds it. Every wait has a deadline, so
a program that freezes fails its case instead of hanging the suite.

A case file (case_*.py) declares one Group; each group is one program start,
its cases run in order on that program. A case that fails leaves the program
in an unknown state: the runner then starts it afresh for the next case.
"""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

# A frozen program must not block a query for long: ms per call, and ms for
# a program that has only just registered. A query that times out is asked
# again until its wait's own deadline.
Atspi.set_timeout(1000, 4000)

START_SECONDS = 30.0  # generous: the sanitizer build on a busy machine
STEP_SECONDS = 4.0
# The file dialog stays open at least this long, so that the program's
# 100 ms timers tick inside its event loop as they do for a person.
DWELL_SECONDS = 0.35

# Roles a case may look for with find_shown().
IMAGE, LABEL, PUSH_BUTTON = pyatspi.ROLE_IMAGE, pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON

KEYS = {"Return": 0xff0d, "Escape": 0xff1b, "Tab": 0xff09, "F1": 0xffbe}
CONTROL, ALT = 1 << 2, 1 << 3  # X modifier masks for chord()

# The order-code box's accessible name in the shipped languages.
ORDER_CODE_NAMES = ("Bestellnummer", "Order code")

MAIN_TEXT_FILE = "47-318-xx.ini"
# The lines of the language file's [FEHLER] section, in their order: the
# reasons the error boxes give. %1 is the file's name.
FAILURES = ["no such file", "no such folder", "not a regular file", "too large",
            "permission denied", "not read", "not written", "no order code", "no prefix",
            "width", "plain length", "modular length", "too many pieces", "no begin piece",
            "section cut short", "line missing", "too many lines", "not in the program folder",
            "printer", "other", "read-only file system", "disk full", "dangling link",
            "read-only file", "kind letter", "text before the code", "character", "direction",
            "plain length step", "pieces length", "unknown piece", "piece out of place",
            "plain holds pieces", "unknown feature", "not its code", "datasheet without pieces",
            "section missing"]


class Failure(Exception):
    """A case's expectation not met; stops the case."""


class Case:
    def __init__(self, group, name, function, args):
        self.group, self.name, self.function, self.args = group, name, function, args

    @property
    def full_name(self):
        return "%s/%s" % (self.group.name, self.name)


class Group:
    """Cases that share one program start. `prepare(folder, files)` may put
    fixture text files into the program folder (after the shipped ones were
    copied) and case files into `files`; `arguments(folder, files)` gives
    the program's command line.

    An `installed` group runs only on an installed program (run.py
    --installed, as `make package-check` does): where it lies, as the user
    who runs the suite, with that user's home and settings."""

    def __init__(self, name, prepare=None, arguments=None, installed=False):
        self.name, self.prepare, self.arguments, self.cases = name, prepare, arguments, []
        self.installed = installed

    def case(self, name, rows=None):
        """Adds a case; with rows, one case per row, named by formatting
        `name` with the row, and called with the row's values."""
        def add(function):
            for row in rows if rows is not None else [()]:
                row = row if isinstance(row, tuple) else (row,)
                self.cases.append(Case(self, name.format(*row), function, row))
            return function
        return add


class MessageBox:
    def __init__(self, node, title, text, informative, buttons):
        self.node, self.title, self.text, self.informative = node, title, text, informative
        self.buttons = buttons

    def __repr__(self):
        return "box %r: %r / %r %r" % (self.title, self.text, self.informative, self.buttons)


def _quiet(call, default=None):
    """A query of an object that went away or of a program that does not
    answer in time counts as 'not there'."""
    try:
        return call()
    except (GLib.Error, RuntimeError, LookupError, NotImplementedError, AttributeError,
            ValueError):
        return default


def _showing(node):
    return _quiet(lambda: node.getState().contains(pyatspi.STATE_SHOWING), False)


def _children(node):
    return [c for c in (_quiet(lambda: list(node), []) or []) if c is not None]


# Item views can hold thousands of rows (a file dialog showing a big folder):
# searching them would flood the program with queries, so they are skipped.
_ITEM_VIEWS = {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE,
               pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE}


def _find_all(node, predicate, depth=0, limit=30):
    found = []
    if depth > limit:
        return found
    for child in _children(node):
        if _quiet(lambda: predicate(child), False):
            found.append(child)
        if _quiet(lambda: child.getRole()) not in _ITEM_VIEWS:
            found.extend(_find_all(child, predicate, depth + 1, limit))
    return found


def _text(node):
    def read():
        text = node.queryText()
        return text.getText(0, text.characterCount)
    return _quiet(read)


def _kill_with_parent():
    # The program dies with the driver, even if the driver is killed.
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGKILL)


class Program:
    """One run of the program in a fresh folder."""

    def __init__(self, binary, data_dir, group, shots_dir):
        self.binary, self.data_dir, self.group, self.shots_dir = binary, data_dir, group, shots_dir
        self.root = tempfile.mkdtemp(prefix="kx-e2e-")
        self.folder = (os.path.dirname(binary) if group.installed
                       else os.path.join(self.root, "program"))
        self.files = os.path.join(self.root, "files")
        self.process = None
        self.case_name = group.name
        self.errors = []  # unmet expectations of the running case
        self.shot = None  # the screen at the first of them

    # --- start and stop -------------------------------------------------

    def start(self):
        installed = self.group.installed
        if not installed:
            os.makedirs(self.folder)
            shutil.copy2(self.binary, self.folder)
            for name in os.listdir(self.data_dir):
                if name.endswith(".ini"):
                    shutil.copy2(os.path.join(self.data_dir, name), self.folder)
            # The user guides, where the installed program has them.
            guides = os.path.join(self.data_dir, "guide")
            if os.path.isdir(guides):
                shutil.copytree(guides, os.path.join(self.folder, "guide"))
        os.makedirs(self.files)
        if self.group.prepare:
            self.group.prepare(self.folder, self.files)
        # Settings of its own: the file dialog remembers folders in the
        # user's configuration, which would leak from run to run. An
        # installed program keeps the user's.
        home = os.path.join(self.root, "home")
        os.makedirs(os.path.join(home, "runtime"), 0o700)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", XDG_RUNTIME_DIR=os.path.join(home, "runtime"))
        if not installed:
            env.update(XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_CACHE_HOME=os.path.join(home, "cache"),
                       XDG_DATA_HOME=os.path.join(home, "data"))
        self.log = open(os.path.join(self.root, "program.log"), "w")
        arguments = self.group.arguments(self.folder, self.files) if self.group.arguments else []
        self.process = subprocess.Popen(
            [os.path.join(self.folder, os.path.basename(self.binary))] + arguments,
            cwd=self.root, env=env,
            stdout=self.log, stderr=subprocess.STDOUT, preexec_fn=_kill_with_parent)
        # A start-up that fails shows its box before the main window.
        self.wait_for(lambda: self._main_frame() is not None or self._alert() is not None,
                      "the main window with its menus", START_SECONDS)

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(3)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(3)
        if self.process:
            self.log.close()
        shutil.rmtree(self.root, ignore_errors=True)

    def log_tail(self, lines=15):
        try:
            with open(os.path.join(self.root, "program.log"), errors="replace") as f:
                return "".join(f.readlines()[-lines:])
        except OSError:
            return ""

    # --- waiting --------------------------------------------------------

    def alive(self):
        return self.process is not None and self.process.poll() is None

    def answers(self, seconds=3.0):
        """The program is running and its event loop answers a query."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if not self.alive():
                return False
            if self._main_frame() is not None:
                return True
            time.sleep(0.05)
        return False

    def wait_for(self, condition, what, seconds=STEP_SECONDS):
        """Polls until condition() returns something true and returns it.
        `what` names it for the failure: a text, or a function that tells
        what is there instead when the time is up."""
        deadline = time.monotonic() + seconds
        while True:
            if not self.alive():
                what = what() if callable(what) else what
                raise Failure("the program ended (exit %s) while waiting for %s\n%s"
                              % (self.process.returncode, what, self.log_tail()))
            result = _quiet(condition)
            if result:
                return result
            if time.monotonic() >= deadline:
                what = what() if callable(what) else what
                state = "still answers" if self.answers(1.0) else "does NOT answer (frozen)"
                raise Failure("no %s within %.0f s; the program %s" % (what, seconds, state))
            time.sleep(0.05)

    # --- soft checks: a case goes on to show all that is wrong ---------

    def expect(self, what, actual, expected):
        if actual != expected:
            self._unmet("%s: %r, expected %r" % (what, actual, expected))

    def expect_true(self, what, condition, detail=""):
        if not condition:
            self._unmet(what + (": " + detail if detail else ""))

    def _unmet(self, message):
        if not self.errors:
            self.shot = self.screenshot(self.case_name + "-unmet")
        self.errors.append(message)

    # --- the tree -------------------------------------------------------

    def _app(self):
        pid = self.process.pid
        for app in _children(pyatspi.Registry.getDesktop(0)):
            if _quiet(lambda: app.get_process_id()) == pid:
                return app
        return None

    def windows(self):
        app = self._app()
        return [w for w in _children(app) if _showing(w)] if app else []

    def _main_frame(self):
        for window in self.windows():
            if window.getRole() == pyatspi.ROLE_FRAME and self._menu_bar(window) is not None:
                return window
        return None

    @staticmethod
    def _menu_bar(frame):
        for child in _children(frame):
            if child.getRole() == pyatspi.ROLE_MENU_BAR:
                return child
        return None

    def menu_captions(self):
        """The captions of the menu bar, as the user reads them."""
        frame = self._main_frame()
        bar = self._menu_bar(frame) if frame else None
        return [c.name for c in _children(bar)] if bar else None

    def find_shown(self, role, name=None, window=None):
        roots = [window] if window else self.windows()
        found = []
        for root in roots:
            found += _find_all(root, lambda n: n.getRole() == role
                               and (name is None or n.name == name) and _showing(n))
        return found

    def shows_text(self, window, text):
        """A shown control of the window has the text in its name or its content."""
        return any(text in (n.name or "") or text in (_text(n) or "")
                   for n in _find_all(window, _showing))

    # --- input ----------------------------------------------------------

    def click(self, node):
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if box.width <= 0 or box.height <= 0:
            raise Failure("%r has no place on the screen to click" % node.name)
        pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, "b1c")

    def key(self, name):
        pyatspi.Registry.generateKeyboardEvent(KEYS[name], None, pyatspi.KEY_SYM)

    def chord(self, modifiers, keysym):
        """Presses a key with modifiers held (CONTROL, ALT as X masks), as fingers would."""
        pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_LOCKMODIFIERS)
        try:
            pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
        finally:
            pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_UNLOCKMODIFIERS)

    def type_text(self, text):
        pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)

    def menu(self, *captions):
        """Clicks through the menu bar: menu("Datei", "Öffnen…")."""
        frame = self.wait_for(self._main_frame, "main window")
        parent = self._menu_bar(frame)
        for caption in captions:
            def item_shown(parent=parent, caption=caption):
                items = _find_all(parent, lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM
                                  and n.name == caption and _showing(n), limit=3)
                return items[0] if items else None
            item = self.wait_for(item_shown, lambda caption=caption: "menu item %r (menu bar: %r)"
                                 % (caption, self.menu_captions()))
            if not _quiet(lambda: item.getState().contains(pyatspi.STATE_ENABLED), False):
                raise Failure("menu item %r is disabled" % caption)
            self.click(item)
            parent = item

    # --- dialogs --------------------------------------------------------

    def file_dialog(self):
        def shown():
            for window in self.windows():
                if window.getRole() == pyatspi.ROLE_DIALOG and self._focused_entry(window):
                    return window
            return None
        return self.wait_for(shown, "file dialog with its file-name field focused")

    def _focused_entry(self, window):
        for role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
            for node in self.find_shown(role, window=window):
                if node.getState().contains(pyatspi.STATE_FOCUSED):
                    return node
        return None

    def choose_file(self, path):
        """Puts the path into the open file dialog's name field and presses
        Return, after the dialog has been open for a while, as a person's
        would be.

        The path goes in whole, as pasted: typed key by key, the dialog's
        completer pops up, and when the typed name is an existing file the
        dialog may swap the field for that file's bare name, which it then
        looks for in the folder it shows."""
        dialog = self.file_dialog()
        opened = time.monotonic()
        title = dialog.name
        field = self._focused_entry(dialog)
        field.queryEditableText().setTextContents(path)
        self.wait_for(lambda: _text(field) == path,
                      lambda: "name %r in the file dialog (it reads %r)" % (path, _text(field)))
        time.sleep(max(0.0, DWELL_SECONDS - (time.monotonic() - opened)))
        self.key("Return")
        self.wait_for(lambda: not any(w.getRole() == pyatspi.ROLE_DIALOG and w.name == title
                                      for w in self.windows()),
                      "closing of the file dialog %r after Return" % title)
        return title

    def _alert(self):
        for window in self.windows():
            if window.getRole() == pyatspi.ROLE_ALERT:
                return window
        return None

    def message_box(self, seconds=STEP_SECONDS):
        node = self.wait_for(self._alert, "message box", seconds)
        # The text's label comes first, then the informative text's.
        labels = [n.name for n in _children(node)
                  if n.getRole() == pyatspi.ROLE_LABEL and _showing(n) and n.name]
        buttons = [n.name for n in self.find_shown(pyatspi.ROLE_PUSH_BUTTON, window=node)]
        return MessageBox(node, node.name, labels[0] if labels else "",
                          labels[1] if len(labels) > 1 else "", buttons)

    def expect_error_box(self, box, procedure, file_name, reason=None, *values):
        """The program's error box: the failed command's name, the title
        "Error", OK alone, and a second line that names the file and, when
        `reason` (one of FAILURES) is given, says that reason in the
        program's language."""
        self.expect("box title", box.title, "Error")
        self.expect("box text", box.text, procedure)
        self.expect("box buttons", box.buttons, ["OK"])
        self.expect_true("the box's informative text names %r" % file_name,
                         file_name in box.informative, "it reads %r" % box.informative)
        if reason is not None:
            self.expect("the box's reason", box.informative,
                        self.failure_text(reason, file_name, *values))

    def failure_text(self, reason, file_name, *values):
        """A reason as the program words it: from the language file that the
        main text file names, German when that cannot be read."""
        def lines(name):
            with open(os.path.join(self.folder, name), "rb") as f:
                return f.read().decode("cp1252").splitlines()
        main = lines(MAIN_TEXT_FILE)
        try:
            language = lines(main[main.index("[SPRACHE]") + 1])
            language.index("[FEHLER]")
        except (OSError, ValueError, IndexError):
            language = lines("Deutsch.ini")
        text = language[language.index("[FEHLER]") + 1 + FAILURES.index(reason)]
        arguments = (file_name,) + values
        return re.sub(r"%([1-9])", lambda m: arguments[int(m.group(1)) - 1]
                      if int(m.group(1)) <= len(arguments) else m.group(0), text)

    def press_ok(self, box):
        self.press(box, "OK")

    def press(self, box, caption):
        """Clicks the box's button of that caption (no mnemonic '&') and waits for it to close."""
        buttons = self.find_shown(pyatspi.ROLE_PUSH_BUTTON, caption, window=box.node)
        if len(buttons) != 1:
            raise Failure("%r: %d %r buttons shown" % (box, len(buttons), caption))
        self.click(buttons[0])
        self.wait_for(lambda: not any(w.getRole() == pyatspi.ROLE_ALERT for w in self.windows()),
                      "closing of the message box after %s" % caption)

    def no_message_box(self):
        return [w.name for w in self.windows() if w.getRole() == pyatspi.ROLE_ALERT] == []

    # --- the program's controls ------------------------------------------

    def order_code(self):
        """The shown order-code box's text, or None."""
        boxes = [n for name in ORDER_CODE_NAMES for role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
                 for n in self.find_shown(role, name)]
        return _text(boxes[0]) if len(boxes) == 1 else None

    def wait_for_order_code(self, code):
        return self.wait_for(lambda: self.order_code() == code,
                             lambda: "order code %r (shown: %r)" % (code, self.order_code()))

    # --- evidence ---------------------------------------------------------

    def screenshot(self, name):
        """The whole screen as a PNG, when asked for and ImageMagick's import
        is there."""
        if not self.shots_dir or not shutil.which("import"):
            return None
        os.makedirs(self.shots_dir, exist_ok=True)
        path = os.path.join(self.shots_dir, "".join(c if c.isalnum() or c in "-_" else "_"
                                                    for c in name) + ".png")
        result = subprocess.run(["import", "-window", "root", path], timeout=15,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return path if result.returncode == 0 else None
