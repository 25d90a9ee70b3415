// The triangle page: typed parts in, the solved triangle out, errors in message
// boxes that leave the page as it was.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/pages/page_test.h"

namespace {

constexpr GadgetId kSideA = 40, kSideB = 41, kSideC = 42;
constexpr GadgetId kAngleAB = 46, kAngleBC = 45, kAngleAC = 44;
constexpr GadgetId kUnitWeight = 43;
constexpr GadgetId kAcute = 47, kObtuse = 48;

// Every field a solution fills: sides, height, perimeter, angles, area, weight.
constexpr std::array<GadgetId, 10> kResultFields = {kSideA,   kSideB,   kSideC,   13, 67,
                                                    kAngleAB, kAngleBC, kAngleAC, 24, 28};

struct SolvedRow {
  Typed typed;
  std::array<const char*, 10> shown;  // in the order of kResultFields
  bool obtuse;
};

// sides A, B, C; height; perimeter; angles AB, BC, AC; area; total weight
const SolvedRow kDecimalRows[] = {
    {{{kSideA, "3"}, {kSideB, "4"}, {kSideC, "5"}, {kUnitWeight, "2"}},
     {"3.0000", "4.0000", "5.0000", "3.0000", "12.0000", "90.0000", "36.8699", "53.1301", "6.0000",
      "12.0000"},
     false},
    {{{kSideA, "5"}, {kSideB, "4"}, {kSideC, "3"}},
     {"5.0000", "4.0000", "3.0000", "3.0000", "12.0000", "36.8699", "90.0000", "53.1301", "6.0000",
      "0.0000"},
     false},
    {{{kSideA, "2"}, {kAngleAB, "120"}, {kSideB, "3"}, {kUnitWeight, "1.5"}},
     {"2.0000", "3.0000", "4.3589", "1.7321", "9.3589", "120.0000", "23.4132", "36.5868", "2.5981",
      "3.8971"},
     true},
    {{{kSideB, "5"}, {kAngleBC, "30"}, {kSideC, "4"}},
     {"2.5217", "5.0000", "4.0000", "2.0000", "11.5217", "52.4776", "30.0000", "97.5224", "5.0000",
      "0.0000"},
     true},
    {{{kSideC, "5"}, {kAngleAC, "40"}, {kSideA, "6"}},
     {"6.0000", "3.8778", "5.0000", "4.9728", "14.8778", "55.9761", "84.0239", "40.0000", "9.6418",
      "0.0000"},
     false},
    {{{kAngleAB, "30"}, {kSideB, "10"}, {kAngleBC, "60"}},
     {"8.6603", "10.0000", "5.0000", "4.3301", "23.6603", "30.0000", "60.0000", "90.0000",
      "21.6506", "0.0000"},
     false},
    {{{kAngleBC, "40"}, {kSideC, "7"}, {kAngleAC, "70"}},
     {"4.7883", "7.0000", "7.0000", "4.4995", "18.7883", "70.0000", "40.0000", "70.0000", "15.7483",
      "0.0000"},
     false},
    {{{kAngleAC, "60"}, {kSideA, "6"}, {kAngleAB, "50"}},
     {"6.0000", "5.5296", "4.8912", "4.5963", "16.4209", "50.0000", "70.0000", "60.0000", "12.7078",
      "0.0000"},
     false},
    // Three sides decide; the typed angles are replaced.
    {{{kSideA, "3"},
      {kSideB, "4"},
      {kSideC, "5"},
      {kAngleAB, "10"},
      {kAngleBC, "10"},
      {kAngleAC, "10"}},
     {"3.0000", "4.0000", "5.0000", "3.0000", "12.0000", "90.0000", "36.8699", "53.1301", "6.0000",
      "0.0000"},
     false},
};

// Fractions: lengths to the sixty-fourth, angles in degrees, minutes and seconds.
const SolvedRow kFractionRows[] = {
    {{{kSideA, "3"}, {kSideB, "4"}, {kSideC, "5"}},
     {"3", "4", "5", "3", "12", "90 0' 0\"", "36 52' 12\"", "53 7' 48\"", "6.0000", "0.0000"},
     false},
    // A right angle counts as acute.
    {{{kSideA, "1"}, {kAngleAB, "90"}, {kSideB, "1"}},
     {"1", "1", "1 27/64", "1", "3 27/64", "90 0' 0\"", "45 0' 0\"", "45 0' 0\"", "0.5000",
      "0.0000"},
     false},
    {{{kSideA, "1 1/2"}, {kSideB, "2"}, {kSideC, "2 1/2"}, {kUnitWeight, "0.5"}},
     {"1 1/2", "2", "2 1/2", "1 1/2", "6", "90 0' 0\"", "36 52' 12\"", "53 7' 48\"", "1.5000",
      "0.7500"},
     false},
};

class TrianglePageTest : public PageTest {
 protected:
  void CheckSolved(const SolvedRow& row, int calcU) {
    StartOn(kTriangle, calcU);
    Type(row.typed);
    Calculate(kCalcButton);
    for (size_t i = 0; i < kResultFields.size(); ++i) {
      EXPECT_EQ(GetText(kResultFields[i]), row.shown[i]) << "gadget " << kResultFields[i];
    }
    EXPECT_EQ(SelectedItem(kAcute), row.obtuse ? 0 : 1);
    EXPECT_EQ(SelectedItem(kObtuse), row.obtuse ? 1 : 0);
    std::string unitWeight;  // never written by the calculation
    for (const auto& [id, text] : row.typed) {
      if (id == kUnitWeight) unitWeight = text;
    }
    EXPECT_EQ(GetText(kUnitWeight), unitWeight);
    EndProgram();
  }
};

TEST_F(TrianglePageTest, SolvesTheWorkedTrianglesInDecimals) {
  for (const SolvedRow& row : kDecimalRows) {
    SCOPED_TRACE(row.typed.front().second + " in gadget " +
                 std::to_string(row.typed.front().first));
    CheckSolved(row, 1);
  }
}

TEST_F(TrianglePageTest, SolvesTheWorkedTrianglesInFractions) {
  for (const SolvedRow& row : kFractionRows) {
    SCOPED_TRACE(row.typed.front().second + " in gadget " +
                 std::to_string(row.typed.front().first));
    CheckSolved(row, 0);
  }
}

struct ErrorRow {
  Typed typed;
  const char* title;
  const char* text;
};

const ErrorRow kErrorRows[] = {
    {{{kSideA, "1"}, {kSideB, "2"}, {kSideC, "3"}},
     "Triangle Math Error",
     "One of the sides is too large"},
    {{{kSideA, "3"}, {kSideB, "4"}}, "Math Triangle Error", "Not enough information"},
    {{{kSideA, "3"}, {kAngleAB, "40"}, {kAngleBC, "50"}},
     "Math Triangle Error",
     "Not enough information"},
    // A hundredth is not a side; nor is text that is not a number.
    {{{kSideA, "0.01"}, {kSideB, "4"}, {kSideC, "5"}},
     "Math Triangle Error",
     "Not enough information"},
    {{{kSideA, "three"}, {kSideB, "4"}, {kSideC, "5"}},
     "Math Triangle Error",
     "Not enough information"},
    {{}, "Math Triangle Error", "Not enough information"},
    {{{kAngleAB, "100"}, {kSideB, "5"}, {kAngleBC, "90"}},
     "Triangle Math Error",
     "The angles are too large"},
};

TEST_F(TrianglePageTest, AnErrorShowsItsMessageAndLeavesEveryFieldAndBoxAsItWas) {
  for (const ErrorRow& row : kErrorRows) {
    SCOPED_TRACE(row.text);
    StartOn(kTriangle, 1);
    Click(kObtuse);  // the user may tick a box; an error must not undo it
    Type(row.typed);
    const auto before = PageState();
    const auto box = ClickForMessage(kCalcButton);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, row.title);
    EXPECT_EQ(box->text, row.text);
    EXPECT_EQ(box->buttons, "OK");
    EXPECT_EQ(PageState(), before);
    EXPECT_EQ(SelectedItem(kObtuse), 1);
    EXPECT_EQ(SelectedItem(kAcute), 0);
    EndProgram();
  }
}

}  // namespace
