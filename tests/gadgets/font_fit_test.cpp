// The one font of the program: readable, and every caption of the pages and of
// the about window fits its box with the style's real metrics.

#include <cstdio>

#include "gadget_test_support.h"
#include "page_captions.h"

namespace {

using FontFitTest = GadgetTest;

void CreateCaption(GadgetId id, const Caption& c) {
  switch (c.kind) {
    case ControlKind::Label:
      CreateLabel(id, 0, 0, c.width, c.height, c.text, c.flags);
      break;
    case ControlKind::Button:
      CreateButton(id, 0, 0, c.width, c.height, c.text);
      break;
    case ControlKind::CheckBox:
      CreateCheckBox(id, 0, 0, c.width, c.height, c.text);
      break;
    case ControlKind::Hyperlink:
      CreateHyperlink(id, 0, 0, c.width, c.height, c.text, 0);
      break;
    case ControlKind::ComboBox:
      CreateComboBox(id, 0, 0, c.width, c.height);
      AddItem(id, -1, c.text);
      break;
    default:
      FAIL() << "no caption kind";
  }
}

TEST_F(FontFitTest, FontIsANarrowSansAtAReadableSize) {
  EXPECT_GE(FontPixelSize(), 10);
  const std::string family = FontFamily();
  EXPECT_TRUE(family.starts_with("Nimbus Sans Narrow") ||
              family.starts_with("DejaVu Sans Condensed"))
      << family;
}

TEST_F(FontFitTest, EveryCaptionFitsItsBox) {
  OpenWindow(0, 500, 100);
  int worst = 1 << 20;
  std::string worstText;
  for (const Caption& caption : PageCaptions()) {
    SCOPED_TRACE(caption.text);
    CreateCaption(1, caption);
    const int spare = caption.width - TextWidthNeeded(1);
    EXPECT_GE(spare, 0) << "needs " << TextWidthNeeded(1) << " of " << caption.width;
    if (spare < worst) {
      worst = spare;
      worstText = caption.text;
    }
  }
  std::printf("font %s %d px: tightest caption \"%s\" with %d pixels to spare\n",
              FontFamily().c_str(), FontPixelSize(), worstText.c_str(), worst);
}

TEST_F(FontFitTest, WidthNeededGrowsWithTheText) {
  OpenWindow(0, 500, 100);
  CreateButton(1, 0, 0, 50, 30, "OK");
  const int shortNeed = TextWidthNeeded(1);
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
