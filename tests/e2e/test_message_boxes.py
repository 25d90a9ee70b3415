"""Input a calculation cannot use: a message box, and every field as it was."""

from calculator_app import CalculatorTestCase
from page_tables import TRIANGLE


class MessageBoxes(CalculatorTestCase):

    def setUp(self):
        self.app = self.new_app().start(TRIANGLE)

    def test_circle_without_radius_or_diameter(self):
        app = self.app
        app.show_calculator("Bolt Circle")
        app.fill({"Radius": "2", "Holes": "6"})
        app.click("Calc")
        self.assertEqual(app.read("Area"), "10 25/64")

        app.fill({"Radius": "0", "Diameter": "abc"})
        app.click("Calc")
        app.answer_ok(app.message_box("Circle Error"))
        self.assert_fields(app, {
            "Radius": "0", "Diameter": "abc", "Holes": "6", "Angle": "60.0000", "Cord": "2",
            "Area": "10 25/64", "Perimiter": "12", "Weight T": "0.0000",
        })

    def test_triangle_with_one_side_too_long_or_without_a_side(self):
        app = self.app
        app.fill({"Side A": "3", "Side B": "4", "Side C": "5"})
        app.click("Calc")
        self.assertEqual(app.read("Angle AB"), "90 0' 0\"")

        app.fill({"Side A": "1", "Side B": "2", "Side C": "3"})
        app.click("Calc")
        app.answer_ok(app.message_box("Triangle Math Error"))
        unchanged = {"Height": "3", "Perimeter": "12", "Angle AB": "90 0' 0\"",
                     "Angle BC": "36 52' 12\"", "Angle AC": "53 7' 48\"", "Area": "6.0000"}
        self.assert_fields(app, {"Side A": "1", "Side B": "2", "Side C": "3", **unchanged})

        # A side of 0 counts as not given: three angles without a side are not enough.
        app.fill({"Side A": "0", "Side B": "0", "Side C": "0"})
        app.click("Calc")
        app.answer_ok(app.message_box("Math Triangle Error"))
        self.assert_fields(app, {"Side A": "0", "Side B": "0", "Side C": "0", **unchanged})
