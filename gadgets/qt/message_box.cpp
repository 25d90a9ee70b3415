// Message boxes: a title, a text and "OK", modal for every window of the program.

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "gadgets/gadgets.h"
#include "gadgets/qt/gadget_table.h"

namespace brindle {

void ShowMessage(const std::string& title, const std::string& text) {
  using namespace gadget_layer;
  if (QApplication::instance() == nullptr) return;
  // Owned by the program's window in the foreground, if any, so that it stands
  // over that window.
  QWidget* owner = QApplication::activeWindow();
  if (WindowIdOf(owner) < 0) owner = nullptr;
  QMessageBox box(owner);
  box.setWindowModality(Qt::ApplicationModal);  // every window of the program waits
  box.setWindowTitle(QString::fromStdString(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(text));
  box.setIcon(QMessageBox::NoIcon);
  QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  // A box sized to a short text would cut its own title short in the title
  // bar; keep room for the title (in a bold title-bar font) and the frame's buttons.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    QFont titleFont = box.font();
    titleFont.setBold(true);
    titleFont.setPixelSize(titleFont.pixelSize() > 0 ? titleFont.pixelSize() + 2 : 14);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 110;
    grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.exec();
}

}  // namespace brindle
