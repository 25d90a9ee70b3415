// Opening an address with the desktop's default handler.

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

#include "gadgets/gadgets.h"

namespace {

std::function<void(const std::string&)>& UrlHandler() {
  static std::function<void(const std::string&)> handler;
  return handler;
}

}  // namespace

void OpenUrl(const std::string& address) {
  if (UrlHandler()) {
    UrlHandler()(address);
    return;
  }
  if (QGuiApplication::instance() == nullptr) return;
  // "example.org" has no scheme: read it as a web address. The desktop starts
  // its handler on its own; nothing waits for it and a failure stays silent.
  QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(address)));
}

void SetOpenUrlHandler(std::function<void(const std::string&)> handler) {
  UrlHandler() = std::move(handler);
}
