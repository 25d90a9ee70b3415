// Controls by id: what ids that name nothing read, a drop-down with nothing
// selected, tool tips replaced, and hostile texts and sizes.

#include <climits>
#include <string>

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
  PlaceGadget(missing, 0, 0, 10, 10);
  DestroyGadget(missing);
  EXPECT_EQ(GetText(missing), "");
  EXPECT_EQ(SelectedItem(missing), 0);
  EXPECT_EQ(GadgetKind(missing), ControlKind::None);
  PlaceWindow(9, 1, 2, 3, 4);
  SetWindowTitle(9, "x");
  EXPECT_FALSE(WindowExists(9));
  EXPECT_EQ(Frame(9), (std::array{0, 0, 0, 0}));
  EXPECT_EQ(GetText(5), "Calc");
  EXPECT_EQ(ControlCount(1), 1);
  // A drop-down with nothing selected reads -1, an edit field 0; a later tool
  // tip replaces the first.
  CreateComboBox(15, 60, 10, 90, 20);
  AddItem(15, -1, "Fractions");
  CreateEditField(40, 60, 40, 90, 20, "5");
  EXPECT_EQ(SelectedItem(15), -1);
  EXPECT_EQ(SelectedItem(40), 0);
  SetToolTip(15, "Units");
  SetToolTip(15, "Current format");
  EXPECT_EQ(ToolTipOf(15), "Current format");
}

TEST_F(ControlsTest, HostileTextAndNumbersAreHarmless) {
  OpenWindow(1);
  const std::string withNul("a\0b", 3);
  const std::string huge(200000, '9');
  CreateEditField(1, INT_MIN + 1, INT_MAX, INT_MAX, INT_MIN, withNul);
  EXPECT_EQ(GetText(1), withNul);
  CreateLabel(2, -50, -50, -1, -1, "\xff\xfe\x80 ok");
  EXPECT_EQ(GetText(2).substr(GetText(2).size() - 3), " ok");
  CreateButton(3, 0, 0, 40, 30, "&Calc & Close");
  EXPECT_EQ(GetText(3), "&Calc & Close");
  CreateTextArea(4, 0, 0, 100, 100);
  SetText(4, huge);
  EXPECT_EQ(GetText(4), huge);
  PlaceGadget(4, INT_MAX, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_TRUE(GadgetExists(4));
}

}  // namespace
