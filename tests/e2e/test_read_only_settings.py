"""A "VaZizi.ini" the user may not write: the program runs on its values and
never changes it, whatever the user moves, switches or chooses."""

from calculator_app import CalculatorTestCase
from page_tables import SQUARE

# Lines as a person might write them by hand; any rewrite by the program
# would show at once (" = " and CR LF).
SETTINGS = b"WinX=200\nWinY=150\nCalcW=3\nCalcU=1\n"


class ReadOnlySettings(CalculatorTestCase):

    def run_on_read_only_settings(self, folder_writable):
        app = self.new_app(SETTINGS)
        app.make_settings_read_only(folder_writable)
        self.assertFalse(app.unprivileged_can_open_for_writing(app.settings_path),
                         "the test cannot make the settings file read-only for the program")
        before = app.folder_listing()

        app.start(SQUARE, unprivileged=True)
        self.assertEqual(app.main_geometry().frame_corner, (200, 150))
        app.fill({"Width": "3", "Height": "4"})
        app.click("Calculate")
        self.assertEqual(app.read("Diagonal"), "5.0000")  # "Decimal" from the file

        app.drag_title_bar(app.main, 60, 40)
        app.show_calculator("Bolt Circle")
        self.assertEqual(app.main_geometry().frame_corner, (260, 190))
        app.choose_entry("Units", "Fractions")
        app.type_into("Radius", "1 1/2")
        app.click("Calc")
        # Read back after every change, so the program has handled them all.
        self.assertEqual(app.read("Diameter"), "3")

        self.assertEqual(app.settings(), SETTINGS)
        self.assertEqual(app.folder_listing(), before,
                         "a file beside the program was added, replaced or touched")
        app.choose_menu("Calculate", "Exit")
        self.assertEqual(app.wait_for_exit(), 0)
        self.assertEqual(app.settings(), SETTINGS)

    def test_in_a_folder_the_user_may_only_read(self):
        self.run_on_read_only_settings(folder_writable=False)

    def test_in_a_folder_the_user_may_write(self):
        self.run_on_read_only_settings(folder_writable=True)
