#pragma once
// Inside the gadget layer only: the tables that map the program's window and
// gadget ids to the toolkit's widgets. Nothing outside gadgets/ includes this.

#include <QPointer>
#include <QWidget>
#include <map>
#include <string>

#include "gadgets/gadgets.h"

class AppWindow;

namespace gadget_layer {

// Positions and sizes beyond these are no real screen's; keeping within them
// keeps the toolkit's arithmetic on them far from overflow.
inline int ClampCoordinate(int v) {
  return v < -(1 << 20) ? -(1 << 20) : v > (1 << 20) ? 1 << 20 : v;
}
inline int ClampSize(int v) {
  return v < 0 ? 0 : v > (1 << 15) ? 1 << 15 : v;
}

struct GadgetRecord {
  QPointer<QWidget> widget;
  ControlKind kind = ControlKind::None;
  WindowId window = -1;
  std::string toolTip;          // as the program gave it
  bool namedByProgram = false;  // SetAccessibleName was called
  // TextArea: the text last given by the program, handed back by GetText while
  // the document is unchanged since (the document keeps no CR LF line ends).
  std::string textAreaText;
  int textAreaRevision = -1;
};

// The record of a live control, or nullptr.
GadgetRecord* FindGadget(GadgetId id);
// The live control's widget when it is of that kind (any kind for None), or nullptr.
QWidget* GadgetWidget(GadgetId id, ControlKind kind = ControlKind::None);
template <class W>
W* GadgetAs(GadgetId id, ControlKind kind) {
  return static_cast<W*>(GadgetWidget(id, kind));
}
// The id of the control that owns this widget (or one of its inner parts), or -1.
GadgetId GadgetIdOf(const QWidget* widget);
void RememberGadget(GadgetId id, GadgetRecord record);
// Deletes the control's widget and frees the id; queued events of it are dropped.
void DeleteGadget(GadgetId id);
const std::map<GadgetId, GadgetRecord>& AllGadgets();

AppWindow* FindAppWindow(WindowId id);
void RememberAppWindow(WindowId id, AppWindow* window);
// Deletes the window with its controls and menus; queued events of it are dropped.
void DeleteAppWindow(WindowId id);
const std::map<WindowId, QPointer<AppWindow>>& AllAppWindows();
// The window of the given widget (any widget inside it), or -1.
WindowId WindowIdOf(const QWidget* widget);

// The window that receives newly created controls.
WindowId ControlWindow();
void SetControlWindow(WindowId id);

}  // namespace gadget_layer
