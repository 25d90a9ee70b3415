// Creating controls: one operation per kind, each in the window chosen with
// UseWindowForControls, at pixel positions of its area below the menu bar.

#include "gadgets/qt/controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>

#include <memory>

#include "gadgets/event_queue.h"
#include "gadgets/gadget_rules.h"
#include "gadgets/qt/app_window.h"
#include "gadgets/qt/drop_down.h"
#include "gadgets/qt/gadget_font.h"
#include "gadgets/qt/hyperlink.h"
#include "gadgets/qt/picture.h"

namespace brindle {

using namespace gadget_layer;

namespace {

struct Box {
  int x, y, w, h;
};

// The client area that receives new controls, with the id freed for the new
// control (creating a control whose id exists replaces the old one).
QWidget* PrepareSlot(GadgetId id) {
  AppWindow* window = FindAppWindow(ControlWindow());
  if (window == nullptr) return nullptr;
  ForgetControl(id);
  return window->ClientArea();
}

template <class W>
W* Install(GadgetId id, ControlKind kind, W* widget, Box box) {
  widget->setGeometry(ClampCoordinate(box.x), ClampCoordinate(box.y), ClampSize(box.w),
                      ClampSize(box.h));
  widget->show();
  QWidget* window = widget->window();
  if (TakesFirstFocus(kind, window->focusWidget() != nullptr && window->focusWidget() != window)) {
    widget->setFocus(Qt::OtherFocusReason);
  }
  auto record = std::make_unique<GadgetRecord>();
  record->widget = widget;
  record->kind = kind;
  record->window = ControlWindow();
  UpdateDefaultAccessibleName(static_cast<GadgetRecord&>(RememberControl(id, std::move(record))));
  return widget;
}

// Shows the window's background where the user would type or tick, as the
// desktop's read-only controls do, so that the controls that take input
// stand out.
void LookReadOnly(QWidget* widget) {
  QPalette palette = widget->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setBrush(group, QPalette::Base, palette.brush(group, QPalette::Window));
  widget->setPalette(palette);
}

// Handlers only queue events: nothing is ever deleted from inside one.
auto Queuer(GadgetId id) {
  const WindowId window = ControlWindow();
  return [window, id] { QueueGadgetEvent(window, id); };
}

}  // namespace

void CreateLabel(GadgetId id, int x, int y, int w, int h, const std::string& text, unsigned flags) {
  QWidget* area = PrepareSlot(id);
  if (area == nullptr) return;
  auto* label = new QLabel(ToQt(text), area);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setFocusPolicy(Qt::NoFocus);
  if (flags & kSunken) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Install(id, ControlKind::Label, label, {x, y, w, h});
}

void CreateEditField(GadgetId id, int x, int y, int w, int h, const std::string& text,
                     unsigned flags) {
  QWidget* area = PrepareSlot(id);
  if (area == nullptr) return;
  auto* edit = new QLineEdit(ToQt(text), area);
  edit->setCursorPosition(0);
  // Read-only still lets the user select, copy and tab into the field.
  if (flags & kReadOnly) {
    edit->setReadOnly(true);
    LookReadOnly(edit);
  }
  QObject::connect(edit, &QLineEdit::textEdited, edit, Queuer(id));
  const WindowId windowId = ControlWindow();
  QObject::connect(edit, &QLineEdit::returnPressed, edit, [windowId] {
    if (AppWindow* window = FindAppWindow(windowId))
      QueueGadgetEvent(windowId, window->enterGadget);
  });
  Install(id, ControlKind::EditField, edit, {x, y, w, h});
}

void CreateButton(GadgetId id, int x, int y, int w, int h, const std::string& caption) {
  QWidget* area = PrepareSlot(id);
  if (area == nullptr) return;
  auto* button = new QPushButton(ToQt(caption), area);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, button, Queuer(id));
  Install(id, ControlKind::Button, button, {x, y, w, h});
}

void gadget_layer::ResultBox::Show(bool checked) {
  shown_ = checked;
  setChecked(checked);
}

void gadget_layer::ResultBox::checkStateSet() {
  QCheckBox::checkStateSet();
  if (isChecked() != shown_) setChecked(shown_);
}

void CreateCheckBox(GadgetId id, int x, int y, int w, int h, const std::string& caption,
                    unsigned flags) {
  QWidget* area = PrepareSlot(id);
  if (area == nullptr) return;
  if (flags & kReadOnly) {
    auto* box = new ResultBox(ToQt(caption), area);
    LookReadOnly(box);
    Install(id, ControlKind::CheckBox, box, {x, y, w, h});
    FindGadget(id)->readOnly = true;
    return;
  }
  auto* box = new QCheckBox(ToQt(caption), area);
  // clicked comes from the user only; SelectItem's setChecked does not send it.
  QObject::connect(box, &QCheckBox::clicked, box, Queuer(id));
  Install(id, ControlKind::CheckBox, box, {x, y, w, h});
}

void CreateComboBox(GadgetId id, int x, int y, int w, int h) {
  QWidget* area = PrepareSlot(id);
  if (area == nullptr) return;
  auto* combo = new DropDown(area);
  // activated is the user's choice, the same entry chosen again included;
  // entries added or selected by the program do not send it.
  QObject::connect(combo, &QComboBox::activated, combo, Queuer(id));
  Install(id, ControlKind::ComboBox, combo, {x, y, w, h});
}

void CreateTextArea(GadgetId id, int x, int y, int w, int h, unsigned flags) {
  QWidget* area = PrepareSlot(id);
  if (area == nullptr) return;
  auto* text = new QPlainTextEdit(area);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Fixed-pitch, so that the figures drawn with characters in the help texts
  // keep their shape.
  text->setFont(gadget_layer::TextAreaFont());
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // Tab leaves the text for the next control, as in every other control.
  text->setTabChangesFocus(true);
  if (flags & kReadOnly) {
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
  Install(id, ControlKind::TextArea, text, {x, y, w, h});
}

ScreenBox TextAreaSizeFor(int columns, int lines) {
  // A throwaway text area, so that its frame, margins and scroll bar are
  // measured as the style draws them.
  QPlainTextEdit probe;
  probe.setFont(gadget_layer::TextAreaFont());
  const QFontMetrics metrics(probe.font());
  const int margins =
      2 * (probe.frameWidth() + static_cast<int>(probe.document()->documentMargin()));
  const int scrollBar = probe.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return {0, 0,
          ClampSize(columns) * metrics.horizontalAdvance(QLatin1Char('M')) + margins + scrollBar,
          ClampSize(lines) * metrics.lineSpacing() + margins};
}

void CreateHyperlink(GadgetId id, int x, int y, int w, int h, const std::string& text,
                     unsigned colour) {
  QWidget* area = PrepareSlot(id);
  if (area == nullptr) return;
  auto* link = new Hyperlink(ToQt(text), colour, area);
  link->onClick = Queuer(id);
  Install(id, ControlKind::Hyperlink, link, {x, y, w, h});
}

void CreatePicture(GadgetId id, int x, int y, int w, int h, const PictureImages& images,
                   const std::string& name) {
  QWidget* area = PrepareSlot(id);
  if (area == nullptr) return;
  Install(id, ControlKind::Picture, new Picture(images, area), {x, y, w, h});
  SetAccessibleName(id, name);
}

}  // namespace brindle
