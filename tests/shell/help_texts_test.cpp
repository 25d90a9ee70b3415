#include "shell/help_texts.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The lines of a help text, split at CR LF. A final CR LF ends the last line
// rather than starting an empty one.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find(kLineBreak);
    if (end == std::string_view::npos) {
      lines.push_back(text);
      break;
    }
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + kLineBreak.size());
  }
  return lines;
}

struct TextShape {
  int id;
  std::string_view firstLine;
  std::size_t lineCount;
  std::size_t byteSize;  // CR LF counted
  bool endsWithLineBreak;
  std::string_view lastLine;
};

const TextShape kShapes[] = {
    {0, "Triangles Calculator", 26, 744, false,
     "possibilities. Maybe in a later version I will work more on that."},
    {1, "Circle Calculator", 21, 556, false, "Weight Total = Area * Weight Each "},
    {2, "Material Bender", 35, 1131, false, "this calculator to add and subtract fractions"},
    {3, "Square Calculator", 15, 475, false,
     "The \"Weight Each\" value is assumed to be a decimal value."},
    {4, "Unit Convertion Tool:", 18, 639, true,
     "DsMsS meaning Whole Degree, \"Space\", Minutes, \"Space\", Seconds"},
};

TEST(HelpTexts, ShapeOfEachText) {
  for (const TextShape& shape : kShapes) {
    SCOPED_TRACE(shape.id);
    std::string_view text = HelpText(shape.id);
    std::vector<std::string_view> lines = Lines(text);
    EXPECT_EQ(text.size(), shape.byteSize);
    ASSERT_EQ(lines.size(), shape.lineCount);
    EXPECT_EQ(lines.front(), shape.firstLine);
    EXPECT_EQ(lines[1], "") << "the title is followed by an empty line";
    EXPECT_EQ(lines.back(), shape.lastLine);
    EXPECT_EQ(text.ends_with(kLineBreak), shape.endsWithLineBreak);
  }
}

TEST(HelpTexts, PlainAsciiWithCrLfOnly) {
  for (int id = 0; id < kHelpTextCount; ++id) {
    SCOPED_TRACE(id);
    std::string_view text = HelpText(id);
    for (std::size_t i = 0; i < text.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(text[i]);
      if (c == '\r') {
        EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
      } else if (c == '\n') {
        EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
      } else {
        EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << "byte " << int{c} << " at " << i;
      }
    }
  }
}

// Lines that must appear word for word, misspellings and trailing blanks
// included, in the order given for each text. A prefix row fixes only the start
// of its line; a next-line row must directly follow the row before it.
enum class Match { kWholeLine, kPrefix, kNextLine };
struct QuotedLine {
  int id;
  std::string_view text;
  Match match = Match::kWholeLine;
};

const QuotedLine kQuoted[] = {
    {0, "Use this to obtain all triangle measuments", Match::kPrefix},
    {0, "Given the sides A,B,C the angles are identified as"},
    {0, "Angle AB, AC,BC", Match::kNextLine},
    {0, "Height refers to the height from side B to the top of Angle AC."},
    {0, "Perimeter is the sun of all 3 sides (A+B+C)"},
    {0, "An Acute triangle has all angles <= 90 while an Obtuse"},
    {0, "tragnle has one angle > 90", Match::kNextLine},

    {1, "Use this to perform routine calculations on circles."},
    {1, "Required Information : Radius or Diameter."},
    {1, "Diameter = Radius * 2"},
    {1, "From this, I will calculate "},
    {1, "Area = PI * R * R"},
    {1, "Perimeter ( Circumfrence ) = PI * D"},
    {1, "Angle = 360 / Holes or sides"},
    {1, "Cord = Distance between bolts of length of a side"},
    {1, "Perimeter = Holes * Cord"},
    {1, "Area = The area bounded by the sides. Not the same as a circle area"},

    {2, "Use this to help estimate the material required for a series of bends."},
    {2, "TIP: If you leave the radius and angles at 0 you can use"},
    {2, "this calculator to add and subtract fractions", Match::kNextLine},

    {3, "Use this for calculating all information needed for a square."},
    {3, "REQUIRED: Width and Height"},
    {3, "Area = Width * Height"},
    {3, "Diagonal = square root of (width*width + height*height)"},
    {3, "SIN(angle) = Height / Diagonal"},
    {3, "Perimeter = Width*2 + Height*2"},
    {3, "Total Weight = Weight Each * Area"},

    {4, "Use this to convert between different unit types."},
    {4, "NOTE:"},
    {4, "Complex fractions (Fraction Inch) are expected in the format"},
    {4, "WsN/D meaning that the whole number is first, followed be a space,", Match::kNextLine},
    {4, "followed by the Numerator(N) , divided by sign (/) and the Denominator (D).",
     Match::kNextLine},
    {4, "Fractional Angles are expected as"},
    {4, "DsMsS meaning Whole Degree, \"Space\", Minutes, \"Space\", Seconds", Match::kNextLine},
};

TEST(HelpTexts, QuotedLinesAppearInOrder) {
  int id = -1;
  std::size_t next = 0;  // the line after the previous row's match
  for (const QuotedLine& quote : kQuoted) {
    if (quote.id != id) {
      id = quote.id;
      next = 0;
    }
    SCOPED_TRACE(std::string(quote.text));
    std::vector<std::string_view> lines = Lines(HelpText(id));
    std::size_t found = next;
    auto matches = [&](std::string_view line) {
      return quote.match == Match::kPrefix ? line.starts_with(quote.text) : line == quote.text;
    };
    while (found < lines.size() && !matches(lines[found]))
      ++found;
    EXPECT_LT(found, lines.size()) << "missing, or out of order, in text " << id;
    if (quote.match == Match::kNextLine) {
      EXPECT_EQ(found, next) << "not on the next line";
    }
    next = found + 1;
  }
}

// A trailing blank is easy to lose or to add by accident; only the two quoted
// lines that carry one may end in a blank.
TEST(HelpTexts, TrailingBlanksOnlyWhereQuoted) {
  for (int id = 0; id < kHelpTextCount; ++id) {
    for (std::string_view line : Lines(HelpText(id))) {
      if (!line.ends_with(' ')) continue;
      bool quoted =
          line == "From this, I will calculate " || line == "Weight Total = Area * Weight Each ";
      EXPECT_TRUE(quoted) << "text " << id << ": \"" << line << "\"";
      EXPECT_FALSE(line.ends_with("  ")) << "text " << id << ": \"" << line << "\"";
    }
  }
}

// How often `token` occurs in lines first..last (1-based, inclusive), and
// outside them. Each line is searched with one blank on either side, so that
// " A " also finds a label at the start or end of a line.
struct Occurrences {
  int inside = 0;
  int outside = 0;
};
Occurrences Count(std::string_view text, std::string_view token, std::size_t first,
                  std::size_t last) {
  Occurrences result;
  std::vector<std::string_view> lines = Lines(text);
  for (std::size_t n = 1; n <= lines.size(); ++n) {
    std::string padded = " " + std::string(lines[n - 1]) + " ";
    for (std::size_t at = padded.find(token); at != std::string::npos;
         at = padded.find(token, at + 1)) {
      (n >= first && n <= last ? result.inside : result.outside) += 1;
    }
  }
  return result;
}

TEST(HelpTexts, TriangleFigureNamesSidesAndAngles) {
  std::string_view text = HelpText(0);
  // Lines 7 to 13: the corners AB, AC, BC, and the sides A, C and B standing
  // alone as labels, each once.
  for (std::string_view label : {"AB", "AC", "BC", " A ", " B ", " C "}) {
    EXPECT_EQ(Count(text, label, 7, 13).inside, 1) << label;
  }
  std::vector<std::string_view> lines = Lines(text);
  ASSERT_GE(lines.size(), 14u);
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[13], "");
}

TEST(HelpTexts, BendFigureHasFiveRunsAndFourBends) {
  std::string_view text = HelpText(2);
  for (std::string_view run : {"D1", "D2", "D3", "D4", "D5"}) {
    Occurrences seen = Count(text, run, 6, 13);
    EXPECT_EQ(seen.inside, 1) << run;
    EXPECT_EQ(seen.outside, 0) << run;
  }
  EXPECT_EQ(Count(text, "O", 6, 13).inside, 4) << "one O per bend";
  std::vector<std::string_view> lines = Lines(text);
  ASSERT_GE(lines.size(), 14u);
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[13], "");
}

TEST(HelpTexts, IdsOutsideTheFiveGiveTheTriangleText) {
  std::string_view triangle = HelpText(0);
  for (int id : {-1, 5, 6, INT_MIN, INT_MIN + 1, INT_MAX}) {
    std::string_view text = HelpText(id);
    EXPECT_EQ(text.data(), triangle.data()) << id;
    EXPECT_EQ(text.size(), triangle.size()) << id;
  }
  // The five ids inside the range each give their own text.
  for (int a = 0; a < kHelpTextCount; ++a) {
    for (int b = a + 1; b < kHelpTextCount; ++b)
      EXPECT_NE(HelpText(a), HelpText(b));
  }
}

TEST(AboutCredit, OneShortLineEndingInOneBlank) {
  std::string_view credit = AboutCreditText();
  EXPECT_TRUE(credit.starts_with("Brindle's Math"));
  EXPECT_NE(credit.find("welding class"), std::string_view::npos);
  // "2011." then two blanks, then a phrase, then exactly one trailing blank.
  std::size_t year = credit.find("2011.  ");
  ASSERT_NE(year, std::string_view::npos);
  std::string_view phrase = credit.substr(year + 7);
  ASSERT_GE(phrase.size(), 2u);
  EXPECT_NE(phrase.front(), ' ');
  EXPECT_EQ(phrase.back(), ' ');
  EXPECT_NE(phrase[phrase.size() - 2], ' ');
  // The label is 400 pixels wide in a small condensed font.
  EXPECT_LE(credit.size(), 70u);
  for (char c : credit)
    EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << int{c};
}

}  // namespace
