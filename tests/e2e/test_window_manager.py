# What the window manager decides and the program relies on: the main
# window's fixed size, the about window kept above the others where it opens,
# and a close request held back while a message box is open.

from calculator_app import CalculatorTestCase, settings_lines
import xsession as x


class WindowManager(CalculatorTestCase):

    def test_the_user_cannot_resize_the_main_window(self):
        app = self.new_app().start("Triangles - Brindle's Math")
        size = (x.geometry(app.main).width, x.geometry(app.main).height)
        x.run("xdotool", "windowsize", str(app.main), "800", "600")
        app.keys("Tab")  # a round trip through the program and the window manager
        self.assertEqual((x.geometry(app.main).width, x.geometry(app.main).height), size)

    def test_the_about_window_stays_on_top_at_the_main_windows_corner_and_moves_unsaved(self):
        app = self.new_app().start("Triangles - Brindle's Math")
        app.choose_menu("Help", "About")
        about = app.window_titled("About Math Calculator - Brindle's Math")
        self.assertEqual(app.corner(about), (346, 50))
        self.assertIn("_NET_WM_STATE_ABOVE", x.run("xprop", "-id", str(about), "_NET_WM_STATE"))
        app.move_window(about, (400, 300))
        x.activate(about)
        x.press_keys("Escape")
        app.show_calculator("Box")  # handled after the move: the file holds this alone
        app.wait_for_settings(settings_lines(("CalcW", 3)))

    def test_the_close_box_does_nothing_while_a_message_box_is_open(self):
        app = self.new_app().start("Triangles - Brindle's Math")
        app.keys("Tab", "Tab")  # from Units past Unit Weight to Side A
        app.type_fields("1", "", "2", "", "3")  # Side A, B and C, each before its angle
        app.keys("Return")
        box = app.window_titled("Triangle Math Error")
        app.click_close_box(app.main, activate=False)  # the box keeps the activation
        x.activate(box)
        x.press_keys("Return")  # OK, the default button
        app.window_gone(box)
        self.assertIsNone(app.process.poll(), "the close box ended the program past the box")
        self.assertEqual(app.copy_field(), "3")
