"""The calculator as a user meets it: a copy of the program in a folder of its
own (where it keeps "VaZizi.ini"), started as a separate process and driven
only through the X server: the keyboard (fields reached with Tab, menus from
the menu bar), windows dragged by their title bars, fields read back through
the clipboard. It knows the program only by what a user sees: window titles
and menu items."""

import os
import shutil
import stat
import subprocess
import tempfile
import time
import unittest

import xsession as x

PROGRAM_NAME = "brindles-math"
SETTINGS_NAME = "VaZizi.ini"
NOBODY = 65534  # the unprivileged user and group the read-only runs use

# Every run uses a German locale, where the toolkit would write "3,5": the
# calculator must keep "." as its decimal point whatever the locale says.
LOCALE = "de_DE.UTF-8"

# Menu titles and their items, in the order they stand (the arrow keys skip
# separators), and the title of the page each "Calculate" item shows.
MAIN_MENUS = {
    "Calculate": ("Triangle", "Bolt Circle", "Box", "Bender", "Conversions", "Exit"),
    "Help": ("Help", "Website", "About"),
}
HELP_MENUS = {"Help": ("Conversions", "Squares", "Triangles", "Circles", "Bender", "Close")}
PAGE_TITLES = {"Triangle": "Triangles", "Bolt Circle": "Circle, Shapes and Bolt Circle",
               "Box": "Rectangle and Squares", "Bender": "Bend Calculator",
               "Conversions": "Unit Converter"}


def program_under_test():
    return os.environ["BRINDLE_E2E_PROGRAM"]


class CalculatorApp:
    """One folder with a copy of the program; start() runs it, and may be
    called again after it ended to see what a second start restores."""

    def __init__(self, settings=None):
        """settings: the bytes of a "VaZizi.ini" to put beside the program
        before its first start, or None for a first run without one."""
        self.folder = tempfile.mkdtemp(prefix="program-")
        os.chmod(self.folder, 0o755)
        self.program = os.path.join(self.folder, PROGRAM_NAME)
        shutil.copy(program_under_test(), self.program)
        os.chmod(self.program, 0o755)
        # The program is started from elsewhere: its settings belong beside
        # the program file, not in the working directory.
        self.elsewhere = tempfile.mkdtemp(prefix="elsewhere-")
        os.chmod(self.elsewhere, 0o777)
        self.home = tempfile.mkdtemp(prefix="home-")
        os.chmod(self.home, 0o777)
        self.settings_path = os.path.join(self.folder, SETTINGS_NAME)
        if settings is not None:
            with open(self.settings_path, "wb") as f:
                f.write(settings)
        self.process = None
        self.log_path = os.path.join(self.home, "program.log")
        self.main = None  # the X window of the main window

    # ---- The process ---------------------------------------------------

    def start(self, title, unprivileged=False):
        """Starts the program and waits for its main window to show the page
        of that title. unprivileged: run it as a user that file permissions
        apply to (see unprivileged_prefix)."""
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "DISPLAY": os.environ["DISPLAY"],
            "QT_QPA_PLATFORM": "xcb",
            "LANG": LOCALE,
            "LC_ALL": LOCALE,
            "HOME": self.home,
        }
        # A sanitizer build keeps the options its test run was given.
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                env[name] = os.environ[name]
        command = [*unprivileged_prefix(), self.program] if unprivileged else [self.program]
        with open(self.log_path, "ab") as log:
            self.process = subprocess.Popen(command, cwd=self.elsewhere, env=env, stdout=log,
                                            stderr=log, preexec_fn=x.die_with_parent)
        self.main = self.window_titled(title, timeout=30)
        self.wait_until_shown(self.main)
        return self

    def wait_until_shown(self, window):
        """Waits until the window is mapped inside its frame."""
        return x.wait_for(lambda: (g := x.geometry(window)) and g.frame_top > 0 and g,
                          f"window {window} to be shown in a frame")

    def wait_for_exit(self, timeout=30):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program did not end within {timeout} s") from None

    def log(self):
        with open(self.log_path, "rb") as f:
            return f.read().decode("latin-1")

    def close(self):
        """Ends the program if it still runs and removes its folders."""
        x.stop_process(self.process)
        shutil.rmtree(self.folder, ignore_errors=True)
        shutil.rmtree(self.elsewhere, ignore_errors=True)
        shutil.rmtree(self.home, ignore_errors=True)

    # ---- Windows -------------------------------------------------------

    def window_titled(self, title, timeout=30):
        """Waits for a shown window of the program with exactly this title."""
        def find():
            if self.process.poll() is not None:
                raise AssertionError(f"the program ended ({self.process.returncode}) while "
                                     f"a window titled {title!r} was awaited:\n{self.log()}")
            for window, name in x.visible_windows(self.process.pid).items():
                if name == title:
                    return window
            return None
        return x.wait_for(find, f"a window titled {title!r}", timeout=timeout)

    def window_gone(self, window):
        x.wait_for(lambda: window not in x.visible_windows(self.process.pid),
                   f"window {window} to close")

    def main_geometry(self):
        return x.geometry(self.main)

    # ---- Fields, from the keyboard -------------------------------------

    def keys(self, *keys):
        """Presses keys in the main window, e.g. "Tab", "Return", "Down"."""
        x.activate(self.main)
        x.press_keys(*keys)

    def type_fields(self, *texts):
        """Types each text into a field in Tab order, from the one that has
        the focus: the first replaces its text, Tab leads to the next."""
        x.activate(self.main)
        for i, text in enumerate(texts):
            x.press_keys(*(["Tab"] if i else []), "ctrl+a", "BackSpace")
            x.type_text(text)

    def copy_field(self):
        """The text of the field that has the focus, copied as a user would:
        Ctrl+A, Ctrl+C. An empty field puts nothing on the clipboard."""
        marker = f"<nothing copied at {time.monotonic()}>"
        x.set_clipboard(marker)
        self.keys("ctrl+a", "ctrl+c")
        return x.wait_for(lambda: (t := x.clipboard()) is not None and t != marker and t,
                          "a field's text on the clipboard (is the field empty?)")

    # ---- Menus ---------------------------------------------------------

    def choose_menu(self, title, item, window=None, menus=MAIN_MENUS):
        """Chooses a menu item from the keyboard: Alt reaches the menu bar,
        Right moves to the title, Down opens it, Down walks to the item and
        Return chooses it."""
        window = window or self.main
        x.activate(window)
        x.park_pointer()  # an item under the pointer would take the highlight
        before = self._popups()
        x.press_keys("alt", *["Right"] * list(menus).index(title), "Down")
        self._wait_for_popup(before, f"the {title!r} menu")
        x.press_keys(*["Down"] * menus[title].index(item), "Return")
        if self.process.poll() is None:
            x.wait_for(lambda: self.process.poll() is not None or not (self._popups() - before),
                       f"the {title!r} menu to close")

    def show_calculator(self, item):
        """Chooses a calculator from the "Calculate" menu and waits for its page."""
        self.choose_menu("Calculate", item)
        x.wait_for(lambda: x.visible_windows(self.process.pid).get(self.main) == PAGE_TITLES[item],
                   f"the main window to show {PAGE_TITLES[item]!r}")

    def _popups(self):
        """Drop-down lists and menus that are open: override-redirect windows."""
        popups = set()
        for window in x.visible_windows(self.process.pid):
            g = x.geometry(window)
            if g and g.override_redirect:
                popups.add(window)
        return popups

    def _wait_for_popup(self, before, what):
        x.wait_for(lambda: self._popups() - before, f"{what} to open")

    # ---- Message boxes -------------------------------------------------

    def message_box(self, title):
        """Waits for a message box with this title and returns its window."""
        box = self.window_titled(title)
        self.wait_until_shown(box)
        return box

    def answer_ok(self, box):
        """Closes a message box with its OK button (the default, pressed with
        Return) and waits until it is gone."""
        x.activate(box)
        x.press_keys("Return")
        self.window_gone(box)

    # ---- Moving windows ------------------------------------------------

    def drag_title_bar(self, window, dx, dy):
        """Drags a window by its title bar and returns its new frame corner. The
        program takes a drag at any moment as the user's: nothing waits first."""
        g = self.wait_until_shown(window)
        start = (g.x - g.frame_left + g.frame_width // 2, g.y - g.frame_top // 2)
        corner = (g.frame_corner[0] + dx, g.frame_corner[1] + dy)
        x.drag(start, (start[0] + dx, start[1] + dy))
        x.park_pointer()
        x.wait_for(lambda: x.geometry(window).frame_corner == corner,
                   f"window {window} to be dragged to {corner}")
        return corner

    def move_window(self, window, corner):
        """Moves a window through the window manager (xdotool windowmove)."""
        x.run("xdotool", "windowmove", "--sync", str(window), *map(str, corner))
        x.wait_for(lambda: x.geometry(window).frame_corner == tuple(corner),
                   f"window {window} to move to {corner}")

    def resize_window(self, window, size):
        """Gives a window a new inner size through the window manager."""
        x.run("xdotool", "windowsize", "--sync", str(window), *map(str, size))
        x.wait_for(lambda: (g := x.geometry(window)) and (g.width, g.height) == tuple(size),
                   f"window {window} to take the inner size {size}")

    def click_close_box(self, window, activate=True):
        """Clicks the close box at the right end of openbox's title bar."""
        g = self.wait_until_shown(window)
        if activate:
            x.activate(window)
        frame_right = g.x - g.frame_left + g.frame_width
        x.click_at(frame_right - 11, g.y - g.frame_top // 2)
        x.park_pointer()

    # ---- The settings file ---------------------------------------------

    def settings(self):
        """The bytes of "VaZizi.ini", or None when there is no such file."""
        try:
            with open(self.settings_path, "rb") as f:
                return f.read()
        except FileNotFoundError:
            return None

    def wait_for_settings(self, expected, timeout=30):
        """Waits until the settings file holds exactly these bytes."""
        try:
            x.wait_for(lambda: self.settings() == expected,
                       f"the settings file to read {expected!r}", timeout=timeout)
        except x.WaitTimeout as timeout_error:
            raise AssertionError(f"{timeout_error}; it reads {self.settings()!r}") from None

    def make_settings_read_only(self, folder_writable):
        """Leaves "VaZizi.ini" read-only for the user the program runs as;
        the folder stays readable, or writable too if asked."""
        os.chmod(self.settings_path, 0o444)
        os.chmod(self.folder, 0o777 if folder_writable else 0o755)

    def unprivileged_can_open_for_writing(self, path):
        """Whether the user of an unprivileged run manages to open the file
        for reading and writing (nothing is written either way)."""
        probe = subprocess.run(
            [*unprivileged_prefix(), "/bin/sh", "-c", 'exec 3<>"$1"', "sh", path],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return probe.returncode == 0

    def folder_listing(self):
        """Every file beside the program with its inode, time of change and
        permissions: a file replaced or merely rewritten in place shows."""
        listing = []
        for name in sorted(os.listdir(self.folder)):
            st = os.stat(os.path.join(self.folder, name))
            listing.append((name, st.st_ino, st.st_mtime_ns, stat.S_IMODE(st.st_mode)))
        return listing


def settings_lines(*entries):
    """The bytes of a settings file as the program writes it: one line per
    (key, value), " = " between them, each line ended by CR LF."""
    return b"".join(f"{key} = {value}\r\n".encode() for key, value in entries)


def unprivileged_prefix():
    """How to run a command as a user that file permissions hold back: root
    ignores them, so a root test run uses the user nobody."""
    if os.geteuid() != 0:
        return []
    return ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups"]


class CalculatorTestCase(unittest.TestCase):
    """Each test gets fresh copies of the program, removed (and ended, if
    still running) when the test ends, whatever its outcome."""

    def new_app(self, settings=None):
        app = CalculatorApp(settings)
        self.addCleanup(app.close)
        return app
