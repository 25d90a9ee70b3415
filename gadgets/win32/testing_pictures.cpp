// Decodes a picture's image for any scale, whatever the screen's.

#include <windows.h>
// windows.h first: the others build on it.
#include "gadgets/win32/testing_pictures.h"
#include "gadgets/win32/win32_state.h"

namespace brindle {

using namespace gadget_layer;

PictureShown PictureAt(GadgetId id, unsigned dpi) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr || record->kind != ControlKind::Picture) return {};
  ShowPictureAt(*record, dpi);
  BITMAP bitmap{};
  if (record->bitmap == nullptr || ::GetObjectW(record->bitmap, sizeof bitmap, &bitmap) == 0)
    return {};
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, record->bitmap);
  const COLORREF corner = ::GetPixel(dc, 2, 2);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  return {bitmap.bmWidth, bitmap.bmHeight,
          static_cast<unsigned>(GetRValue(corner)) << 16 |
              static_cast<unsigned>(GetGValue(corner)) << 8 | GetBValue(corner)};
}

}  // namespace brindle
