#pragma once
// Inside the gadget layer only: the toolkit's widgets kept for the program's
// window and gadget ids in the layer's id table. Nothing outside gadgets/
// includes this.

#include <QPointer>
#include <QWidget>
#include <string>

#include "gadgets/gadgets.h"
#include "gadgets/id_table.h"

namespace brindle {

class AppWindow;

namespace gadget_layer {

struct GadgetRecord : ControlEntry {
  ~GadgetRecord() override;
  QPointer<QWidget> widget;
  bool namedByProgram = false;  // SetAccessibleName was called
  bool readOnly = false;        // a check box that shows a result
  // TextArea: the text last given by the program, handed back by GetText while
  // the document is unchanged since (the document keeps no CR LF line ends).
  std::string textAreaText;
  int textAreaRevision = -1;
};

struct AppWindowRecord : WindowEntry {
  ~AppWindowRecord() override;
  void ReportPendingUserChange() override;
  QPointer<AppWindow> window;
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

AppWindow* FindAppWindow(WindowId id);
// The window of the given widget (any widget inside it), or -1.
WindowId WindowIdOf(const QWidget* widget);

}  // namespace gadget_layer

}  // namespace brindle
