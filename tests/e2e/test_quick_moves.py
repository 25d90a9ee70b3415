"""Moves a quick user makes: a drag the moment the window shows, a calculator
chosen the moment a drag is let go, and a move right after a start that had to
bring the window back onto the screen. The program tells them from its own
placing of the window, so each is written to the settings file."""

from calculator_app import PAGE_TITLES, CalculatorTestCase, settings_lines
import xsession as x


class QuickMoves(CalculatorTestCase):

    def test_a_calculator_chosen_at_once_after_a_drag_opens_where_the_window_was_dragged(self):
        app = self.new_app().start("Triangles")
        app.drag_title_bar(app.main, 120, 80)
        app.choose_menu("Calculate", "Box")  # as soon as the drag is let go
        app.wait_for_settings(settings_lines(("Winx", 466), ("WinY", 130), ("CalcW", 3)))
        x.wait_for(lambda: app.windows().get(app.main) == PAGE_TITLES["Box"],
                   "the box page")
        self.assertEqual(app.corner(), (466, 130))

    def test_a_corner_off_the_screen_opens_on_it_and_the_first_move_is_the_users(self):
        saved = settings_lines(("WinX", 1500), ("WinY", 1200))
        app = self.new_app(saved).start("Triangles")
        g = app.main_geometry()
        frame_height = g.height + g.frame_top + g.frame_bottom
        # Brought onto the screen, whole, near its corner; nothing written.
        right, bottom = g.frame_corner[0] + g.frame_width, g.frame_corner[1] + frame_height
        (width, height) = x.SCREEN
        self.assertTrue(width - 20 <= right <= width and height - 20 <= bottom <= height,
                        f"frame {g.frame_corner} to {(right, bottom)} on a screen of {x.SCREEN}")
        self.assertEqual(app.settings(), saved)
        app.move_window(app.main, (600, 300))
        app.wait_for_settings(settings_lines(("Winx", 600), ("WinY", 300)))
        # A page switch keeps the window where the user put it.
        app.show_calculator("Box")
        self.assertEqual(app.corner(), (600, 300))
