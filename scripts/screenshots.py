#!/usr/bin/env python3
"""Takes the README's screenshots from the real program on a private X server
(Xvfb with openbox): each calculator page with a worked example worked out,
the help window and the about window.

    scripts/screenshots.py build/dev/brindles-math [docs/screenshots]
"""

import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

import calculator_app as app_module  # noqa: E402
import page_tables as pages  # noqa: E402
import xsession as x  # noqa: E402

# Page, settings (CalcW, CalcU), fields typed, button pressed, file name.
SHOTS = [
    (pages.TRIANGLE, 0, 1, {"Side A": "3", "Side B": "4", "Side C": "5", "Unit Weight": "2"},
     "Calc", "triangle.png"),
    (pages.CIRCLE, 1, 1, {"Radius": "2", "Holes": "6", "Weight Ea": "1"}, "Calc", "circle.png"),
    (pages.SQUARE, 3, 0, {"Width": "3", "Height": "4", "Weight Each": "1.5"}, "Calculate",
     "box.png"),
    (pages.BENDER, 2, 0,
     {"Distance1": "2", "Distance2": "3", "Distance3": "3", "Distance4": "2", "Distance5": "1",
      "Radius1": "1/4", "Radius2": "1/4", "Radius3": "1/4", "Radius4": "1/4", "Angle1": "90",
      "Angle2": "90", "Angle3": "90", "Angle4": "90", "Thick": "1/4"}, "Calc", "bender.png"),
    (pages.CONVERTER, 4, 0, {"Convert value": "1 1/2"}, None, "converter.png"),
]


def grab(window, path):
    """Saves the window with its frame, as it stands on the screen."""
    g = x.wait_for(lambda: x.geometry(window), f"window {window}")
    left, top = g.frame_corner
    subprocess.run(["import", "-window", "root", "-crop",
                    f"{g.frame_width}x{g.height + g.frame_top + g.frame_bottom}+{left}+{top}",
                    "+repage", path], check=True)


def main():
    program, out = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "docs/screenshots")
    os.environ["BRINDLE_E2E_PROGRAM"] = os.path.abspath(program)
    os.makedirs(out, exist_ok=True)
    session = x.XSession()
    session.start()
    try:
        for page, calc_w, calc_u, fields, button, name in SHOTS:
            settings = f"CalcW = {calc_w}\r\nCalcU = {calc_u}\r\n".encode()
            app = app_module.CalculatorApp(settings)
            try:
                app.start(page)
                app.fill(fields)
                if page is pages.CONVERTER:
                    app.choose_entry("From Format", "Fraction Feet", pages.CONVERTER_UNITS)
                    app.choose_entry("Target Format", "Decimal Inch", pages.CONVERTER_UNITS)
                    button = "Convert"
                app.click(button)
                x.park_pointer()
                time.sleep(0.5)  # the results written and painted
                grab(app.main, os.path.join(out, name))
                if page is pages.TRIANGLE:
                    app.click("Help")
                    help_window = app.window_titled("Math Help")
                    app.wait_until_shown(help_window)
                    grab(help_window, os.path.join(out, "help.png"))
                    app.choose_menu("Help", "About")
                    about = app.window_titled("About Math Calculator")
                    app.wait_until_shown(about)
                    x.park_pointer()
                    grab(about, os.path.join(out, "about.png"))
            finally:
                app.close()
            print("wrote", os.path.join(out, name))
    finally:
        session.stop()


if __name__ == "__main__":
    main()
