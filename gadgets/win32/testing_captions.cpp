// Measures captions with the real fonts at any scale, whatever the screen's.

#include <windows.h>
// windows.h first: the others build on it.
#include <algorithm>
#include <string>
#include <vector>

#include "gadgets/win32/testing_captions.h"
#include "gadgets/win32/win32_state.h"

namespace brindle {

using namespace gadget_layer;

int CaptionShortfall(GadgetId id, unsigned dpi) {
  const GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return 0;
  std::vector<std::wstring> captions{Wide(WindowText(record->hwnd))};
  int taken = 0;  // what the control itself takes of its width, at 96 DPI
  switch (record->kind) {
    case ControlKind::Label:
    case ControlKind::Hyperlink:
      taken = 2;  // a sunken label's edge
      break;
    case ControlKind::Button:
      taken = 8;  // the raised border and the focus frame inside it
      break;
    case ControlKind::CheckBox:
      taken = 13 + 6;  // the box and the gap before the caption
      break;
    case ControlKind::ComboBox:
      captions = ComboEntries(record->hwnd);
      taken = 17 + 8;  // the arrow button, the borders and the selection's margins
      break;
    default:
      return 0;
  }
  const int needed = WidestText(captions, FontAt(record->font, dpi));
  const int room = ToPixels(static_cast<int>(record->logical.right) - taken, dpi);
  return std::max(0, needed - room);
}

}  // namespace brindle
