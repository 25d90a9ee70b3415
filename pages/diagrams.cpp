#include "pages/diagrams.h"

#if defined(__EMSCRIPTEN__)
#include "diagrams/bender_svg.h"
#include "diagrams/triangle_svg.h"
#else
#include "diagrams/bender_100.h"
#include "diagrams/bender_150.h"
#include "diagrams/bender_200.h"
#include "diagrams/triangle_100.h"
#include "diagrams/triangle_150.h"
#include "diagrams/triangle_200.h"
#endif

namespace brindle {

PictureImages DiagramImages(Diagram diagram) {
  switch (diagram) {
#if defined(__EMSCRIPTEN__)
    // The browser draws the SVG itself.
    case Diagram::kTriangle:
      return {.at100 = {}, .at150 = {}, .at200 = {}, .drawing = kTriangleSvg};
    case Diagram::kBender:
      return {.at100 = {}, .at150 = {}, .at200 = {}, .drawing = kBenderSvg};
#else
    case Diagram::kTriangle:
      return {.at100 = kTriangle100, .at150 = kTriangle150, .at200 = kTriangle200, .drawing = {}};
    case Diagram::kBender:
      return {.at100 = kBender100, .at150 = kBender150, .at200 = kBender200, .drawing = {}};
#endif
    case Diagram::kNone:
      break;
  }
  return {};
}

}  // namespace brindle
