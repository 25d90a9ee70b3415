// The gadget layer's core, free of the toolkit, without a window system:
// golden event sequences for telling the user's moves from the program's,
// golden corners for keeping a title bar within reach, menus' access letters,
// UTF-8 against UTF-16, and the image a picture shows at a screen's scale.

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "gadgets/access_letter.h"
#include "gadgets/picture_choice.h"
#include "gadgets/utf.h"
#include "gadgets/window_geometry.h"
#include "gadgets/window_placement.h"
#include "tests/golden_rows.h"

using namespace brindle;

namespace {

using namespace gadget_layer;

// "L,T WxH"
ScreenRect ReadRect(const std::string& text) {
  ScreenRect r;
  EXPECT_EQ(std::sscanf(text.c_str(), " %lld,%lld %lldx%lld", &r.left, &r.top, &r.width, &r.height),
            4)
      << "bad rectangle " << text;
  return r;
}

WindowGeometry ReadGeometry(const std::string& text) {
  const ScreenRect r = ReadRect(text);
  return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.width),
          static_cast<int>(r.height)};
}

std::string Describe(const GeometryActions& a) {
  const char* const ask[] = {"", " ask-size", " ask-move", " ask"};
  const std::string text = std::string(a.reportMove ? " move" : "") +
                           (a.reportSize ? " size" : "") + ask[a.askMove * 2 + a.askSize] +
                           (a.restartRestTimer ? " timer" : "");
  return text.empty() ? "-" : text.substr(1);
}

constexpr const char* kStateNames[] = {"Hidden", "Placing", "Steady", "UserChanging"};

// A tracker fed step by step, remembering where the window was last seen.
struct Player {
  GeometryTracker tracker;
  WindowGeometry lastSeen;
  FrameOffset frame{1, 20};  // openbox's
  std::string Play(const std::string& step);
};

std::string Player::Play(const std::string& step) {
  std::istringstream words(step);
  std::string verb, rest;
  words >> verb;
  std::getline(words, rest);
  if (verb == "frame") {
    EXPECT_EQ(std::sscanf(rest.c_str(), " %d,%d", &frame.left, &frame.top), 2) << rest;
    return "-";
  }
  const WindowGeometry g = ReadGeometry(rest);
  if (verb == "create") {
    tracker.ProgramCreates(g);
    lastSeen = g;
    return "-";
  }
  // The program places the window while it stands where it was last seen.
  if (verb == "place") return Describe(tracker.ProgramPlaces(g, lastSeen));
  const GeometryInput input = verb == "shown"    ? GeometryInput::Shown
                              : verb == "report" ? GeometryInput::Reported
                              : verb == "rest"   ? GeometryInput::CameToRest
                                                 : GeometryInput::InputArrives;
  EXPECT_TRUE(verb == "shown" || verb == "report" || verb == "rest" || verb == "input") << verb;
  lastSeen = g;
  return Describe(tracker.Observe(input, g, frame));
}

TEST(WindowGeometry, GoldenSequences) {
  for (const GoldenRow& row : ReadGolden("geometry_sequences.txt", {4})) {
    SCOPED_TRACE(row.where + " " + row[0]);
    Player player;
    std::string done;
    for (const std::string& step : SplitCell(row[1], ';')) {
      done += (done.empty() ? "" : "; ") + player.Play(step);
    }
    EXPECT_EQ(done, row[2]);
    EXPECT_EQ(kStateNames[static_cast<int>(player.tracker.State())], row[3]);
  }
}

TEST(WindowPlacement, GoldenCorners) {
  CheckGolden("reachable_corners.txt", 4, [](const GoldenRow& row) {
    std::vector<ScreenRect> areas;
    for (const std::string& area : SplitCell(row[2], ';')) {
      areas.push_back(ReadRect(area));
    }
    const Corner c = ReachableCorner(ReadRect(row[0]), std::stoi(row[1]), areas);
    return std::to_string(c.left) + "," + std::to_string(c.top);
  });
}

TEST(WindowPlacement, GoldenCornersBeside) {
  CheckGolden("beside_corners.txt", 4, [](const GoldenRow& row) {
    const ScreenRect size = ReadRect("0,0 " + row[2]);
    const Corner c = CornerBeside(ReadRect(row[0]), ReadRect(row[1]), size.width, size.height);
    return std::to_string(c.left) + "," + std::to_string(c.top);
  });
}

TEST(AccessLetters, GoldenMenus) {
  CheckGolden("access_letters.txt", 2, [](const GoldenRow& row) {
    std::vector<std::string> marked;
    for (const std::string& text : SplitCell(row[0], ';'))
      marked.push_back(MarkAccessLetter(text, marked));
    std::string shown;
    for (const std::string& text : marked)
      shown += (shown.empty() ? "" : "; ") + text;
    return shown;
  });
}

// "0033 00BD".
std::u16string ReadUnits(const std::string& hex) {
  std::u16string units;
  std::istringstream words(hex);
  for (std::string word; words >> word;)
    units += static_cast<char16_t>(std::stoul(word, nullptr, 16));
  return units;
}

TEST(Utf, GoldenTexts) {
  for (const GoldenRow& row : ReadGolden("utf16.txt", {2, 3})) {
    SCOPED_TRACE(row.where);
    if (row.size() == 3) {
      EXPECT_TRUE(Utf16(row[0]) == ReadUnits(row[1]));
    }
    EXPECT_EQ(Utf8(ReadUnits(row[row.size() - 2])), row.back());
  }
}

TEST(Pictures, GoldenScales) {
  static constexpr unsigned char k100[] = {1}, k150[] = {2}, k200[] = {3};
  CheckGolden("picture_scales.txt", 3, [](const GoldenRow& row) {
    PictureImages images;
    for (const std::string& drawn : SplitCell(row[0], ' ')) {
      if (drawn == "100") images.at100 = k100;
      if (drawn == "150") images.at150 = k150;
      if (drawn == "200") images.at200 = k200;
    }
    const ChosenImage shown = ImageForScale(images, GoldenNumber<double>(row[1]));
    if (shown.png.empty()) return std::string("-");
    // The image's own scale goes with its bytes.
    EXPECT_EQ(shown.png[0], shown.scale == 1.0 ? 1 : shown.scale == 1.5 ? 2 : 3);
    return std::to_string(static_cast<int>(shown.scale * 100));
  });
}

}  // namespace
