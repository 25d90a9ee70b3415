"""Moves a quick user makes: a drag the moment the window shows, and a
calculator chosen the moment a drag is let go. The program tells them from
its own placing of the window, so each is written to the settings file."""

from calculator_app import CalculatorTestCase, settings_lines
from page_tables import TRIANGLE
import xsession as x


class QuickMoves(CalculatorTestCase):

    def test_a_drag_at_once_after_the_start_is_written(self):
        app = self.new_app().start(TRIANGLE)
        g = app.main_geometry()
        start = (g.x + g.width // 2, g.y - g.frame_top // 2)
        x.drag(start, (start[0] + 120, start[1] + 80))
        app.wait_for_settings(settings_lines(("Winx", 466), ("WinY", 130)), timeout=3)

    def test_a_calculator_chosen_at_once_after_a_drag_opens_where_the_window_was_dragged(self):
        app = self.new_app().start(TRIANGLE)
        app.pause_like_a_person(app.main)
        g = app.main_geometry()
        start = (g.x + g.width // 2, g.y - g.frame_top // 2)
        x.drag(start, (start[0] + 120, start[1] + 80))
        # Let go and choose "Box" (the third item) in one breath.
        x.press_keys("alt", "Down", "Down", "Down", "Return")
        x.wait_for(lambda: x.visible_windows(app.process.pid).get(app.main) ==
                   "Rectangle and Squares", "the box page")
        app.pause_like_a_person(app.main)
        self.assertEqual(app.main_geometry().frame_corner, (466, 130))
        app.wait_for_settings(
            settings_lines(("Winx", 466), ("WinY", 130), ("CalcW", 3)), timeout=3)
