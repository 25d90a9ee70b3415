# Recalculating typed as a user types it: a value changed after a Calc is
# worked from, the program's own answers are worked out again, and Enter twice
# gives the same answer.

from calculator_app import CalculatorTestCase, settings_lines


class RecalculateTest(CalculatorTestCase):

    def test_a_longer_side_keeps_the_right_triangle(self):
        settings = settings_lines(("CalcW", 0), ("CalcU", 1))
        app = self.new_app(settings).start("Triangles - Brindle's Math")
        # Tab from Units: Unit Weight, Side A, Angle AB, Side B, Angle BC, Side C.
        app.keys("Tab", "Tab")
        app.type_fields("3.5", "90", "6")
        app.keys("Return")
        app.type_fields("8")  # Side B, which has the focus
        app.keys("Return", "Tab", "Tab")
        self.assertEqual(app.copy_field(), "8.7321")  # Side C, the hypotenuse
        app.keys("Return")
        self.assertEqual(app.copy_field(), "8.7321")
        app.keys("shift+Tab", "shift+Tab", "shift+Tab")
        self.assertEqual(app.copy_field(), "90.0000")  # Angle AB stays right

    def test_the_radius_typed_after_a_diameter_wins(self):
        settings = settings_lines(("CalcW", 1), ("CalcU", 1))
        app = self.new_app(settings).start("Circle, Shapes and Bolt Circle - Brindle's Math")
        # Tab from Units: Weight Ea, Radius, Diameter.
        app.keys("Tab", "Tab", "Tab")
        app.type_fields("24")
        app.keys("Return", "shift+Tab")
        app.type_fields("6")
        app.keys("Return", "Tab")
        self.assertEqual(app.copy_field(), "12.0000")
