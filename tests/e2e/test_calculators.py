"""One worked example per calculator, typed in and read back, in both units."""

from calculator_app import CalculatorTestCase
from page_tables import CONVERTER_UNITS, TRIANGLE

BOLT_CIRCLE = {"Radius": "2", "Holes": "6", "Weight Ea": "1"}
BENDS_IN_FRACTIONS = {
    "Distance1": "2", "Distance2": "3", "Distance3": "3", "Distance4": "2", "Distance5": "1",
    "Radius1": "1/4", "Radius2": "1/4", "Radius3": "1/4", "Radius4": "1/4",
    "Angle1": "90", "Angle2": "90", "Angle3": "90", "Angle4": "90", "Thick": "1/4",
}
BENDS_IN_DECIMALS = {**BENDS_IN_FRACTIONS, "Radius1": "0.25", "Radius2": "0.25",
                     "Radius3": "0.25", "Radius4": "0.25", "Thick": "0.25"}


class Calculators(CalculatorTestCase):

    def setUp(self):
        self.app = self.new_app().start(TRIANGLE)

    def test_triangle_from_three_sides(self):
        app = self.app
        app.fill({"Side A": "3", "Side B": "4", "Side C": "5", "Unit Weight": "2"})
        app.click("Calc")
        self.assert_fields(app, {
            "Side A": "3", "Side B": "4", "Side C": "5", "Height": "3", "Perimeter": "12",
            "Angle AB": "90 0' 0\"", "Angle BC": "36 52' 12\"", "Angle AC": "53 7' 48\"",
            "Area": "6.0000", "Total Weight": "12.0000",
        })

        app.choose_entry("Units", "Decimal")
        app.click("Clear")
        app.fill({"Side A": "3", "Side B": "4", "Side C": "5", "Unit Weight": "2"})
        app.click("Calc")
        self.assert_fields(app, {
            "Side A": "3.0000", "Side B": "4.0000", "Side C": "5.0000", "Height": "3.0000",
            "Perimeter": "12.0000", "Angle AB": "90.0000", "Angle BC": "36.8699",
            "Angle AC": "53.1301", "Area": "6.0000", "Total Weight": "12.0000",
        })

    def test_bolt_circle_of_six_holes(self):
        app = self.app
        app.show_calculator("Bolt Circle")
        app.fill(BOLT_CIRCLE)
        app.click("Calc")
        self.assert_fields(app, {
            "Holes": "6", "Angle": "60.0000", "Cord": "2", "Weight T": "10.3923",
            "Diameter": "4", "Radius": "2", "Area": "10 25/64", "Perimiter": "12",
        })

        app.choose_entry("Units", "Decimal")
        app.click("Clear")
        app.fill(BOLT_CIRCLE)
        app.click("Calc")
        self.assert_fields(app, {
            "Holes": "6", "Angle": "60.0000", "Cord": "2.0000", "Weight T": "10.3923",
            "Diameter": "4.0000", "Radius": "2.0000", "Area": "10.3923",
            "Perimiter": "12.0000",
        })

    def test_box_of_three_by_four(self):
        app = self.app
        app.show_calculator("Box")
        app.fill({"Width": "3", "Height": "4", "Weight Each": "1.5"})
        app.click("Calculate")
        self.assert_fields(app, {"Diagonal": "5", "Angle": "53 1/8", "Area": "12",
                                 "Total": "18.0000", "Perimeter": "14"})

        # The box has no Clear button: Calculate reads the fields again in the new units.
        app.choose_entry("Format", "Decimal")
        app.click("Calculate")
        self.assert_fields(app, {"Diagonal": "5.0000", "Angle": "53.1301", "Area": "12.0000",
                                 "Total": "18.0000", "Perimeter": "14.0000"})

    def test_bender_with_four_right_angle_bends_in_soft_and_hard_stock(self):
        app = self.app
        app.show_calculator("Bender")
        app.fill(BENDS_IN_FRACTIONS)
        app.click("Calc")
        self.assertEqual(app.read("Total"), "12 29/32")  # soft stock, as the page opens
        app.click("Hard")
        app.click("Calc")
        self.assertEqual(app.read("Total"), "13 5/64")

        app.choose_entry("Units", "Decimal")
        app.click("Clear")  # keeps "Hard" checked
        app.fill(BENDS_IN_DECIMALS)
        app.click("Calc")
        self.assertEqual(app.read("Total"), "13.0708")
        app.click("Soft")
        app.click("Calc")
        self.assertEqual(app.read("Total"), "12.9041")

    def test_converter_between_feet_and_inches(self):
        app = self.app
        app.show_calculator("Conversions")
        # As it opens: nothing from "Fraction Inch" to "Foot-Pounds".
        app.click("Convert")
        self.assertEqual(app.read("Answer"), "Invalid")

        app.type_into("Convert value", "1 1/2")
        app.choose_entry("From Format", "Fraction Feet", CONVERTER_UNITS)
        app.choose_entry("Target Format", "Decimal Inch", CONVERTER_UNITS)
        app.click("Convert")
        self.assertEqual(app.read("Answer"), "18.0000")

        app.type_into("Convert value", "18")
        app.choose_entry("From Format", "Decimal Inch", CONVERTER_UNITS)
        app.choose_entry("Target Format", "Fraction Feet", CONVERTER_UNITS)
        app.click("Convert")
        self.assertEqual(app.read("Answer"), "1 1/2")
