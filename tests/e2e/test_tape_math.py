# Tape math typed as a user types it: an expression with feet, inches and
# fractions, Enter, and the Feet-Inch result read back; then "ans", the
# result just worked out, in the next expression.

from calculator_app import CalculatorTestCase, settings_lines


class TapeMathTest(CalculatorTestCase):

    def test_a_midpoint_then_ans_read_back_as_feet_and_inches(self):
        app = self.new_app(settings_lines(("CalcW", 5))).start("Tape Math - Brindle's Math")
        # The expression field has the focus; Round To, then Feet-Inch follow it.
        app.type_fields("(4'-8 3/8\" + 4'-7 1/2\") / 2")
        app.keys("Return", "Tab", "Tab")
        self.assertEqual(app.copy_field(), "4' 7 15/16\"")
        app.keys("shift+Tab", "shift+Tab")
        app.type_fields("ans * 2 - 1/16\"")
        app.keys("Return", "Tab", "Tab")
        self.assertEqual(app.copy_field(), "9' 3 13/16\"")
        self.assertEqual(app.settings(), settings_lines(("CalcW", 5)))
