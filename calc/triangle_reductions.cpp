#include <algorithm>

#include "calc/calc_math.h"
#include "calc/calc_trig.h"
#include "calc/triangle_cases.h"
#include "numtext/number_model.h"

namespace brindle {

// The everyday triangles the seven cases leave out: two angles with a side that
// is not between them (the third angle puts the side between two known ones),
// and two sides with an angle that is not between them (the third side, when
// only one triangle fits, puts the angle between two known sides). Either way
// one of the seven cases then solves the triangle.

namespace {

constexpr double kStraightAngle = 180.0;
constexpr double kRightAngle = 90.0;

// The side, or the angle, that is neither of the other two.
constexpr TrianglePart ThirdSide(TrianglePart first, TrianglePart second) {
  return static_cast<TrianglePart>(kSideA + kSideB + kSideC - first - second);
}
constexpr TrianglePart ThirdAngle(TrianglePart first, TrianglePart second) {
  return static_cast<TrianglePart>(kAngleAB + kAngleBC + kAngleAC - first - second);
}

// A side between the angles at its two ends.
constexpr std::array<TrianglePart, 3> AnglesAround(TrianglePart side) {
  switch (side) {
    case kSideA:
      return {kAngleAC, kSideA, kAngleAB};
    case kSideB:
      return {kAngleAB, kSideB, kAngleBC};
    default:
      return {kAngleBC, kSideC, kAngleAC};
  }
}

// Solves `known` by the case of the seven that needs exactly these three parts.
TriangleCaseResult SolveAs(std::array<TrianglePart, 3> parts, const TriangleParts& known) {
  const auto* c = std::find_if(kTriangleCases.begin(), kTriangleCases.end(), [&](const auto& c) {
    return std::is_permutation(c.needs.begin(), c.needs.end(), parts.begin());
  });
  return c->solve(known);
}

template <TrianglePart kFirst, TrianglePart kSecond, TrianglePart kSide>
TriangleCaseResult TwoAnglesAndSide(const TriangleParts& t) {
  if (static_cast<double>(t[kFirst]) + t[kSecond] >= kStraightAngle) {
    return AnglesTooLargeMessage();
  }
  TriangleParts known = t;
  known[ThirdAngle(kFirst, kSecond)] =
      Single(kStraightAngle - (static_cast<double>(t[kFirst]) + t[kSecond]));
  // Now both angles at the ends of the side are known.
  return SolveAs(AnglesAround(kSide), known);
}

// `kFacing` is the side across from the angle, `kOther` the side along it.
template <TrianglePart kFacing, TrianglePart kOther, TrianglePart kAngle>
TriangleCaseResult TwoSidesAndAngle(const TriangleParts& t) {
  const double angle = t[kAngle];
  if (angle >= kStraightAngle) return AnglesTooLargeMessage();
  const float facing = t[kFacing], other = t[kOther];
  // The far end of `other`: its distance from the line of the unknown side,
  // and the foot of that perpendicular measured from the angle's corner.
  const float h = Single(SinDegrees(angle) * other);
  const float q = Single(CosDegrees(angle) * other);
  // The facing side cannot reach that line: no triangle.
  if (!(facing >= h)) return SidesTooLargeMessage();
  // It reaches the line on both sides of the foot: two triangles fit.
  if (angle < kRightAngle && facing < other && facing > h) return TwoTrianglesMessage();
  const float r = Single(Root(static_cast<double>(facing) * facing - static_cast<double>(h) * h));
  constexpr TrianglePart kUnknown = ThirdSide(kFacing, kOther);
  TriangleParts known = t;
  known[kUnknown] = Single(static_cast<double>(q) + r);
  // An obtuse or right angle across from the shorter side leaves nothing.
  if (!IsGiven(known[kUnknown])) return SidesTooLargeMessage();
  return SolveAs({kOther, kAngle, kUnknown}, known);
}

// A table row: the three parts and the solver for them.
template <TrianglePart kFirst, TrianglePart kSecond, TrianglePart kSide>
constexpr TriangleCase kAnglesAndSide{{kFirst, kSecond, kSide},
                                      TwoAnglesAndSide<kFirst, kSecond, kSide>};
template <TrianglePart kFacing, TrianglePart kOther, TrianglePart kAngle>
constexpr TriangleCase kSidesAndAngle{{kFacing, kOther, kAngle},
                                      TwoSidesAndAngle<kFacing, kOther, kAngle>};

}  // namespace

const std::array<TriangleCase, 12> kMoreTriangleCases = {
    kAnglesAndSide<kAngleAB, kAngleBC, kSideA>, kAnglesAndSide<kAngleAB, kAngleBC, kSideC>,
    kAnglesAndSide<kAngleBC, kAngleAC, kSideA>, kAnglesAndSide<kAngleBC, kAngleAC, kSideB>,
    kAnglesAndSide<kAngleAC, kAngleAB, kSideB>, kAnglesAndSide<kAngleAC, kAngleAB, kSideC>,
    kSidesAndAngle<kSideA, kSideB, kAngleBC>,   kSidesAndAngle<kSideA, kSideC, kAngleBC>,
    kSidesAndAngle<kSideB, kSideA, kAngleAC>,   kSidesAndAngle<kSideB, kSideC, kAngleAC>,
    kSidesAndAngle<kSideC, kSideA, kAngleAB>,   kSidesAndAngle<kSideC, kSideB, kAngleAB>,
};

}  // namespace brindle
