// Controls by id: what ids that name nothing read, hostile texts and sizes, the
// link's look, and the font and text widths the pages' fit checks rely on.

#include <QImage>
#include <QLabel>
#include <climits>
#include <string>

#include "gadgets/gadget_table.h"
#include "tests/support/gadget_fixture.h"

namespace {

using ControlsTest = GadgetTest;

TEST_F(ControlsTest, MissingIdsReadEmptyAndChangeNothing) {
  OpenWindow(1);
  CreateButton(5, 10, 10, 60, 30, "Calc");
  const GadgetId missing = 77;
  SetText(missing, "x");
  AddItem(missing, -1, "x");
  SelectItem(missing, 1);
  SetToolTip(missing, "x");
  SetAccessibleName(missing, "x");
  PlaceGadget(missing, 0, 0, 10, 10);
  DestroyGadget(missing);
  EXPECT_EQ(GetText(missing), "");
  EXPECT_EQ(SelectedItem(missing), 0);
  EXPECT_FALSE(GadgetExists(missing));
  EXPECT_EQ(GadgetKind(missing), ControlKind::None);
  EXPECT_EQ(TextWidthNeeded(missing), 0);
  // Missing windows read 0 too, and their operations do nothing.
  PlaceWindow(9, 1, 2, 3, 4);
  SetWindowTitle(9, "x");
  EXPECT_FALSE(WindowExists(9));
  EXPECT_EQ(Frame(9), (std::array{0, 0, 0, 0}));
  EXPECT_EQ(WindowTitle(9), "");
  // The existing control is untouched.
  EXPECT_EQ(GetText(5), "Calc");
  EXPECT_EQ(ControlCount(1), 1);
  // A drop-down with nothing selected reads -1, an edit field 0.
  CreateComboBox(15, 60, 10, 90, 20);
  AddItem(15, -1, "Fractions");
  CreateEditField(40, 60, 40, 90, 20, "5");
  EXPECT_EQ(SelectedItem(15), -1);
  EXPECT_EQ(SelectedItem(40), 0);
}

TEST_F(ControlsTest, HostileTextAndNumbersAreHarmless) {
  OpenWindow(1);
  const std::string withNul("a\0b", 3);
  const std::string huge(200000, '9');
  CreateEditField(1, INT_MIN + 1, INT_MAX, INT_MAX, INT_MIN, withNul);
  EXPECT_EQ(GetText(1), withNul);
  const GadgetRect box = GadgetGeometry(1);
  EXPECT_GE(box.w, 0);
  EXPECT_GE(box.h, 0);
  CreateLabel(2, -50, -50, -1, -1, "\xff\xfe\x80 ok");
  EXPECT_FALSE(GetText(2).empty());
  CreateButton(3, 0, 0, 40, 30, "&Calc & Close");
  EXPECT_EQ(GetText(3), "&Calc & Close");
  CreateTextArea(4, 0, 0, 100, 100);
  SetText(4, huge);
  EXPECT_EQ(GetText(4), huge);
  EXPECT_GT(TextWidthNeeded(4), 100) << "a text area does not wrap a long line";
  PlaceGadget(4, INT_MAX, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_TRUE(GadgetExists(4));
}

// The look is the toolkit's business; checked on the widgets themselves.
TEST_F(ControlsTest, LinkIsUnderlinedInItsColourAndReadOnlyFieldsShowTheWindowBehind) {
  OpenWindow(1);
  CreateHyperlink(99, 100, 70, 110, 20, "brindlesmath.org", 0x123456);
  auto* link = gadget_layer::GadgetAs<QLabel>(99, ControlKind::Hyperlink);
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->font().underline());
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    EXPECT_EQ(link->palette().color(group, QPalette::WindowText), QColor(0x12, 0x34, 0x56));
  EXPECT_EQ(link->focusPolicy(), Qt::NoFocus);
  // What is painted in the middle of an empty field, against the window's background.
  CreateEditField(40, 10, 10, 90, 20, "");
  CreateEditField(41, 10, 40, 90, 20, "", kReadOnly);
  const auto painted = [](GadgetId id) {
    QWidget* field = gadget_layer::GadgetWidget(id);
    return field->grab().toImage().pixel(field->width() / 2, field->height() / 2);
  };
  const QRgb window = link->parentWidget()->grab().toImage().pixel(390, 290);
  EXPECT_EQ(painted(41), window);
  EXPECT_NE(painted(40), window);
}

// The pages' and the about window's checks that no caption is cut off stand on
// this measure.
TEST_F(ControlsTest, AReadableFontAndWidthsThatGrowWithTheText) {
  EXPECT_GE(FontPixelSize(), 10) << FontFamily();
  OpenWindow(0, 500, 100);
  CreateButton(1, 0, 0, 50, 30, "OK");
  const int shortNeed = TextWidthNeeded(1);
  EXPECT_GT(shortNeed, 0);
  SetText(1, "OK OK OK OK");
  EXPECT_GT(TextWidthNeeded(1), shortNeed);
  CreateLabel(2, 0, 0, 50, 20, "Answer");
  const int plain = TextWidthNeeded(2);
  CreateLabel(2, 0, 0, 50, 20, "Answer", kSunken);
  EXPECT_GT(TextWidthNeeded(2), plain) << "a sunken frame takes room";
  CreateComboBox(3, 0, 0, 120, 20);
  AddItem(3, -1, "Tons");
  const int oneEntry = TextWidthNeeded(3);
  AddItem(3, -1, "Fraction Fahrenheit");
  EXPECT_GT(TextWidthNeeded(3), oneEntry) << "the widest entry counts";
}

}  // namespace
