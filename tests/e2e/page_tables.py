"""Where things are on the calculator's screens, as a user sees them.

Each page is the main window's title, the size of the area below its menu bar
and the rectangles (x, y, width, height below the menu bar) of the controls a
user clicks, types into or copies from, keyed by their gadget id and named by
the label beside them. Labels are left out: nobody clicks them.
"""

from dataclasses import dataclass


@dataclass(frozen=True)
class Gadget:
    id: int
    name: str
    x: int
    y: int
    w: int
    h: int

    def centre(self):
        return self.x + self.w // 2, self.y + self.h // 2


@dataclass(frozen=True)
class Page:
    title: str
    width: int
    height: int
    gadgets: tuple

    def gadget(self, key):
        """A control by its gadget id or by the label a user reads beside it."""
        for g in self.gadgets:
            if key in (g.id, g.name):
                return g
        raise KeyError(f"{self.title!r} has no control {key!r}")


TRIANGLE = Page("Triangles", 379, 219, (
    Gadget(15, "Units", 60, 10, 90, 20),
    Gadget(40, "Side A", 60, 40, 90, 20),
    Gadget(41, "Side B", 60, 70, 90, 20),
    Gadget(42, "Side C", 60, 100, 90, 20),
    Gadget(13, "Height", 60, 130, 90, 20),
    Gadget(24, "Area", 60, 160, 90, 20),
    Gadget(43, "Unit Weight", 230, 10, 90, 20),
    Gadget(28, "Total Weight", 230, 130, 90, 20),
    Gadget(44, "Angle AC", 230, 100, 90, 20),
    Gadget(45, "Angle BC", 230, 70, 90, 20),
    Gadget(46, "Angle AB", 230, 40, 90, 20),
    Gadget(22, "Calc", 330, 10, 40, 30),
    Gadget(9, "Close", 330, 130, 40, 30),
    Gadget(47, "Acute", 230, 160, 50, 20),
    Gadget(48, "Obtuse", 230, 190, 60, 20),
    Gadget(106, "Clear", 330, 50, 40, 30),
    Gadget(105, "Help", 330, 90, 40, 30),
    Gadget(67, "Perimeter", 60, 190, 90, 20),
))

CIRCLE = Page("Circle, Shapes and Bolt Circle", 361, 162, (
    Gadget(51, "Radius", 70, 40, 80, 20),
    Gadget(52, "Units", 70, 10, 80, 20),
    Gadget(54, "Diameter", 220, 40, 80, 20),
    Gadget(56, "Holes", 70, 100, 80, 20),
    Gadget(57, "Angle", 70, 130, 80, 20),
    Gadget(58, "Cord", 220, 100, 80, 20),
    Gadget(24, "Area", 70, 70, 80, 20),
    Gadget(62, "Weight Ea", 220, 10, 80, 20),
    Gadget(28, "Weight T", 220, 70, 80, 20),
    Gadget(22, "Calc", 310, 10, 40, 30),
    Gadget(9, "Close", 310, 130, 40, 30),
    Gadget(67, "Perimiter", 220, 130, 80, 20),
    Gadget(106, "Clear", 310, 50, 40, 30),
    Gadget(105, "Help", 310, 90, 40, 30),
))

SQUARE = Page("Rectangle and Squares", 369, 158, (
    Gadget(12, "Width", 60, 10, 90, 20),
    Gadget(13, "Height", 210, 10, 90, 20),
    Gadget(15, "Format", 60, 40, 90, 20),
    Gadget(17, "Diagonal", 60, 70, 90, 20),
    Gadget(20, "Angle", 210, 70, 90, 20),
    Gadget(22, "Calculate", 310, 10, 50, 30),
    Gadget(9, "Close", 310, 90, 50, 30),
    Gadget(24, "Area", 210, 40, 90, 20),
    Gadget(26, "Weight Each", 230, 100, 70, 20),
    Gadget(28, "Total", 210, 130, 90, 20),
    Gadget(105, "Help", 310, 50, 50, 30),
    Gadget(67, "Perimeter", 60, 100, 90, 20),
))

BENDER = Page("Bend Calculator", 499, 187, (
    Gadget(69, "Hard", 70, 10, 50, 20),
    Gadget(70, "Soft", 130, 10, 40, 20),
    Gadget(15, "Units", 240, 10, 100, 20),
    Gadget(72, "Thick", 390, 10, 40, 20),
    Gadget(17, "Distance1", 70, 40, 100, 20),
    Gadget(18, "Distance2", 70, 70, 100, 20),
    Gadget(74, "Distance3", 70, 100, 100, 20),
    Gadget(75, "Distance4", 70, 130, 100, 20),
    Gadget(76, "Distance5", 70, 160, 100, 20),
    Gadget(77, "Radius1", 240, 40, 100, 20),
    Gadget(78, "Radius2", 240, 70, 100, 20),
    Gadget(79, "Radius3", 240, 100, 100, 20),
    Gadget(88, "Radius4", 240, 130, 100, 20),
    Gadget(28, "Total", 240, 160, 100, 20),
    Gadget(20, "Angle1", 390, 40, 40, 20),
    Gadget(21, "Angle2", 390, 70, 40, 20),
    Gadget(90, "Angle3", 390, 100, 40, 20),
    Gadget(95, "Angle4", 390, 130, 40, 20),
    Gadget(22, "Calc", 440, 10, 50, 30),
    Gadget(9, "Close", 440, 130, 50, 30),
    Gadget(106, "Clear", 440, 50, 50, 30),
    Gadget(105, "Help", 440, 90, 50, 30),
))

CONVERTER = Page("Unit Converter", 317, 129, (
    Gadget(1, "Convert value", 10, 40, 110, 20),
    Gadget(2, "From Format", 130, 40, 120, 20),
    Gadget(4, "Convert", 260, 10, 50, 30),
    Gadget(5, "Target Format", 130, 100, 120, 20),
    Gadget(7, "Answer", 10, 100, 110, 20),
    Gadget(9, "Close", 260, 90, 50, 30),
    Gadget(105, "Help", 260, 50, 50, 30),
))

# The pages by the calculator number kept as CalcW in the settings file.
PAGES = {0: TRIANGLE, 1: CIRCLE, 2: BENDER, 3: SQUARE, 4: CONVERTER}

# Entries of every units drop-down, and of the converter's two unit lists.
UNITS = ("Fractions", "Decimal")
CONVERTER_UNITS = (
    "Fraction Inch", "Fraction Feet", "Fraction Yard", "Fraction Mile", "Decimal Inch",
    "Decimal Feet", "Decimal Mile", "Tons", "Pounds", "Ounces", "Fraction Fahrenheit",
    "Decimal Fahrenheit", "Fractional Angle", "Decimal Angle", "Radian", "Foot-Pounds",
    "Meters", "Celsius", "Newtons", "Killigrams", "Grams", "Millimeters", "Centimeters",
)

# Menu titles and their items, in the order they stand (separators are skipped
# by the arrow keys, so they are left out).
MAIN_MENUS = {
    "Calculate": ("Triangle", "Bolt Circle", "Box", "Bender", "Conversions", "Exit"),
    "Help": ("Help", "Website", "About"),
}
HELP_MENUS = {
    "Help": ("Conversions", "Squares", "Triangles", "Circles", "Bender", "Close"),
}

# The page each "Calculate" item shows.
PAGE_OF_MENU_ITEM = {
    "Triangle": TRIANGLE, "Bolt Circle": CIRCLE, "Box": SQUARE, "Bender": BENDER,
    "Conversions": CONVERTER,
}
