// Opening an address with the desktop's default handler.

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

#include "gadgets/gadgets.h"
#include "gadgets/open_url_hook.h"

namespace brindle {

void OpenUrl(const std::string& address) {
  if (const auto& hook = gadget_layer::UrlOpenerHook()) return hook(address);
  if (QGuiApplication::instance() == nullptr) return;
  // "example.org" has no scheme: read it as a web address. The desktop starts
  // its handler on its own; nothing waits for it and a failure stays silent.
  QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(address)));
}

}  // namespace brindle
