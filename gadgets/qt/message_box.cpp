#include "gadgets/qt/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>

#include "gadgets/gadgets.h"
#include "gadgets/qt/gadget_table.h"

namespace gadget_layer {
namespace {

// Kept in a function so that the testing library may set it while static
// objects are still being constructed.
std::function<void(QMessageBox&)>& Watcher() {
  static std::function<void(QMessageBox&)> watcher;
  return watcher;
}

QPointer<QMessageBox> g_openBox;
int g_boxesShown = 0;

}  // namespace

void SetMessageBoxWatcher(std::function<void(QMessageBox&)> watcher) {
  Watcher() = std::move(watcher);
}

QMessageBox* OpenMessageBox() {
  return g_openBox.data();
}

int MessageBoxesShown() {
  return g_boxesShown;
}

}  // namespace gadget_layer

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
  g_openBox = &box;
  ++g_boxesShown;
  if (Watcher()) {
    // Runs inside the box's own loop, once it is showing.
    QTimer::singleShot(0, &box, [&box] {
      if (Watcher()) Watcher()(box);
    });
  }
  box.exec();
  g_openBox = nullptr;
}
