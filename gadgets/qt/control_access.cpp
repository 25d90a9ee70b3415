// Operations on existing controls by id: texts, entries, states, tool tips,
// names, places. A missing id reads as 0 or "" and changes nothing.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "gadgets/gadget_rules.h"
#include "gadgets/qt/app_window.h"
#include "gadgets/qt/controls.h"
#include "gadgets/qt/drop_down.h"

namespace brindle {

using namespace gadget_layer;

namespace gadget_layer {

bool NamedByOwnText(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::Button ||
         kind == ControlKind::CheckBox || kind == ControlKind::Hyperlink;
}

void UpdateDefaultAccessibleName(GadgetRecord& record) {
  if (record.namedByProgram) return;
  QString name;
  if (NamedByOwnText(record.kind)) {
    if (auto* label = qobject_cast<QLabel*>(record.widget.data())) name = label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(record.widget.data())) name = button->text();
  }
  // Controls without a caption of their own are known by their tool tip.
  if (name.trimmed().isEmpty()) name = ToQt(record.toolTip);
  record.widget->setAccessibleName(name);
}

}  // namespace gadget_layer

namespace {

// The document of a text area keeps lines, not line ends: CR LF and a lone CR
// both end a line.
QString LinesOf(const std::string& text) {
  QString lines = ToQt(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lines;
}

// Tool tips are shown literally: "&" is no mnemonic, and text that looks like
// markup is escaped so that "<=" and the like stay as typed.
QString ToolTipText(const std::string& text) {
  const QString tip = ToQt(text);
  if (!Qt::mightBeRichText(tip)) return tip;
  return QStringLiteral("<p style='white-space:pre'>") + tip.toHtmlEscaped() +
         QStringLiteral("</p>");
}

}  // namespace

void SetText(GadgetId id, const std::string& text) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return;
  QWidget* widget = record->widget.data();
  switch (record->kind) {
    case ControlKind::Label:
    case ControlKind::Hyperlink:
      static_cast<QLabel*>(widget)->setText(ToQt(text));
      break;
    case ControlKind::EditField: {
      auto* edit = static_cast<QLineEdit*>(widget);
      edit->setText(ToQt(text));
      edit->setCursorPosition(0);  // a long result shows its beginning
      break;
    }
    case ControlKind::Button:
    case ControlKind::CheckBox:
      static_cast<QAbstractButton*>(widget)->setText(ToQt(text));
      break;
    case ControlKind::TextArea: {
      auto* area = static_cast<QPlainTextEdit*>(widget);
      area->setPlainText(LinesOf(text));
      record->textAreaText = text;
      record->textAreaRevision = area->document()->revision();
      break;
    }
    case ControlKind::ComboBox:  // its text is its selected entry
    case ControlKind::Picture:   // its words are its accessible name
    case ControlKind::None:
      break;
  }
  UpdateDefaultAccessibleName(*record);
}

std::string GetText(GadgetId id) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return {};
  QWidget* widget = record->widget.data();
  switch (record->kind) {
    case ControlKind::Label:
    case ControlKind::Hyperlink:
      return static_cast<QLabel*>(widget)->text().toStdString();
    case ControlKind::EditField:
      return static_cast<QLineEdit*>(widget)->text().toStdString();
    case ControlKind::Button:
    case ControlKind::CheckBox:
      return static_cast<QAbstractButton*>(widget)->text().toStdString();
    case ControlKind::ComboBox:
      return static_cast<QComboBox*>(widget)->currentText().toStdString();
    case ControlKind::TextArea: {
      auto* area = static_cast<QPlainTextEdit*>(widget);
      if (area->document()->revision() == record->textAreaRevision) return record->textAreaText;
      // Edited since: lines end in CR LF, as the program's own texts do.
      QString text = area->toPlainText();
      text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
      return text.toStdString();
    }
    case ControlKind::Picture:
    case ControlKind::None:
      break;
  }
  return {};
}

void AddItem(GadgetId id, const std::string& text) {
  auto* combo = GadgetAs<QComboBox>(id, ControlKind::ComboBox);
  if (combo == nullptr) return;
  // A new entry selects nothing by itself: an empty drop-down stays unselected.
  const bool noneSelected = combo->currentIndex() < 0;
  combo->addItem(ToQt(text));
  if (noneSelected) combo->setCurrentIndex(-1);
}

void SelectItem(GadgetId id, int value) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return;
  if (record->kind == ControlKind::ComboBox) {
    auto* combo = static_cast<QComboBox*>(record->widget.data());
    // An index that names no entry leaves none selected.
    combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
  } else if (record->readOnly) {
    static_cast<ResultBox*>(record->widget.data())->Show(value != 0);
  } else if (record->kind == ControlKind::CheckBox) {
    static_cast<QCheckBox*>(record->widget.data())->setChecked(value != 0);
  }
}

int SelectedItem(GadgetId id) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return 0;
  if (record->kind == ControlKind::ComboBox) {
    return static_cast<QComboBox*>(record->widget.data())->currentIndex();
  }
  if (record->kind == ControlKind::CheckBox) {
    return static_cast<QCheckBox*>(record->widget.data())->isChecked() ? 1 : 0;
  }
  return 0;
}

void SetToolTip(GadgetId id, const std::string& text) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return;
  record->toolTip = text;
  record->widget->setToolTip(ToolTipText(text));
  UpdateDefaultAccessibleName(*record);
}

void SetGadgetEnabled(GadgetId id, bool enabled) {
  if (QWidget* widget = GadgetWidget(id)) widget->setEnabled(enabled);
}

void SetAccessibleName(GadgetId id, const std::string& name) {
  GadgetRecord* record = FindGadget(id);
  if (record == nullptr) return;
  record->namedByProgram = true;
  record->widget->setAccessibleName(ToQt(name));
  // On Linux a screen reader calls a drop-down by its entry and takes the
  // caption from the label that says it labels the control (AT-SPI's
  // labelled-by): the label beside it that reads the name becomes its buddy.
  if (NamedByOwnText(record->kind) || record->widget->parentWidget() == nullptr) return;
  for (QLabel* label :
       record->widget->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (label->text() == ToQt(name)) label->setBuddy(record->widget);
  }
}

void PlaceGadget(GadgetId id, int x, int y, int w, int h) {
  QWidget* widget = GadgetWidget(id);
  if (widget == nullptr) return;
  widget->setGeometry(ClampCoordinate(x), ClampCoordinate(y), ClampSize(w), ClampSize(h));
}

void SetEnterGadget(WindowId window, GadgetId gadget) {
  if (AppWindow* w = FindAppWindow(window)) w->enterGadget = gadget;
}

}  // namespace brindle
