// Controls by id: kinds, texts, entries, states, tool tips and names, and what
// happens to ids that name nothing.

#include <QLabel>
#include <climits>
#include <functional>
#include <string>

#include "gadget_test_support.h"
#include "gadgets/gadget_table.h"

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
  EXPECT_EQ(WindowLeft(9), 0);
  EXPECT_EQ(WindowTop(9), 0);
  EXPECT_EQ(InnerWidth(9), 0);
  EXPECT_EQ(InnerHeight(9), 0);
  EXPECT_EQ(WindowTitle(9), "");
  // The existing control is untouched.
  EXPECT_EQ(GetText(5), "Calc");
  EXPECT_EQ(ControlCount(1), 1);
}

TEST_F(ControlsTest, EachKindKeepsItsKindAndText) {
  OpenWindow(1);
  struct Row {
    std::function<void(GadgetId)> create;
    ControlKind kind;
    std::string initial;
    bool textReplaceable;
  };
  const Row rows[] = {
      {[](GadgetId id) { CreateLabel(id, 0, 0, 80, 20, "Side A"); }, ControlKind::Label, "Side A",
       true},
      {[](GadgetId id) { CreateLabel(id, 0, 0, 80, 20, "Convert", kSunken); }, ControlKind::Label,
       "Convert", true},
      {[](GadgetId id) { CreateEditField(id, 0, 0, 80, 20, "3 1/2"); }, ControlKind::EditField,
       "3 1/2", true},
      {[](GadgetId id) { CreateButton(id, 0, 0, 80, 30, "Calc"); }, ControlKind::Button, "Calc",
       true},
      {[](GadgetId id) { CreateCheckBox(id, 0, 0, 80, 20, "Hard"); }, ControlKind::CheckBox, "Hard",
       true},
      {[](GadgetId id) { CreateComboBox(id, 0, 0, 80, 20); }, ControlKind::ComboBox, "", false},
      {[](GadgetId id) { CreateTextArea(id, 0, 0, 80, 60); }, ControlKind::TextArea, "", true},
      {[](GadgetId id) { CreateHyperlink(id, 0, 0, 80, 20, "example.org", 0x000000); },
       ControlKind::Hyperlink, "example.org", true},
  };
  GadgetId id = 10;
  for (const Row& row : rows) {
    SCOPED_TRACE(id);
    row.create(id);
    EXPECT_TRUE(GadgetExists(id));
    EXPECT_EQ(GadgetKind(id), row.kind);
    EXPECT_EQ(GetText(id), row.initial);
    SetText(id, "12.0625");
    EXPECT_EQ(GetText(id), row.textReplaceable ? "12.0625" : "");
    SetText(id, "");
    EXPECT_EQ(GetText(id), "");
    ++id;
  }
  EXPECT_EQ(ControlCount(1), 8);
}

TEST_F(ControlsTest, CreatingOnAnExistingIdReplacesTheControl) {
  OpenWindow(1);
  CreateButton(22, 10, 10, 40, 30, "Calc");
  CreateEditField(22, 20, 20, 90, 20, "");
  EXPECT_EQ(GadgetKind(22), ControlKind::EditField);
  EXPECT_EQ(ControlCount(1), 1);
  const GadgetRect box = GadgetGeometry(22);
  EXPECT_EQ(box.x, 20);
  EXPECT_EQ(box.w, 90);
}

TEST_F(ControlsTest, DestroyGadgetFreesTheId) {
  OpenWindow(1);
  CreateLabel(3, 0, 0, 40, 20, "Area");
  CreateEditField(24, 0, 30, 90, 20, "");
  DestroyGadget(24);
  EXPECT_FALSE(GadgetExists(24));
  EXPECT_EQ(GetText(24), "");
  EXPECT_EQ(ControlCount(1), 1);
  CreateCheckBox(24, 0, 30, 50, 20, "Acute");
  EXPECT_EQ(GadgetKind(24), ControlKind::CheckBox);
}

TEST_F(ControlsTest, SelectionOfDropDownsAndCheckBoxes) {
  OpenWindow(1);
  CreateComboBox(15, 60, 10, 90, 20);
  CreateEditField(40, 60, 40, 90, 20, "5");
  CreateCheckBox(47, 60, 70, 50, 20, "Acute");
  EXPECT_EQ(SelectedItem(15), -1);  // empty
  EXPECT_EQ(SelectedItem(40), 0);   // other kinds read 0
  AddItem(15, -1, "Fractions");
  AddItem(15, -1, "Decimal");
  EXPECT_EQ(SelectedItem(15), -1) << "adding entries selects none";
  EXPECT_EQ(GetText(15), "");
  SelectItem(15, 1);
  EXPECT_EQ(SelectedItem(15), 1);
  EXPECT_EQ(GetText(15), "Decimal");
  SelectItem(15, 7);  // no such entry: none selected, as a stray saved units mode
  EXPECT_EQ(SelectedItem(15), -1);
  SelectItem(15, -1);
  EXPECT_EQ(SelectedItem(15), -1);
  AddItem(15, 0, "First");  // inserted at a position
  EXPECT_EQ(ComboItemCount(15), 3);
  EXPECT_EQ(ComboItemText(15, 0), "First");
  EXPECT_EQ(ComboItemText(15, 2), "Decimal");
  EXPECT_EQ(ComboItemText(15, 3), "");
  AddItem(15, 99, "Last");  // past the end appends
  EXPECT_EQ(ComboItemText(15, 3), "Last");

  EXPECT_EQ(SelectedItem(47), 0);
  SelectItem(47, 1);
  EXPECT_EQ(SelectedItem(47), 1);
  SelectItem(47, 0);
  EXPECT_EQ(SelectedItem(47), 0);
}

TEST_F(ControlsTest, DropDownCannotBeTypedIntoAndOpensAtMost350High) {
  OpenWindow(1, 400, 300);
  CreateComboBox(2, 130, 40, 120, 20);
  CreateComboBox(15, 10, 40, 90, 20);
  for (int i = 0; i < 21; ++i)
    AddItem(2, -1, "Unit " + std::to_string(i));
  AddItem(15, -1, "Fractions");
  AddItem(15, -1, "Decimal");
  EXPECT_FALSE(ComboEditable(2));
  EXPECT_EQ(GadgetGeometry(2).h, 20) << "the closed control is as high as asked";
  EXPECT_EQ(ComboListHeight(2), 350) << "21 entries need more: cut to 350 with a scroll bar";
  const int shortList = ComboListHeight(15);
  EXPECT_GT(shortList, 20);
  EXPECT_LT(shortList, 350) << "two entries open no taller than they need";
  TypeText(2, "Meters");
  EXPECT_EQ(GetText(2), "");
}

TEST_F(ControlsTest, ReadOnlyFieldsKeepTheirTextButAreSelectable) {
  OpenWindow(1);
  CreateEditField(7, 10, 10, 110, 20, "Invalid", kReadOnly);
  CreateEditField(1, 10, 40, 110, 20, "");
  CreateTextArea(108, 10, 70, 200, 100, kReadOnly);
  EXPECT_TRUE(GadgetReadOnly(7));
  EXPECT_FALSE(GadgetReadOnly(1));
  EXPECT_TRUE(GadgetReadOnly(108));
  TypeText(7, "12");
  EXPECT_EQ(GetText(7), "Invalid");
  EXPECT_EQ(FocusedGadget(), 7) << "a read-only field still takes the focus";
  TypeText(1, "12");
  EXPECT_EQ(GetText(1), "12");
  SetText(108, "Circle Calculator\r\n\r\nDiameter = Radius * 2");
  TypeText(108, "x");
  EXPECT_EQ(GetText(108), "Circle Calculator\r\n\r\nDiameter = Radius * 2");
}

TEST_F(ControlsTest, TextAreaKeepsLongTextAndLineEnds) {
  OpenWindow(2, 400, 330);
  CreateTextArea(108, 0, 0, 400, 300, kReadOnly);
  // A line far wider than the area, many lines, a final CR LF: all kept as given.
  std::string text(5000, 'W');
  for (int i = 0; i < 2000; ++i)
    text += "\r\nline " + std::to_string(i);
  text += "\r\n";
  SetText(108, text);
  EXPECT_EQ(GetText(108), text);
  EXPECT_GT(TextWidthNeeded(108), 400) << "no wrapping: the long line stays one line";
  SetText(108, "lone\rCR\nand LF");
  EXPECT_EQ(GetText(108), "lone\rCR\nand LF");
}

TEST_F(ControlsTest, HostileTextAndNumbersAreHarmless) {
  OpenWindow(1);
  const std::string withNul("a\0b", 3);
  const std::string badUtf8 = "\xff\xfe\x80 ok";
  const std::string huge(200000, '9');
  CreateEditField(1, INT_MIN + 1, INT_MAX, INT_MAX, INT_MIN, withNul);
  EXPECT_EQ(GetText(1), withNul);
  const GadgetRect box = GadgetGeometry(1);
  EXPECT_GE(box.w, 0);
  EXPECT_GE(box.h, 0);
  CreateLabel(2, -50, -50, -1, -1, badUtf8);
  EXPECT_FALSE(GetText(2).empty());
  CreateButton(3, 0, 0, 40, 30, "&Calc & Close");
  EXPECT_EQ(GetText(3), "&Calc & Close");
  CreateTextArea(4, 0, 0, 100, 100);
  SetText(4, huge);
  EXPECT_EQ(GetText(4), huge);
  PlaceGadget(4, INT_MAX, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_TRUE(GadgetExists(4));
}

TEST_F(ControlsTest, ASecondToolTipReplacesTheFirst) {
  OpenWindow(4);
  CreateComboBox(2, 130, 40, 120, 20);
  SetToolTip(2, "Format to convert from");
  SetToolTip(2, "Current format");
  EXPECT_EQ(ToolTipOf(2), "Current format");
  CreateEditField(40, 0, 0, 90, 20, "");
  SetToolTip(40, "Acute Triangle (all angles <= 90) & more");
  EXPECT_EQ(ToolTipOf(40), "Acute Triangle (all angles <= 90) & more");
  EXPECT_EQ(ToolTipOf(41), "");
}

TEST_F(ControlsTest, AccessibleNamesDefaultToCaptionOrToolTip) {
  OpenWindow(1);
  CreateButton(22, 0, 0, 40, 30, "Calc");
  SetToolTip(22, "Calculate");
  CreateEditField(40, 0, 40, 90, 20, "");
  SetToolTip(40, "Side A");
  CreateLabel(30, 0, 70, 40, 20, "Side B");
  CreateHyperlink(99, 0, 100, 110, 20, "example.org", 0);
  SetToolTip(99, "View my website");
  CreateEditField(41, 0, 130, 90, 20, "");
  SetAccessibleName(41, "Side B");
  SetToolTip(41, "Length of side B");
  EXPECT_EQ(AccessibleNameOf(22), "Calc");
  EXPECT_EQ(AccessibleNameOf(40), "Side A");
  EXPECT_EQ(AccessibleNameOf(30), "Side B");
  EXPECT_EQ(AccessibleNameOf(99), "example.org");
  EXPECT_EQ(AccessibleNameOf(41), "Side B") << "an explicit name wins over the tool tip";
  SetText(30, "Side C");
  EXPECT_EQ(AccessibleNameOf(30), "Side C");
}

TEST_F(ControlsTest, LinkIsUnderlinedInItsColourWithAPointingHand) {
  OpenWindow(1);
  CreateHyperlink(99, 100, 70, 110, 20, "brindlesmath.org", 0x123456);
  // The look is the toolkit's business; checked on the widget itself.
  auto* link = gadget_layer::GadgetAs<QLabel>(99, ControlKind::Hyperlink);
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->font().underline());
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    EXPECT_EQ(link->palette().color(group, QPalette::WindowText), QColor(0x12, 0x34, 0x56));
  }
  EXPECT_EQ(link->focusPolicy(), Qt::NoFocus);
}

}  // namespace
