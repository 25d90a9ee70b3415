"""The very first start, with no "VaZizi.ini" beside the program."""

import os

from calculator_app import CalculatorTestCase
from page_tables import TRIANGLE


class FirstRun(CalculatorTestCase):

    def test_opens_the_triangles_at_the_default_corner_in_fractions_and_writes_nothing(self):
        app = self.new_app()
        app.start(TRIANGLE)

        window = app.main_geometry()
        self.assertEqual(window.frame_corner, (346, 50))
        self.assertEqual(window.width, TRIANGLE.width)
        app.menu_bar_height(window)  # the rest of the inner height is the page's 219 pixels

        # The units drop-down starts on "Fractions": sides come back as whole
        # numbers and fractions, angles as degrees, minutes and seconds.
        app.fill({"Side A": "3", "Side B": "4", "Side C": "5"})
        app.click("Calc")
        self.assert_fields(app, {
            "Side A": "3", "Side B": "4", "Side C": "5", "Height": "3", "Perimeter": "12",
            "Angle AB": "90 0' 0\"", "Angle BC": "36 52' 12\"", "Angle AC": "53 7' 48\"",
            "Area": "6.0000", "Total Weight": "0.0000",
        })
        self.assertIsNone(app.settings(), "starting and calculating wrote the settings file")

        app.click("Close")
        self.assertEqual(app.wait_for_exit(), 0)
        self.assertIsNone(app.settings(), "ending the program wrote the settings file")
        self.assertEqual(os.listdir(app.elsewhere), [],
                         "the program wrote into its working directory")
