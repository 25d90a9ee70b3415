#pragma once
// The images of the pages' drawings, rendered from data/diagrams/*.svg when
// the program is built and carried inside it.

#include "gadgets/gadgets.h"
#include "pages/page_table.h"

namespace brindle {

// The drawing's images at 100 %, 150 % and 200 %; none for Diagram::kNone.
PictureImages DiagramImages(Diagram diagram);

}  // namespace brindle
