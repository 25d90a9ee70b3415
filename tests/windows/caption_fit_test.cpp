// The Windows program's pages, help window and about window laid out by the
// real shell: every caption fits its control with the font it is shown in,
// at 100 %, 150 % and 200 % (96, 144 and 192 DPI), and every drawing fills
// its place with its image at those scales and at 125 %.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "gadgets/win32/testing_captions.h"
#include "gadgets/win32/testing_pictures.h"
#include "pages/calculator_registry.h"
#include "pages/gadget_ids.h"
#include "shell/menu_items.h"
#include "shell/program.h"

using namespace brindle;

namespace {

void ExpectCaptionsFit(const std::string& where) {
  for (GadgetId id = 0; id < 1000; ++id) {
    if (!GadgetExists(id)) continue;
    for (unsigned dpi : {96u, 144u, 192u}) {
      EXPECT_EQ(CaptionShortfall(id, dpi), 0)
          << where << ", gadget " << id << " \"" << GetText(id) << "\" at " << dpi << " DPI";
    }
  }
}

TEST(Captions, FitTheirControlsAtEveryScale) {
  const auto path = std::filesystem::temp_directory_path() / "brindle-captions.ini";
  StartProgram(path.string());
  for (const Calculator* calculator : Calculators()) {
    DispatchEvent(Event{EventKind::MenuEvent, kMainWindowId, CalculatorItem(calculator->id)});
    ExpectCaptionsFit(std::string(calculator->menuText));
  }
  DispatchEvent(Event{EventKind::MenuEvent, kMainWindowId, kAboutItem});
  ExpectCaptionsFit("the about window");
  EndProgram();
  std::filesystem::remove(path);
}

TEST(Pictures, FillTheirPlaceAtEveryScale) {
  const auto path = std::filesystem::temp_directory_path() / "brindle-pictures.ini";
  StartProgram(path.string());
  int pictures = 0;
  for (const Calculator* calculator : Calculators()) {
    DispatchEvent(Event{EventKind::MenuEvent, kMainWindowId, CalculatorItem(calculator->id)});
    for (const ControlRow& row : calculator->rows) {
      if (row.step != Step::kPicture) continue;
      ++pictures;
      for (unsigned dpi : {96u, 120u, 144u, 192u}) {
        SCOPED_TRACE(std::string(calculator->menuText) + " at " + std::to_string(dpi) + " DPI");
        const PictureShown shown = PictureAt(row.id, dpi);
        EXPECT_EQ(shown.width, row.w * static_cast<int>(dpi) / 96);
        EXPECT_EQ(shown.height, row.h * static_cast<int>(dpi) / 96);
        EXPECT_EQ(shown.corner, 0xFFFFFFu);  // the drawing's white paper
      }
    }
  }
  EXPECT_GT(pictures, 0);
  EndProgram();
  std::filesystem::remove(path);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (!InitGadgets(argc, argv)) return 77;
  return RUN_ALL_TESTS();
}
