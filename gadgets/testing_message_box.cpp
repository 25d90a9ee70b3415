// Message boxes in tests: look at the next box while it is open, then close it
// with "OK" as the user would.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <cstdio>
#include <utility>

#include "gadgets/gadget_testing.h"
#include "gadgets/message_box.h"
#include "gadgets/testing_support.h"

namespace {

std::function<void(const MessageBoxView&)>& PendingHandler() {
  static std::function<void(const MessageBoxView&)> handler;
  return handler;
}

MessageBoxView ViewOf(const QMessageBox& box) {
  MessageBoxView view;
  view.title = box.windowTitle().toStdString();
  view.text = box.text().toStdString();
  QStringList texts;
  for (QAbstractButton* button : box.buttons())
    texts << button->text();
  view.buttons = texts.join(QLatin1Char('|')).toStdString();
  view.hasIcon = box.icon() != QMessageBox::NoIcon || !box.iconPixmap().isNull();
  return view;
}

void ClickOk(QMessageBox& box) {
  for (QAbstractButton* button : box.buttons()) {
    if (button->text() != QStringLiteral("OK") || box.windowHandle() == nullptr) continue;
    const QPoint centre = button->mapTo(&box, button->rect().center());
    QTest::mouseClick(box.windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
  }
  if (box.isVisible()) box.done(QMessageBox::Accepted);  // no OK button: still never hang
}

void WatchMessageBox(QMessageBox& box) {
  const MessageBoxView view = ViewOf(box);
  if (auto handler = std::exchange(PendingHandler(), {})) {
    handler(view);
  } else {
    std::fprintf(stderr, "message box with no handler armed: \"%s\" / \"%s\"\n", view.title.c_str(),
                 view.text.c_str());
  }
  ClickOk(box);
}

}  // namespace

namespace gadget_testing {

void EnsureTestHooks() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  gadget_layer::SetMessageBoxWatcher(WatchMessageBox);
}

bool ReachableByUser(const QWidget* window) {
  if (window == nullptr || !window->isEnabled()) return false;
  const QWidget* modal = QApplication::activeModalWidget();
  return modal == nullptr || modal == window;
}

}  // namespace gadget_testing

void OnNextMessageBox(std::function<void(const MessageBoxView&)> handler) {
  gadget_testing::EnsureTestHooks();
  PendingHandler() = std::move(handler);
}

bool MessageBoxOpen() {
  return gadget_layer::OpenMessageBox() != nullptr;
}

int MessageBoxCount() {
  return gadget_layer::MessageBoxesShown();
}
