# A private X server (Xvfb) with openbox, and the X tools the tests use to
# look at windows (xwininfo, xprop) and to act as a user (xdotool, xclip).

import ctypes
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
from collections import namedtuple

TOOLS = ("Xvfb", "openbox", "xdotool", "xclip", "xwininfo", "xprop")
SCREEN = (1280, 1024)

def die_with_parent():
    # Run in a child before exec: it dies with the test runner, however that
    # dies (prctl's PR_SET_PDEATHSIG, 1).
    ctypes.CDLL(None).prctl(1, signal.SIGKILL)


def missing_tools():
    return [tool for tool in TOOLS if shutil.which(tool) is None]


def wait_for(condition, what, timeout=30.0):
    # Polls condition() until it gives a true value, and returns that value;
    # what (a text, or a function giving one) says what was awaited.
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() >= deadline:
            raise AssertionError(f"waited {timeout:g} s for {what() if callable(what) else what}")
        time.sleep(0.03)
    return value


def run(*command, check=True):
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            text=True, timeout=30)
    if check and result.returncode != 0:
        raise RuntimeError(f"{' '.join(command)} failed ({result.returncode}): "
                           f"{result.stderr.strip()}")
    return result.stdout


def stop_process(process, grace=3.0):
    # Ends a child process: politely first, then for sure.
    if process is not None and process.poll() is None:
        process.terminate()
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class XSession:
    # Xvfb on a free display with openbox on it; start() sets DISPLAY.

    def __init__(self):
        self.display = self.xvfb = self.openbox = None
        self.logs = tempfile.mkdtemp(prefix="x-logs-")

    def start(self):
        # Xvfb writes its display's number to the pipe once it takes clients.
        ready, write_end = os.pipe()
        with open(os.path.join(self.logs, "xvfb.log"), "wb") as log:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                 f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp", "-noreset"],
                stdout=log, stderr=log, pass_fds=(write_end,), preexec_fn=die_with_parent)
        os.close(write_end)
        with os.fdopen(ready) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start; see " + self.logs)
        self.display = os.environ["DISPLAY"] = f":{number}"
        with open(os.path.join(self.logs, "openbox.log"), "wb") as log:
            self.openbox = subprocess.Popen(["openbox", "--sm-disable"], stdout=log, stderr=log,
                                            preexec_fn=die_with_parent)

        def managing():
            if self.openbox.poll() is not None:
                raise RuntimeError("openbox ended at start-up; see " + self.logs)
            return "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK",
                                      check=False)

        wait_for(managing, "openbox to manage the screen", timeout=20)

    def stop(self):
        stop_process(self.openbox)
        stop_process(self.xvfb)
        shutil.rmtree(self.logs, ignore_errors=True)


# ---- Windows -------------------------------------------------------------

class Geometry(namedtuple("Geometry", "x y width height frame_left frame_right frame_top "
                                       "frame_bottom override_redirect")):
    # A top-level window: its inner area on the screen and its frame; the
    # frame's outer top-left corner and its size.
    frame_corner = property(lambda g: (g.x - g.frame_left, g.y - g.frame_top))
    frame_width = property(lambda g: g.width + g.frame_left + g.frame_right)
    frame_height = property(lambda g: g.height + g.frame_top + g.frame_bottom)


def geometry(window):
    # The geometry of a window, or None when it is gone or not shown.
    info = run("xwininfo", "-id", str(window), check=False)
    if "IsViewable" not in info:
        return None
    values = dict(re.findall(r"^\s*([A-Za-z -]+):\s+(\S+)\s*$", info, re.M))
    extents = run("xprop", "-id", str(window), "_NET_FRAME_EXTENTS", check=False)
    numbers = [int(n) for n in re.findall(r"\d+", extents.partition("=")[2])]
    left, right, top, bottom = numbers if len(numbers) == 4 else (0, 0, 0, 0)
    return Geometry(int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                    int(values["Width"]), int(values["Height"]), left, right, top, bottom,
                    values.get("Override Redirect State") == "yes")


def visible_windows(pid):
    # The shown top-level windows of a process, as {window id: title}.
    windows = {}
    for window in run("xdotool", "search", "--onlyvisible", "--pid", str(pid), check=False).split():
        name = subprocess.run(["xdotool", "getwindowname", window], stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, text=True)
        if name.returncode == 0:
            windows[int(window)] = name.stdout.rstrip("\n")
    return windows


def active_window(what="getactivewindow"):
    out = run("xdotool", what, check=False).strip()
    return int(out) if out.isdigit() else None


def activate(window):
    # Brings a window to the front, as a click on it would, and waits until it
    # has the keyboard: a program that takes the input focus itself when the
    # window manager offers it (Wine) has it a moment after it is active.
    if active_window() != window:
        run("xdotool", "windowactivate", str(window), check=False)
    wait_for(lambda: active_window() == window and active_window("getwindowfocus") == window,
             f"window {window} to become active with the keyboard")


# ---- Mouse and keyboard --------------------------------------------------

# A spot of bare screen far from every window, where no tool tip pops up.
PARKING_SPOT = (SCREEN[0] - 2, SCREEN[1] - 2)


def move_pointer(x, y):
    # xdotool's --sync would wait for ever for a pointer already there to move.
    found = dict(re.findall(r"(\w+):(\d+)", run("xdotool", "getmouselocation")))
    if (int(found["x"]), int(found["y"])) != (x, y):
        run("xdotool", "mousemove", "--sync", str(x), str(y))


def park_pointer():
    move_pointer(*PARKING_SPOT)


def drag(start, end, steps=8):
    # Presses the left button at start, moves in steps to end, releases.
    move_pointer(*start)
    run("xdotool", "mousedown", "1")
    for step in range(1, steps + 1):
        move_pointer(start[0] + (end[0] - start[0]) * step // steps,
                     start[1] + (end[1] - start[1]) * step // steps)
    run("xdotool", "mouseup", "1")


def press_keys(*keys):
    # Key presses to the window with the focus, e.g. "alt", "Down", "ctrl+a".
    run("xdotool", "key", "--delay", "15", *keys)


def type_text(text):
    run("xdotool", "type", "--delay", "15", text)


# ---- Clipboard ----------------------------------------------------------

def clipboard():
    # The clipboard's text, or None when nobody offers one (or its owner, a
    # busy program under Wine, does not answer in time: the caller asks again).
    try:
        result = subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=10)
    except subprocess.TimeoutExpired:
        return None
    return result.stdout.decode("latin-1") if result.returncode == 0 else None


def set_clipboard(text):
    # Puts text on the clipboard (xclip offers it until another program takes over).
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text.encode(),
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)
    wait_for(lambda: clipboard() == text, "the clipboard to hold the marker text")
