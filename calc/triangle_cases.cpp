#include "calc/triangle_cases.h"

#include "calc/calc_math.h"
#include "calc/calc_trig.h"
#include "numtext/number_model.h"

namespace brindle {

// Every named value below is stored in single precision; each line is one step
// computed in double, sine, cosine and tangent included (calc/calc_trig.h);
// arc sine, arc cosine and arc tangent are rounded before Degrees().

namespace {

constexpr double kStraightAngle = 180.0;
constexpr double kRightAngle = 90.0;

// The third angle of a triangle from the other two.
float ThirdAngle(float first, float second) {
  return Single(kStraightAngle - (static_cast<double>(first) + second));
}

// The angle whose sine is `ratio`, obtuse when the foot of the height falls
// outside the base on that corner's side (an arc sine alone gives the acute
// supplement there).
float AngleFromHeight(double ratio, bool obtuse) {
  const float acute = Degrees(ArcSine(ratio));
  return obtuse ? Single(kStraightAngle - acute) : acute;
}

TriangleCaseResult ThreeSides(const TriangleParts& t) {
  const double a = t[kSideA], b = t[kSideB], c = t[kSideC];
  // A side as long as the other two together lies flat: no triangle.
  if (!(b + c > a) || !(a + c > b) || !(a + b > c)) return SidesTooLargeMessage();
  SolvedTriangle s{t};
  // Where the height meets the line of side B, measured from the corner of angle AB.
  const float x = Single((a * a + b * b - c * c) / (b * 2.0));
  const float h = Single(Root(a * a - static_cast<double>(x) * x));
  s.parts[kAngleAB] = AngleFromHeight(h / a, x < 0.0f);
  s.parts[kAngleBC] = AngleFromHeight(h / c, x > b);
  s.parts[kAngleAC] = ThirdAngle(s.parts[kAngleAB], s.parts[kAngleBC]);
  s.height = h;
  return s;
}

TriangleCaseResult SidesAandB(const TriangleParts& t) {
  const double a = t[kSideA], b = t[kSideB], ab = t[kAngleAB];
  if (ab >= kStraightAngle) return AnglesTooLargeMessage();
  SolvedTriangle s{t};
  const float h = Single(SinDegrees(ab) * a);
  const float x = Single(CosDegrees(ab) * a);
  const float r = Single(b - x);  // from the foot of the height to the corner of angle BC
  // When the foot lies beyond side B the angle at BC is obtuse: atan2 sees that.
  const float bc =
      IsGiven(r) ? Degrees(ArcTangent(static_cast<double>(h) / r)) : Degrees(ArcTangent(h, r));
  s.parts[kAngleBC] = bc;
  s.parts[kSideC] = Single(Root(static_cast<double>(r) * r + static_cast<double>(h) * h));
  s.parts[kAngleAC] = ThirdAngle(t[kAngleAB], bc);
  s.height = h;
  return s;
}

TriangleCaseResult SidesBandC(const TriangleParts& t) {
  const double b = t[kSideB], c = t[kSideC], bc = t[kAngleBC];
  if (bc >= kStraightAngle) return AnglesTooLargeMessage();
  SolvedTriangle s{t};
  const float h = Single(SinDegrees(bc) * c);
  const float r = Single(CosDegrees(bc) * c);  // foot of the height from corner BC
  const float x = Single(b - r);               // and from corner AB
  const float a = Single(Root(static_cast<double>(x) * x + static_cast<double>(h) * h));
  s.parts[kSideA] = a;
  s.parts[kAngleAB] = AngleFromHeight(static_cast<double>(h) / a, x < 0.0f);
  s.parts[kAngleAC] = ThirdAngle(t[kAngleBC], s.parts[kAngleAB]);
  s.height = h;
  return s;
}

TriangleCaseResult SidesCandA(const TriangleParts& t) {
  const double c = t[kSideC], a = t[kSideA], ac = t[kAngleAC];
  if (ac >= kStraightAngle) return AnglesTooLargeMessage();
  SolvedTriangle s{t};
  // The corner of angle BC seen from side A: its distance from A's line and its foot.
  const float p = Single(SinDegrees(ac) * c);
  const float q = Single(CosDegrees(ac) * c);
  const float r = Single(a - q);
  const float b = Single(Root(static_cast<double>(r) * r + static_cast<double>(p) * p));
  const float ab = Degrees(ArcCosine(static_cast<double>(r) / b));
  s.parts[kSideB] = b;
  s.parts[kAngleAB] = ab;
  s.height = Single(SinDegrees(ab) * a);
  s.parts[kAngleBC] = ThirdAngle(t[kAngleAC], ab);
  return s;
}

// Two angles are too large for a triangle once they leave nothing for the third.
bool AnglesTooLarge(float first, float second) {
  return static_cast<double>(first) + second >= kStraightAngle;
}

// The part of a run beyond the foot of a perpendicular: `u` is the angle at
// that foot's far side, measured from the perpendicular.
float Beyond(float u, float perpendicular) {
  return Single(TanDegrees(u) * perpendicular);
}

// The angle between the perpendicular from a corner and the far side there.
float Complement(float angle) {
  return Single(kStraightAngle - (angle + kRightAngle));
}

TriangleCaseResult AnglesABandBC(const TriangleParts& t) {
  const float ab = t[kAngleAB], bc = t[kAngleBC];
  if (AnglesTooLarge(ab, bc)) return AnglesTooLargeMessage();
  SolvedTriangle s{t};
  const double b = t[kSideB];
  s.parts[kAngleAC] = ThirdAngle(ab, bc);
  const float p = Single(SinDegrees(ab) * b);
  const float q = Single(CosDegrees(ab) * b);
  const float u = Single(bc - static_cast<double>(Complement(ab)));
  const float sv = Beyond(u, p);
  const float a = Single(static_cast<double>(sv) + q);
  s.parts[kSideA] = a;
  s.parts[kSideC] = Single(Root(static_cast<double>(p) * p + static_cast<double>(sv) * sv));
  s.height = Single(SinDegrees(ab) * a);
  return s;
}

TriangleCaseResult AnglesBCandAC(const TriangleParts& t) {
  const float bc = t[kAngleBC], ac = t[kAngleAC];
  if (AnglesTooLarge(bc, ac)) return AnglesTooLargeMessage();
  SolvedTriangle s{t};
  const double c = t[kSideC];
  s.parts[kAngleAB] = ThirdAngle(bc, ac);
  const float h = Single(SinDegrees(bc) * c);
  const float r = Single(CosDegrees(bc) * c);
  const float u = Single(ac - static_cast<double>(Complement(bc)));
  const float sv = Beyond(u, h);
  s.parts[kSideB] = Single(static_cast<double>(sv) + r);
  s.parts[kSideA] = Single(Root(static_cast<double>(sv) * sv + static_cast<double>(h) * h));
  s.height = h;
  return s;
}

TriangleCaseResult AnglesACandAB(const TriangleParts& t) {
  const float ac = t[kAngleAC], ab = t[kAngleAB];
  if (AnglesTooLarge(ac, ab)) return AnglesTooLargeMessage();
  SolvedTriangle s{t};
  const double a = t[kSideA];
  s.parts[kAngleBC] = ThirdAngle(ac, ab);
  const float h = Single(SinDegrees(ab) * a);
  const float x = Single(CosDegrees(ab) * a);
  const float u = Single(ac - static_cast<double>(Complement(ab)));
  const float sv = Beyond(u, h);
  s.parts[kSideB] = Single(static_cast<double>(x) + sv);
  s.parts[kSideC] = Single(Root(static_cast<double>(sv) * sv + static_cast<double>(h) * h));
  s.height = h;
  return s;
}

}  // namespace

const std::array<TriangleCase, 7> kTriangleCases = {{
    {{kSideA, kSideB, kSideC}, ThreeSides},
    {{kSideA, kAngleAB, kSideB}, SidesAandB},
    {{kSideB, kAngleBC, kSideC}, SidesBandC},
    {{kSideC, kAngleAC, kSideA}, SidesCandA},
    {{kAngleAB, kSideB, kAngleBC}, AnglesABandBC},
    {{kAngleBC, kSideC, kAngleAC}, AnglesBCandAC},
    {{kAngleAC, kSideA, kAngleAB}, AnglesACandAB},
}};

CalcMessage SidesTooLargeMessage() {
  return {"Triangle Math Error", "One of the sides is too large"};
}
CalcMessage AnglesTooLargeMessage() {
  return {"Triangle Math Error", "The angles are too large"};
}
CalcMessage TwoTrianglesMessage() {
  return {"Triangle Math Error", "Two triangles fit these values: please give one more value"};
}
// The title's word order differs from the other two on purpose: the page shows it so.
CalcMessage NotEnoughInformationMessage() {
  return {"Math Triangle Error", "Not enough information"};
}

}  // namespace brindle
