// Window geometry under a real window manager (openbox on Xvfb): windows land
// with their frame corner where asked, the program's own moves and the
// manager's passing reports are no events, and the user's moves and resizes
// through the X server are reported once each.

#include <xcb/xcb.h>

#include <QWidget>
#include <QWindow>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <ostream>
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

std::array<int, 2> Corner(WindowId id) {
  return {WindowLeft(id), WindowTop(id)};
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
  bool operator==(const XFrame&) const = default;
};
void PrintTo(const XFrame& f, std::ostream* os) {
  *os << f.left << "," << f.top << " " << f.width << "x" << f.height;
}

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
  AddMenuTitle("Help");
  AddMenuItem(6, "Help");
}

TEST_F(WmGeometryTest, NewWindowIsFramedAtItsCornerWithoutEvents) {
  OpenMainWindowWithMenu();
  EXPECT_TRUE(SettleAndTakeEvents(kWmSettleMs).empty());
  EXPECT_EQ(Frame(0), (std::array{346, 50, 600, 300}));
  EXPECT_EQ(FrameFromX(0), (XFrame{346, 50, 600, 300}));
}

TEST_F(WmGeometryTest, PageLaidOutAtOnceAfterOpeningLandsAtTheCorner) {
  // Start-up: the first page resizes the window before the manager framed it.
  OpenMainWindowWithMenu();
  PlaceWindow(0, 346, 50, 379, 219 + MenuBarHeight());
  EXPECT_TRUE(SettleAndTakeEvents(kWmSettleMs).empty());
  EXPECT_EQ(Corner(0), (std::array{346, 50}));
  EXPECT_EQ(FrameFromX(0), (XFrame{346, 50, 379, 219 + MenuBarHeight()}));
}

TEST_F(WmGeometryTest, PageSwitchesAreNoEventsAndKeepThePosition) {
  OpenMainWindowWithMenu();
  SettleAndTakeEvents(kWmSettleMs);
  const int pages[][2] = {{361, 162}, {499, 187}, {369, 158}, {317, 129}, {379, 219}};
  for (const auto& page : pages) {
    PlaceWindow(0, 346, 50, page[0], page[1] + MenuBarHeight());
    // The program goes back to waiting at once; the manager's reports follow.
    WaitUntil([] { return false; }, 100);
  }
  EXPECT_TRUE(SettleAndTakeEvents(kWmSettleMs).empty());
  EXPECT_EQ(Corner(0), (std::array{346, 50}));
  const XFrame x = FrameFromX(0);
  EXPECT_EQ((std::array{x.left, x.top, x.width}), (std::array{346, 50, 379}));
}

TEST_F(WmGeometryTest, UserMoveThroughTheServerIsOneMoveEvent) {
  OpenMainWindowWithMenu();
  SettleAndTakeEvents(kWmSettleMs);
  ASSERT_EQ(std::system(("xdotool windowmove --sync " + NativeId(0) + " 500 200").c_str()), 0);
  EXPECT_EQ(Reported(SettleAndTakeEvents(kWmSettleMs)), Reports{"move 0 -1"});
  const XFrame x = FrameFromX(0);
  EXPECT_EQ(Corner(0), (std::array{x.left, x.top}));
  EXPECT_EQ((std::array{x.left, x.top}), (std::array{500, 200}));
  // A page switch afterwards puts it back where the program says, silently.
  PlaceWindow(0, 500, 200, 317, 129 + MenuBarHeight());
  EXPECT_TRUE(SettleAndTakeEvents(kWmSettleMs).empty());
  EXPECT_EQ(Corner(0), (std::array{500, 200}));
}

TEST_F(WmGeometryTest, UserMoveAsSoonAsTheWindowShowsIsReported) {
  OpenMainWindowWithMenu();
  PlaceWindow(0, 346, 50, 379, 219 + MenuBarHeight());
  // Shown in its frame, and the layer has seen it so (no user acts faster).
  ASSERT_TRUE(WaitUntil([] {
    const XFrame x = FrameFromX(0);
    return x.left == 346 && x.top == 50 && x.width == 379 &&
           gadget_layer::FindAppWindow(0)->ReadyForUser();
  }));
  ASSERT_EQ(std::system(("xdotool windowmove --sync " + NativeId(0) + " 466 130").c_str()), 0);
  EXPECT_EQ(Reported(SettleAndTakeEvents(kWmSettleMs)), Reports{"move 0 -1"});
  EXPECT_EQ(Corner(0), (std::array{466, 130}));
}

TEST_F(WmGeometryTest, MoveThenMenuChoiceInOneBreathKeepsTheirOrder) {
  OpenMainWindowWithMenu();
  SettleAndTakeEvents(kWmSettleMs);
  ASSERT_EQ(std::system(("xdotool windowmove --sync " + NativeId(0) + " 466 130").c_str()), 0);
  // The server hands the move over before any later click or key.
  ASSERT_TRUE(WaitUntil([] { return WindowLeft(0) == 466; }));
  ChooseMenuItem(0, 6);
  EXPECT_EQ(Reported(TakeAllEvents()), (Reports{"move 0 -1", "menu 0 6"}));
  EXPECT_EQ(WindowLeft(0), 466);
  PlaceWindow(0, 466, 130, 369, 158 + MenuBarHeight());
  EXPECT_TRUE(SettleAndTakeEvents(kWmSettleMs).empty());
  const XFrame x = FrameFromX(0);
  EXPECT_EQ((std::array{x.left, x.top}), (std::array{466, 130}));
}

TEST_F(WmGeometryTest, UserResizeOfTheHelpWindowIsASizeEvent) {
  ASSERT_TRUE(CreateAppWindow(2, 346, 50, 400, 330, "Math Help", kHelpFrame));
  CreateMenuBar(1, 2);
  AddMenuTitle("Help");
  AddMenuItem(15, "Close");
  SettleAndTakeEvents(kWmSettleMs);
  ASSERT_EQ(std::system(("xdotool windowsize --sync " + NativeId(2) + " 450 360").c_str()), 0);
  EXPECT_EQ(Reported(SettleAndTakeEvents(kWmSettleMs)), Reports{"size 2 -1"});
  EXPECT_EQ(Frame(2), (std::array{346, 50, 450, 360}));
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

TEST_F(WmGeometryTest, TopmostReShowKeepsTheCornerAndIsNoEvent) {
  ASSERT_TRUE(CreateAppWindow(1, 346, 50, 418, 139, "About Math Calculator",
                              kTitleBar | kCloseBox | kSizingBorder));
  SettleAndTakeEvents(kWmSettleMs);
  SetWindowTopmost(1, true);
  EXPECT_TRUE(SettleAndTakeEvents(kWmSettleMs).empty());
  const XFrame x = FrameFromX(1);
  EXPECT_EQ((std::array{x.left, x.top, x.width}), (std::array{346, 50, 418}));
  EXPECT_NE(RunCommand("xprop -id " + NativeId(1) + " _NET_WM_STATE").find("_NET_WM_STATE_ABOVE"),
            std::string::npos);
}

TEST_F(WmGeometryTest, TopmostRightAfterCreationLandsAtTheCorner) {
  // The about window: created, then at once kept above the others.
  ASSERT_TRUE(CreateAppWindow(1, 300, 120, 418, 139, "About Math Calculator",
                              kTitleBar | kCloseBox | kSizingBorder));
  SetWindowTopmost(1, true);
  EXPECT_TRUE(SettleAndTakeEvents(kWmSettleMs).empty());
  const XFrame x = FrameFromX(1);
  EXPECT_EQ((std::array{x.left, x.top}), (std::array{300, 120}));
  EXPECT_EQ(Corner(1), (std::array{300, 120}));
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
