// What only a real window manager (openbox on Xvfb) shows and the end-to-end
// suite does not: a fixed size the user cannot change, "topmost" re-showing a
// window where it stood, and the close request held back by a message box.
// Where windows land and which moves are the user's is tested end to end.

#include <xcb/xcb.h>

#include <QWidget>
#include <QWindow>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "gadgets/app_window.h"
#include "gadgets/gadget_table.h"
#include "tests/support/gadget_fixture.h"

namespace {

// The window manager and the X server need longer than the offscreen platform.
constexpr int kWmSettleMs = 1500;

constexpr unsigned kMainFrame = kTitleBar | kCloseBox;
constexpr unsigned kHelpFrame = kTitleBar | kCloseBox | kSizingBorder | kMinimizeBox | kMaximizeBox;

std::string RunCommand(const std::string& command) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return out;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr)
    out += buffer;
  return out;
}

int NumberAfter(const std::string& text, const std::string& key) {
  const size_t at = text.find(key);
  if (at == std::string::npos) return -1000000;
  return std::atoi(text.c_str() + at + key.size());
}

// The X window of the program's window now (re-showing for "topmost" makes a new one).
// Shown when the program first waits: wait for it.
std::string NativeId(WindowId id) {
  WaitUntil([id] { return gadget_layer::FindAppWindow(id)->windowHandle() != nullptr; });
  return std::to_string(gadget_layer::FindAppWindow(id)->windowHandle()->winId());
}

struct XFrame {
  int left = 0, top = 0;      // outer corner, as the X server has it
  int width = 0, height = 0;  // the client window
};
// Where the X server has put the window, independent of what the toolkit thinks.
XFrame FrameFromX(WindowId id) {
  const std::string info = RunCommand("xwininfo -id " + NativeId(id));
  const std::string extents = RunCommand("xprop -id " + NativeId(id) + " _NET_FRAME_EXTENTS");
  // "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"
  int left = 0, right = 0, top = 0, bottom = 0;
  const size_t eq = extents.find('=');
  if (eq != std::string::npos) {
    std::sscanf(extents.c_str() + eq + 1, "%d , %d , %d , %d", &left, &right, &top, &bottom);
  }
  XFrame frame;
  frame.left = NumberAfter(info, "Absolute upper-left X:") - left;
  frame.top = NumberAfter(info, "Absolute upper-left Y:") - top;
  frame.width = NumberAfter(info, "Width:");
  frame.height = NumberAfter(info, "Height:");
  return frame;
}

// What a window manager sends when the user clicks a window's close box.
void SendCloseRequest(WindowId id) {
  const xcb_window_t window = static_cast<xcb_window_t>(std::stoul(NativeId(id)));
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  auto atom = [connection](const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    xcb_atom_t value = XCB_ATOM_NONE;
    if (reply != nullptr) value = reply->atom;
    std::free(reply);
    return value;
  };
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = atom("WM_PROTOCOLS");
  message.data.data32[0] = atom("WM_DELETE_WINDOW");
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&message));
  // A round trip, so that the server has handled the request before we go.
  std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
  xcb_disconnect(connection);
}

class WmGeometryTest : public GadgetTest {
 protected:
  void SetUp() override {
    if (RunCommand("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") == std::string::npos) {
      GTEST_SKIP() << "no window manager on this display";
    }
  }
};

void OpenMainWindowWithMenu() {
  ASSERT_TRUE(CreateAppWindow(0, 346, 50, 600, 300, "Brindle's Math", kMainFrame));
  CreateMenuBar(0, 0);
  AddMenuTitle("Calculate");
  AddMenuItem(0, "Triangle");
}

TEST_F(WmGeometryTest, FixedWindowCannotBeResizedByTheUser) {
  OpenMainWindowWithMenu();
  SettleAndTakeEvents(kWmSettleMs);
  // Without --sync: the size never changes, which --sync would wait for.
  std::system(("xdotool windowsize " + NativeId(0) + " 800 600").c_str());
  SettleAndTakeEvents(kWmSettleMs);
  EXPECT_EQ(FrameFromX(0).width, 600);
  EXPECT_EQ(InnerWidth(0), 600);
}

TEST_F(WmGeometryTest, TopmostAtOnceAndAfterShowingKeepsTheCornerWithoutEvents) {
  // The about window: created, then at once kept above the others; later the
  // toolkit re-creates a shown window for the change.
  ASSERT_TRUE(CreateAppWindow(1, 300, 120, 418, 139, "About Math Calculator",
                              kTitleBar | kCloseBox | kSizingBorder));
  SetWindowTopmost(1, true);
  EXPECT_TRUE(SettleAndTakeEvents(kWmSettleMs).empty());
  SetWindowTopmost(1, false);
  SetWindowTopmost(1, true);
  EXPECT_TRUE(SettleAndTakeEvents(kWmSettleMs).empty());
  const XFrame x = FrameFromX(1);
  EXPECT_EQ((std::array{x.left, x.top, x.width}), (std::array{300, 120, 418}));
  EXPECT_NE(RunCommand("xprop -id " + NativeId(1) + " _NET_WM_STATE").find("_NET_WM_STATE_ABOVE"),
            std::string::npos);
}

TEST_F(WmGeometryTest, CloseRequestIsAnEventAndHeldBackByAMessageBox) {
  OpenMainWindowWithMenu();
  SettleAndTakeEvents(kWmSettleMs);
  SendCloseRequest(0);
  ASSERT_TRUE(WaitUntil([] { return !TakeAllEvents().empty(); }, 3000));
  WaitUntil([] { return false; }, 300);
  EXPECT_TRUE(WindowExists(0));
  const std::string state = RunCommand("xwininfo -id " + NativeId(0) + " | grep 'Map State'");
  EXPECT_NE(state.find("IsViewable"), std::string::npos) << "the window stays open: " << state;
  bool heldBack = false;
  OnNextMessageBox([&heldBack](const MessageBoxView&) {
    SendCloseRequest(0);
    WaitUntil([] { return false; }, 500);
    heldBack = TakeAllEvents().empty();
  });
  ShowMessage("Triangle Error", "x");
  EXPECT_TRUE(heldBack);
  EXPECT_TRUE(TakeAllEvents().empty());
}

}  // namespace
