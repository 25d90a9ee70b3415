# Every way out through the window system ends the program with status 0
# and leaves the settings alone.

from calculator_app import CalculatorTestCase, settings_lines
import xsession as x

# A file the program has nothing to add to: the ways out must not rewrite it.
SETTINGS = settings_lines(("WinX", 300), ("WinY", 120), ("CalcW", 3), ("CalcU", 1))


class Ending(CalculatorTestCase):

    def test_exit_close_box_close_and_alt_f4(self):
        ways = {
            "Exit": lambda app: app.choose_menu("Calculate", "Exit"),
            "close box": lambda app: app.click_close_box(app.main),
            # From Width, the first in Tab order, back round to Close, the last.
            "Close": lambda app: app.keys("shift+Tab", "space"),
            "Alt+F4": lambda app: app.keys("alt+F4"),
        }
        for way, end in ways.items():
            with self.subTest(way):
                app = self.new_app(SETTINGS).start("Rectangle and Squares - Brindle's Math")
                end(app)
                self.assertEqual(app.wait_for_exit(), 0)
                self.assertEqual(app.settings(), SETTINGS)
