#pragma once
// Trigonometry for the calculations, always in double precision.
//
// A calculation stores each named value in single precision, but sine, cosine
// and tangent run inside a step in double and are rounded only where the step
// stores its result. Handing the standard functions a float (std::sin of the
// float that Radians() returns, or sinf) would round them a second time and
// change the last digit shown of about one triangle in six. So calc/ goes
// through these helpers, which take double only, and calc/CMakeLists.txt puts
// this header in front of every calc/ source, where its last line makes any
// other use of the standard names a compile error.

#include <algorithm>
#include <cmath>

#include "numtext/number_model.h"

namespace brindle {

// Sine, cosine and tangent of an angle in degrees: the angle is brought to
// radians in single precision, the function itself runs in double.
inline double SinDegrees(double degrees) {
  return std::sin(static_cast<double>(Radians(degrees)));
}
inline double CosDegrees(double degrees) {
  return std::cos(static_cast<double>(Radians(degrees)));
}
inline double TanDegrees(double degrees) {
  return std::tan(static_cast<double>(Radians(degrees)));
}

// Arc sine and arc cosine in radians, rounded to single precision. Rounding in
// nearly flat triangles can push the ratio a hair past 1; it is held to [-1, 1]
// so that such a triangle shows 90 or 0 degrees instead of "NaN". A NaN ratio
// stays NaN (std::clamp passes it through).
inline float ArcSine(double ratio) {
  return Single(std::asin(std::clamp(ratio, -1.0, 1.0)));
}
inline float ArcCosine(double ratio) {
  return Single(std::acos(std::clamp(ratio, -1.0, 1.0)));
}

// Arc tangent in radians, rounded to single precision; the two-argument form
// takes the quadrant from the signs of y and x.
inline float ArcTangent(double ratio) {
  return Single(std::atan(ratio));
}
inline float ArcTangent(double y, double x) {
  return Single(std::atan2(y, x));
}

// No trigonometry in calc/ but the helpers above.
#pragma GCC poison sin cos tan asin acos atan atan2
#pragma GCC poison sinf cosf tanf asinf acosf atanf atan2f sinl cosl tanl asinl acosl atanl atan2l

}  // namespace brindle
