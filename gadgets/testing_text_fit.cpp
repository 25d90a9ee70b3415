// How wide a control must be for its own text, with the style's real metrics.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <algorithm>

#include "gadgets/gadget_table.h"
#include "gadgets/gadget_testing.h"

using namespace gadget_layer;

namespace {

// The width of everything but the text: what the style takes from the
// control's box for frame, padding, indicator or arrow.
int ButtonNeed(const QAbstractButton& button, QStyle::SubElement contents) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  option.rect = button.rect();
  const QRect textBox = button.style()->subElementRect(contents, &option, &button);
  return button.fontMetrics().horizontalAdvance(button.text()) + button.width() - textBox.width();
}

int ComboNeed(const QComboBox& combo) {
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.rect = combo.rect();
  option.editable = combo.isEditable();
  const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, &combo);
  int widest = 0;
  for (int i = 0; i < combo.count(); ++i) {
    widest = std::max(widest, combo.fontMetrics().horizontalAdvance(combo.itemText(i)));
  }
  // The entry is drawn one pixel inside each side of the field.
  return widest + 2 + combo.width() - field.width();
}

int LineEditNeed(const QLineEdit& edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.rect = edit.rect();
  option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
  const QRect textBox = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
  // The line edit keeps two pixels of margin each side, and room for the cursor.
  return edit.fontMetrics().horizontalAdvance(edit.text()) + 2 * 2 + 1 + edit.width() -
         textBox.width();
}

int TextAreaNeed(const QPlainTextEdit& area) {
  int widest = 0;
  const QStringList lines = area.toPlainText().split(QLatin1Char('\n'));
  for (const QString& line : lines) {
    widest = std::max(widest, area.fontMetrics().horizontalAdvance(line));
  }
  const int margins = 2 * static_cast<int>(area.document()->documentMargin());
  return widest + margins + area.width() - area.viewport()->width();
}

}  // namespace

int TextWidthNeeded(GadgetId id) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return 0;
  QWidget* widget = record->widget.data();
  switch (record->kind) {
    case ControlKind::Label:
    case ControlKind::Hyperlink:
      // A label's own measure counts its frame and the indent a framed label keeps.
      return static_cast<QLabel*>(widget)->sizeHint().width();
    case ControlKind::Button:
      return ButtonNeed(*static_cast<QPushButton*>(widget), QStyle::SE_PushButtonContents);
    case ControlKind::CheckBox:
      return ButtonNeed(*static_cast<QCheckBox*>(widget), QStyle::SE_CheckBoxContents);
    case ControlKind::ComboBox:
      return ComboNeed(*static_cast<QComboBox*>(widget));
    case ControlKind::EditField:
      return LineEditNeed(*static_cast<QLineEdit*>(widget));
    case ControlKind::TextArea:
      return TextAreaNeed(*static_cast<QPlainTextEdit*>(widget));
    case ControlKind::None:
      break;
  }
  return 0;
}
