# The first start writes nothing; then the settings file is written the
# moment a value changes, byte for byte in the program's format, and a second
# start brings every value back.

import os

from calculator_app import HELP_MENUS, CalculatorTestCase, settings_lines
import xsession as x

HELP_CORNER = (700, 400)
HELP_SIZE = (480, 360)


class SettingsFile(CalculatorTestCase):

    def test_each_change_is_written_at_once_and_restored_by_the_next_start(self):
        app = self.new_app()
        app.start("Triangles - Brindle's Math")
        self.assertEqual(app.corner(), (346, 50))
        self.assertIsNone(app.settings(), "starting wrote the settings file")

        # A drag the moment the window shows writes its corner ("Winx" with a
        # small x); "Box", chosen the moment the drag is let go, is calculator 3
        # and opens where the window was dragged.
        winx, winy = app.drag_title_bar(app.main, 120, 80)
        self.assertEqual((winx, winy), (466, 130))
        app.show_calculator("Box")
        written = [("Winx", winx), ("WinY", winy), ("CalcW", 3)]
        app.wait_for_settings(settings_lines(*written))
        self.assertEqual(app.corner(), (466, 130))

        # Enter runs the calculation and stores nothing. The units drop-down
        # comes third in Tab order, after Width and Height, then Area.
        app.type_fields("3", "4")
        app.keys("Return", "Tab", "Tab")
        self.assertEqual(app.copy_field(), "12")
        self.assertEqual(app.settings(), settings_lines(*written), "calculating wrote settings")
        app.keys("shift+Tab", "Down")
        written.append(("CalcU", 1))
        app.wait_for_settings(settings_lines(*written))

        # The help window first opens beside the main window without covering
        # it, and writes nothing: as wide as its longest line, it has room on
        # neither side of the main window here, and opens below it, level with
        # its left edge. Moving it writes all four help keys, and so does
        # resizing it.
        app.choose_menu("Help", "Help")
        help_window = app.window_titled("Math Help - Brindle's Math")
        opened, main = x.geometry(help_window), x.geometry(app.main)
        dx = opened.frame_corner[0] - main.frame_corner[0]
        dy = opened.frame_corner[1] - (main.frame_corner[1] + main.frame_height)
        self.assertTrue(abs(dx) <= 8 and 0 <= dy <= 8, f"{dx}, {dy} from below the main window")
        self.assertGreater(opened.height, 400, "30 lines of help text")
        self.assertEqual(app.settings(), settings_lines(*written), "opening help wrote settings")
        app.move_window(help_window, HELP_CORNER)
        x.wait_for(lambda: b"HelpX = 700\r\n" in (app.settings() or b""), "HelpX to be written")
        keys = [line.partition(b" = ")[0] for line in app.settings().splitlines()]
        self.assertEqual(keys, [key.encode() for key, _ in written] +
                         [b"HelpX", b"HelpY", b"HelpW", b"HelpH"])
        app.resize_window(help_window, HELP_SIZE)
        written += [("HelpX", 700), ("HelpY", 400), ("HelpW", 480), ("HelpH", 360)]
        app.wait_for_settings(settings_lines(*written))

        app.choose_menu("Calculate", "Exit")
        self.assertEqual(app.wait_for_exit(), 0)
        saved = app.settings()
        self.assertEqual(saved, settings_lines(*written), "ending the program changed the file")
        self.assertEqual(os.listdir(app.elsewhere), [],
                         "the program wrote into its working directory")

        # Second start: the same corner, page and units ("Decimal"), and the
        # help window where it was left, with its size.
        app.start("Rectangle and Squares - Brindle's Math")
        self.assertEqual(app.corner(), (winx, winy))
        app.type_fields("3", "4")
        app.keys("Return", "Tab", "Tab")  # from Height to the units, then Area
        self.assertEqual(app.copy_field(), "12.0000")

        app.choose_menu("Help", "Help")
        help_window = app.window_titled("Math Help - Brindle's Math")
        reopened = x.geometry(help_window)
        self.assertEqual(app.corner(help_window), HELP_CORNER)
        self.assertEqual((reopened.width, reopened.height), HELP_SIZE)

        # Closing the help window from its own menu saves nothing either.
        app.choose_menu("Help", "Close", window=help_window, menus=HELP_MENUS)
        app.window_gone(help_window)
        app.choose_menu("Calculate", "Exit")
        self.assertEqual(app.wait_for_exit(), 0)
        self.assertEqual(app.settings(), saved, "the second run changed the file")
