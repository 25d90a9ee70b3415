"""Every way out ends the program with status 0 and leaves the settings alone."""

from calculator_app import CalculatorTestCase, settings_lines
from page_tables import CONVERTER, SQUARE
import xsession as x

# A file the program has nothing to add to: the ways out must not rewrite it.
SETTINGS = settings_lines(("WinX", 300), ("WinY", 120), ("CalcW", 3), ("CalcU", 1))


class Ending(CalculatorTestCase):

    def start(self, page=SQUARE, settings=SETTINGS):
        self.app = self.new_app(settings).start(page)
        return self.app

    def assert_ended_cleanly(self, settings=SETTINGS):
        self.assertEqual(self.app.wait_for_exit(), 0)
        self.assertEqual(self.app.settings(), settings)

    def test_exit_in_the_calculate_menu(self):
        self.start().choose_menu("Calculate", "Exit")
        self.assert_ended_cleanly()

    def test_close_box_of_the_main_window(self):
        app = self.start()
        app.click_close_box(app.main)
        self.assert_ended_cleanly()

    def test_alt_f4_through_the_window_manager(self):
        app = self.start()
        x.activate(app.main)
        x.press_keys("alt+F4")
        self.assert_ended_cleanly()

    def test_close_button_of_the_converter(self):
        settings = settings_lines(("CalcW", 4))
        self.start(CONVERTER, settings).click("Close")
        self.assert_ended_cleanly(settings)
