# The calculator as a user meets it: a copy of the program in a folder of its
# own (where it keeps "VaZizi.ini"), started as a separate process and driven
# only through the X server: keys, menus from the menu bar, title bars dragged,
# fields read back through the clipboard. The program is the Linux one, or the
# Windows one (a .exe) under Wine: Backend says where the two differ.

import contextlib
import functools
import os
import shutil
import subprocess
import tempfile
import time
import unittest

import xsession as x

NOBODY = 65534  # the unprivileged user and group the read-only runs use

# Menu titles and their items in the order they stand (the arrow keys skip
# separators; a group's submenu is one item), and the title of the page each
# "Calculate" item shows.
MAIN_MENUS = {
    "Calculate": ("Triangle", "Bolt Circle", "Box", "Bender", "Conversions", "Fractions",
                  "Material", "Exit"),
    "Help": ("Help", "Website", "About"),
}
HELP_MENUS = {"Help": ("Conversions", "Squares", "Triangles", "Circles", "Bender", "Fractions",
                       "Material", "Close")}
PAGE_TITLES = {item: page + " - Brindle's Math" for item, page in (
    ("Triangle", "Triangles"), ("Bolt Circle", "Circle, Shapes and Bolt Circle"),
    ("Box", "Rectangle and Squares"), ("Bender", "Bend Calculator"),
    ("Conversions", "Unit Converter"))}


def new_folder(prefix, mode):
    folder = tempfile.mkdtemp(prefix=prefix)
    os.chmod(folder, mode)
    return folder


def user_id(unprivileged):
    # Root ignores file permissions, so a root run uses the user nobody where they must bind.
    return NOBODY if unprivileged and os.geteuid() == 0 else os.geteuid()


def as_user(uid):
    # The command prefix that runs a command as this user.
    return [] if uid == os.geteuid() else ["setpriv", f"--reuid={uid}", f"--regid={uid}",
                                            "--clear-groups"]


class Backend:
    # How the program under test runs, from its file name.

    def __init__(self, program):
        self.wine = program.endswith(".exe")
        self.file_name = os.path.basename(program)
        self.prefixes = {}  # Wine folders, one for each user id

    def corner_shift(self, sizing_border):
        # Where openbox's frame corner stands from the corner the program
        # places and writes. Wine keeps a window's Windows frame (a border of
        # 3 px, 4 px with a sizing border, and a 19 px caption) around the inner
        # area openbox frames with 1 px and a 20 px title bar.
        return ((3, 3) if sizing_border else (2, 2)) if self.wine else (0, 0)

    def wine_env(self, uid):
        # Wine needs a folder of its own, owned by the user it runs as: made
        # once in the run's temporary folder, silent and with no installers.
        env = {"WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml=",
               "WINEPREFIX": self.prefixes.get(uid) or new_folder("wine-", 0o700)}
        if uid not in self.prefixes:
            os.chown(env["WINEPREFIX"], uid, uid)
            subprocess.run([*as_user(uid), "wineboot", "-i"], env={**os.environ, **env},
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
            self.prefixes[uid] = env["WINEPREFIX"]
        return env

    def start(self, program, unprivileged, **popen):
        uid = user_id(unprivileged)
        popen["env"].update(self.wine_env(uid) if self.wine else {"QT_QPA_PLATFORM": "xcb"})
        return subprocess.Popen([*as_user(uid), *(["wine"] if self.wine else []), program], **popen)

    def stop(self):
        for uid, prefix in self.prefixes.items():
            subprocess.run([*as_user(uid), "wineserver", "-k"],
                           env={**os.environ, "WINEPREFIX": prefix}, stderr=subprocess.DEVNULL)


@functools.cache
def backend():
    return Backend(os.environ["BRINDLE_E2E_PROGRAM"])


class CalculatorApp:
    # One folder with a copy of the program and, if given, the bytes of a
    # "VaZizi.ini" beside it; start() may be called again after it ended.

    def __init__(self, settings=None):
        # A path of non-ASCII letters and blanks.
        self.folder = new_folder("Schweißen José-", 0o755)
        self.program = os.path.join(self.folder, backend().file_name)
        shutil.copy(os.environ["BRINDLE_E2E_PROGRAM"], self.program)
        os.chmod(self.program, 0o755)
        # Started from elsewhere: the settings belong beside the program.
        self.elsewhere = new_folder("elsewhere-", 0o777)
        self.home = new_folder("home-", 0o777)
        self.settings_path = os.path.join(self.folder, "VaZizi.ini")
        if settings is not None:
            with open(self.settings_path, "wb") as f:
                f.write(settings)
        self.process = self.main = None
        self.log_path = os.path.join(self.home, "program.log")

    def start(self, title, unprivileged=False):
        # Starts the program (as a user file permissions bind, if asked) in a
        # German locale, where the toolkit would write "3,5", and waits for its
        # main window to show the page of that title.
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "DISPLAY": os.environ["DISPLAY"],
               "LANG": "de_DE.UTF-8", "LC_ALL": "de_DE.UTF-8", "HOME": self.home}
        # The sanitizers' options, and a scale for the toolkit (screenshots at 150 %).
        env.update({k: v for k, v in os.environ.items()
                    if k.endswith("SAN_OPTIONS") or k == "QT_SCALE_FACTOR"})
        with open(self.log_path, "ab") as log:
            self.process = backend().start(self.program, unprivileged, cwd=self.elsewhere,
                                           env=env, stdout=log, stderr=log,
                                           preexec_fn=x.die_with_parent)
        self.main = self.window_titled(title)
        return self

    def wait_for_exit(self):
        return self.process.wait(30)

    def close(self):
        x.stop_process(self.process)
        for folder in (self.folder, self.elsewhere, self.home):
            shutil.rmtree(folder, ignore_errors=True)

    def window_titled(self, title):
        # Waits for a window of the program with this title, shown in its frame.
        def find():
            if self.process.poll() is not None:
                with open(self.log_path, "rb") as log:
                    raise AssertionError(f"the program ended ({self.process.returncode}) while "
                                         f"{title!r} was awaited:\n{log.read().decode('latin-1')}")
            return next((w for w, name in self.windows().items()
                         if name == title and (g := x.geometry(w)) and g.frame_top > 0), None)
        return x.wait_for(find, f"a window titled {title!r}")

    def windows(self):
        return x.visible_windows(self.process.pid)

    def window_gone(self, window):
        x.wait_for(lambda: window not in self.windows(), f"window {window} to close")

    def corner(self, window=None):
        # The window's outer corner as the program places and writes it. The
        # main window alone has no sizing border.
        (fx, fy), (dx, dy) = x.geometry(window or self.main).frame_corner, self.shift(window)
        return fx - dx, fy - dy

    def shift(self, window):
        return backend().corner_shift(window not in (None, self.main))

    # ---- Keys and fields ------------------------------------------------

    def keys(self, *keys):
        x.activate(self.main)
        x.press_keys(*keys)

    def type_fields(self, *texts):
        # Types each text into a field in Tab order, from the one that has
        # the focus: the first replaces its text, Tab leads to the next.
        x.activate(self.main)
        for i, text in enumerate(texts):
            x.press_keys(*(["Tab"] if i else []), "ctrl+a", "BackSpace")
            x.type_text(text)

    def copy_field(self):
        # The focused field's text, copied with Ctrl+A, Ctrl+C.
        marker = f"<nothing copied at {time.monotonic()}>"
        x.set_clipboard(marker)
        self.keys("ctrl+a", "ctrl+c")
        return x.wait_for(lambda: (t := x.clipboard()) is not None and t != marker and t,
                          "a field's text on the clipboard (is the field empty?)")

    def choose_menu(self, title, item, window=None, menus=MAIN_MENUS):
        # Alt and the title's first letter open the menu; once it shows, Down
        # walks to the item and Return chooses it.
        x.activate(window or self.main)
        x.park_pointer()  # an item under the pointer would take the highlight
        before = self.popups()
        x.press_keys("alt+" + title[0].lower())
        x.wait_for(lambda: self.popups() - before, f"the {title!r} menu to open")
        x.press_keys(*["Down"] * menus[title].index(item), "Return")
        x.wait_for(lambda: self.process.poll() is not None or not (self.popups() - before),
                   f"the {title!r} menu to close")

    def show_calculator(self, item):
        self.choose_menu("Calculate", item)
        x.wait_for(lambda: self.windows().get(self.main) == PAGE_TITLES[item],
                   f"the main window to show {PAGE_TITLES[item]!r}")

    def popups(self):
        # Open menus and drop-down lists: override-redirect windows.
        return {w for w in self.windows() if (g := x.geometry(w)) and g.override_redirect}

    # ---- Moving windows ------------------------------------------------

    def drag_title_bar(self, window, dx, dy):
        # Drags a window by its title bar at once and returns its new corner.
        g, (left, top) = x.geometry(window), self.corner(window)
        start = (g.x - g.frame_left + g.frame_width // 2, g.y - g.frame_top // 2)
        x.drag(start, (start[0] + dx, start[1] + dy))
        x.park_pointer()
        corner = (left + dx, top + dy)
        x.wait_for(lambda: self.corner(window) == corner, f"window {window} to be dragged to {corner}")
        return corner

    def move_window(self, window, corner):
        # Moves a window through the window manager, to a corner as the program writes it.
        g, (dx, dy) = x.geometry(window), self.shift(window)
        if backend().wine:  # Wine asks openbox to place the inner area, not the frame
            dx, dy = dx + g.frame_left, dy + g.frame_top
        x.run("xdotool", "windowmove", "--sync", str(window), str(corner[0] + dx), str(corner[1] + dy))
        x.wait_for(lambda: self.corner(window) == tuple(corner), f"window {window} to move to {corner}")

    def resize_window(self, window, size):
        x.run("xdotool", "windowsize", "--sync", str(window), *map(str, size))
        x.wait_for(lambda: (g := x.geometry(window)) and (g.width, g.height) == tuple(size),
                   f"window {window} to take the inner size {size}")

    def click_close_box(self, window, activate=True):
        # Clicks the close box at the right end of openbox's title bar.
        g = x.geometry(window)
        if activate:
            x.activate(window)
        x.move_pointer(g.x - g.frame_left + g.frame_width - 11, g.y - g.frame_top // 2)
        x.run("xdotool", "click", "1")
        x.park_pointer()

    # ---- The settings file ---------------------------------------------

    def settings(self):
        # The bytes of "VaZizi.ini", or None when there is none.
        with contextlib.suppress(FileNotFoundError), open(self.settings_path, "rb") as f:
            return f.read()

    def wait_for_settings(self, expected):
        x.wait_for(lambda: self.settings() == expected,
                   lambda: f"the settings file to read {expected!r}; it reads {self.settings()!r}")


def settings_lines(*entries):
    # A settings file as the program writes it: "key = value" and CR LF.
    return b"".join(f"{key} = {value}\r\n".encode() for key, value in entries)


class CalculatorTestCase(unittest.TestCase):
    # Each test's programs are ended and their folders removed after it.

    def new_app(self, settings=None):
        app = CalculatorApp(settings)
        self.addCleanup(app.close)
        return app
