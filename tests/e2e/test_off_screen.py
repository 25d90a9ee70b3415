# A move right after a start that had to bring the window back onto the
# screen: the program tells it from its own placing, so it is written. (A drag
# the moment the window shows is played in test_settings_file.)

from calculator_app import CalculatorTestCase, settings_lines
import xsession as x


class OffScreen(CalculatorTestCase):

    def test_a_corner_off_the_screen_opens_on_it_and_the_first_move_is_the_users(self):
        saved = settings_lines(("WinX", 1500), ("WinY", 1200))
        app = self.new_app(saved).start("Triangles - Brindle's Math")
        # Brought onto the screen, whole, near its corner; nothing written.
        g, (width, height) = x.geometry(app.main), x.SCREEN
        right, bottom = g.frame_corner[0] + g.frame_width, g.frame_corner[1] + g.frame_height
        self.assertTrue(width - 20 <= right <= width and height - 20 <= bottom <= height,
                        f"frame {g.frame_corner} to {(right, bottom)} on a screen of {x.SCREEN}")
        self.assertEqual(app.settings(), saved)
        app.move_window(app.main, (600, 300))
        app.wait_for_settings(settings_lines(("Winx", 600), ("WinY", 300)))
        # A page switch keeps the window where the user put it.
        app.show_calculator("Box")
        self.assertEqual(app.corner(), (600, 300))
