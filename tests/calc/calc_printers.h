#pragma once
// Readable failure messages: each result shown as its field texts.

#include <ostream>

#include "calc/circle_calculation.h"
#include "calc/square_calculation.h"
#include "calc/triangle_solver.h"

inline void PrintTo(const CalcMessage& m, std::ostream* os) {
  *os << "[" << m.title << " / " << m.text << "]";
}

inline void PrintTo(const TriangleSolution& s, std::ostream* os) {
  *os << "{" << s.sideA << " | " << s.sideB << " | " << s.sideC << " | " << s.height << " | "
      << s.perimeter << " | " << s.angleAB << " | " << s.angleBC << " | " << s.angleAC << " | "
      << s.area << " | " << s.totalWeight << " | " << (s.acute ? "acute" : "")
      << (s.obtuse ? "obtuse" : "") << "}";
}

inline void PrintTo(const CircleOutput& c, std::ostream* os) {
  *os << "{" << c.holes << " | " << c.angle << " | " << c.cord << " | " << c.weightTotal << " | "
      << c.diameter << " | " << c.radius << " | " << c.area << " | " << c.perimeter << "}";
}

inline void PrintTo(const SquareOutput& s, std::ostream* os) {
  *os << "{" << s.diagonal << " | " << s.angle << " | " << s.area << " | " << s.total << " | "
      << s.perimeter << "}";
}
