"""Input a calculation cannot use: a message box, closed with its default
OK button, and the typed fields left as they were."""

from calculator_app import CalculatorTestCase


class MessageBoxes(CalculatorTestCase):

    def test_a_side_too_long(self):
        app = self.new_app().start("Triangles")
        app.keys("Tab")  # from the units drop-down to Side A
        app.type_fields("1", "2", "3")
        app.keys("Return")
        app.answer_ok(app.message_box("Triangle Math Error"))
        self.assertEqual(app.copy_field(), "3")
