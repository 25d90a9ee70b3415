#!/usr/bin/env python3
"""Takes the README's screenshots from the real program on a private X server
(Xvfb with openbox): each calculator page with a worked example worked out,
the help window and the about window; or from the Windows program under Wine,
at a scale of the desktop's choosing (96 DPI is 100 %, 144 is 150 %).

    scripts/screenshots.py build/dev/brindles-math [docs/screenshots]
    QT_SCALE_FACTOR=1.5 scripts/screenshots.py build/dev/brindles-math /tmp/shots-150
    scripts/screenshots.py build/windows/brindles-math.exe docs/screenshots/windows-150 144
"""

import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

import calculator_app as app_module  # noqa: E402
import xsession as x  # noqa: E402

# Page title, settings (CalcW, CalcU), texts typed into the controls in Tab order
# from the first ("" passes one by), keys pressed after them, file name.
SHOTS = [
    ("Triangles - Brindle's Math", 0, 1, ["", "2", "3", "", "4", "", "5"], ["Return"],
     "triangle.png"),
    ("Circle, Shapes and Bolt Circle - Brindle's Math", 1, 1, ["", "1", "2", "", "", "", "6"],
     ["Return"], "circle.png"),
    ("Rectangle and Squares - Brindle's Math", 3, 0, ["3", "4", "", "", "", "", "", "1.5"],
     ["Return"], "box.png"),
    # Each distance, then the radius and angle of the bend after it.
    ("Bend Calculator - Brindle's Math", 2, 0,
     ["", "", "", "1/4", *[t for d in ("2", "3", "3", "2") for t in (d, "1/4", "90")], "1"],
     ["Return"], "bender.png"),
    # From "Fraction Feet" (second) to "Decimal Inch" (sixth), then back to the
    # value for Enter.
    ("Unit Converter - Brindle's Math", 4, 0, ["1 1/2"],
     ["Tab", "Home", "Down", "Tab", "Tab", "Home", *["Down"] * 5, "shift+Tab", "shift+Tab",
      "shift+Tab", "Return"], "converter.png"),
    ("Tape Math - Brindle's Math", 5, 0, ["(4'-8 3/8\" + 4'-7 1/2\") / 2"], ["Return"],
     "tape_math.png"),
]


def grab(window, path):
    """Saves the window with its frame, as it stands on the screen."""
    g = x.wait_for(lambda: x.geometry(window), f"window {window}")
    left, top = g.frame_corner
    subprocess.run(["import", "-window", "root", "-crop",
                    f"{g.frame_width}x{g.frame_height}+{left}+{top}",
                    "+repage", path], check=True)


def set_wine_scale(dpi):
    """The desktop's scale in the Wine folder the program runs in."""
    env = {**os.environ, **app_module.backend().wine_env(os.geteuid())}
    subprocess.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                    "REG_DWORD", "/d", str(dpi), "/f"], env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-w"], env=env)


def main():
    program, out = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "docs/screenshots")
    os.environ["BRINDLE_E2E_PROGRAM"] = os.path.abspath(program)
    os.makedirs(out, exist_ok=True)
    session = x.XSession()
    session.start()
    try:
        if program.endswith(".exe"):
            set_wine_scale(int(sys.argv[3]) if len(sys.argv) > 3 else 96)
        for title, calc_w, calc_u, texts, keys, name in SHOTS:
            settings = f"CalcW = {calc_w}\r\nCalcU = {calc_u}\r\n".encode()
            app = app_module.CalculatorApp(settings)
            try:
                app.start(title)
                app.type_fields(*texts)
                app.keys(*keys)
                x.park_pointer()
                grab(app.main, os.path.join(out, name))
                if calc_w == 0:
                    app.choose_menu("Help", "Help")
                    help_window = app.window_titled("Math Help - Brindle's Math")
                    grab(help_window, os.path.join(out, "help.png"))
                    app.choose_menu("Help", "About")
                    about = app.window_titled("About Math Calculator - Brindle's Math")
                    x.park_pointer()
                    grab(about, os.path.join(out, "about.png"))
            finally:
                app.close()
            print("wrote", os.path.join(out, name))
    finally:
        app_module.backend().stop()
        session.stop()


if __name__ == "__main__":
    main()
