#include "pages/diagrams.h"

#include "diagrams/bender_100.h"
#include "diagrams/bender_150.h"
#include "diagrams/bender_200.h"
#include "diagrams/triangle_100.h"
#include "diagrams/triangle_150.h"
#include "diagrams/triangle_200.h"

namespace brindle {

PictureImages DiagramImages(Diagram diagram) {
  switch (diagram) {
    case Diagram::kTriangle:
      return {kTriangle100, kTriangle150, kTriangle200};
    case Diagram::kBender:
      return {kBender100, kBender150, kBender200};
    case Diagram::kNone:
      break;
  }
  return {};
}

}  // namespace brindle
