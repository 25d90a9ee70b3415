#pragma once
// The ways the triangle solver completes a triangle from three known parts, in
// the order it tries them: the seven classic cases, then the everyday ones
// they leave out.

#include <array>
#include <variant>

#include "calc/calc_message.h"

namespace brindle {

// The six parts of a triangle: sides A, B, C and the angles named after the
// two sides meeting at each corner.
enum TrianglePart { kSideA, kSideB, kSideC, kAngleAB, kAngleBC, kAngleAC, kTrianglePartCount };
using TriangleParts = std::array<float, kTrianglePartCount>;

// All six parts and the height over side B.
struct SolvedTriangle {
  TriangleParts parts{};
  float height = 0.0f;
};

using TriangleCaseResult = std::variant<SolvedTriangle, CalcMessage>;

// A combination of three parts that fixes the triangle, and how to solve it.
struct TriangleCase {
  std::array<TrianglePart, 3> needs;
  TriangleCaseResult (*solve)(const TriangleParts& typed);
};

// Three sides; two sides with the angle between them (A-AB-B, B-BC-C, C-AC-A);
// two angles with the side between them (AB-B-BC, BC-C-AC, AC-A-AB).
extern const std::array<TriangleCase, 7> kTriangleCases;

// Tried after those: two angles with any other side, then two sides with an
// angle that is not between them, solved when exactly one triangle fits.
extern const std::array<TriangleCase, 12> kMoreTriangleCases;

CalcMessage SidesTooLargeMessage();
CalcMessage AnglesTooLargeMessage();
CalcMessage TwoTrianglesMessage();
CalcMessage NotEnoughInformationMessage();

}  // namespace brindle
