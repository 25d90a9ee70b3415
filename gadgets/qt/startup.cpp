// Start-up of the gadget layer: the application object, the style and the font.

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>
#include <filesystem>
#include <system_error>
#include <vector>

#include "gadgets/gadgets.h"
#include "gadgets/qt/gadget_font.h"

#ifdef BRINDLE_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace brindle {

namespace {

// The application object keeps references to argc and argv for its whole life.
int g_argc = 0;
std::vector<std::string> g_argStorage;
std::vector<char*> g_argv;

bool DisplayReachable() {
#ifdef BRINDLE_HAVE_XCB
  // Under X11 the toolkit aborts the process when it cannot open the display;
  // find that out first so that the caller hears "false" instead.
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && !platform.startsWith("xcb")) return true;
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool ok = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return ok;
#else
  return true;
#endif
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// LeakSanitizer: fontconfig keeps its caches, and libdbus its connection data,
// for the life of the process by design; what they still hold at the end is
// not the program's leak.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}
#endif

bool InitGadgets(int& argc, char** argv) {
  if (QApplication::instance() != nullptr) return true;
  if (!DisplayReachable()) return false;
  for (int i = 0; i < argc; ++i)
    g_argStorage.emplace_back(argv[i] != nullptr ? argv[i] : "");
  for (std::string& arg : g_argStorage)
    g_argv.push_back(arg.data());
  g_argv.push_back(nullptr);
  g_argc = argc;
  // The desktop's theme plug-in is not loaded: under GNOME it would bring in
  // GTK and the accessibility bus, tripling the start-up time, and the program
  // keeps one look on every desktop anyway.
  QGuiApplication::setDesktopSettingsAware(false);
  new QApplication(g_argc, g_argv.data());
  // One look on every desktop.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(gadget_layer::ChooseGadgetFont());
  // The program decides when it ends; closing its last window is an event.
  QApplication::setQuitOnLastWindowClosed(false);
  return true;
}

std::string ProgramFilePath() {
  if (QCoreApplication::instance() != nullptr) {
    return QCoreApplication::applicationFilePath().toStdString();
  }
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

void SetProgramIcon(const unsigned char* png, std::size_t size) {
  if (QApplication::instance() == nullptr) return;
  QPixmap picture;
  if (picture.loadFromData(png, static_cast<uint>(size), "PNG")) {
    QApplication::setWindowIcon(QIcon(picture));
  }
}

}  // namespace brindle
