// Starts a program and watches the X display for its window: reports how long
// after the start a top-level window with the expected title was mapped, how
// long until that window was painted over its whole area, and the program's
// resident memory once it has gone idle. The program is then ended.
//
// Usage: window_watch [-v] TITLE PROGRAM [ARGUMENTS...]
// Output (one line on standard output):
//   mapped_ms=12.345 painted_ms=23.456 idle_ms=480.1 rss_kib=31000 anon_kib=9000 threads=3
// Exit status 0 when everything was seen, 1 otherwise (with the reason on
// standard error).
//
// Both programs compared (ours and the bare floor) are watched by this same
// tool in the same way, so that whatever it costs cancels out of the ratio.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool g_verbose = false;

double NowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// --- The DAMAGE extension, spoken through xcb's generic request call ----------
// (its own client library is not needed for three requests and one event).

xcb_extension_t g_damageExtension = {"DAMAGE", 0};

enum DamageRequest : uint8_t { kDamageQueryVersion = 0, kDamageCreate = 1 };
constexpr uint8_t kReportRawRectangles = 0;

struct DamageQueryVersionRequest {
  uint8_t major, minor;
  uint16_t length;
  uint32_t clientMajor, clientMinor;
};

struct DamageCreateRequest {
  uint8_t major, minor;
  uint16_t length;
  uint32_t damage, drawable;
  uint8_t level, pad[3];
};

// The DamageNotify event as the server sends it.
struct DamageNotifyEvent {
  uint8_t responseType;
  uint8_t level;
  uint16_t sequence;
  uint32_t drawable, damage, timestamp;
  int16_t x, y;
  uint16_t width, height;
  int16_t geometryX, geometryY;
  uint16_t geometryWidth, geometryHeight;
};
static_assert(sizeof(DamageNotifyEvent) == 32);

template <class Request>
unsigned SendExtensionRequest(xcb_connection_t* c, Request& request, uint8_t opcode, bool isVoid) {
  std::array<iovec, 3> parts{};  // xcb uses the two in front of the request itself
  parts[2].iov_base = &request;
  parts[2].iov_len = sizeof request;
  xcb_protocol_request_t info{};
  info.count = 1;
  info.ext = &g_damageExtension;
  info.opcode = opcode;
  info.isvoid = isVoid ? 1 : 0;
  return xcb_send_request(c, isVoid ? 0 : XCB_REQUEST_CHECKED, &parts[2], &info);
}

// Returns the first event code of the extension, or nullopt when it is missing.
std::optional<uint8_t> InitDamage(xcb_connection_t* c) {
  const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &g_damageExtension);
  if (ext == nullptr || !ext->present) return std::nullopt;
  DamageQueryVersionRequest request{0, 0, 0, 1, 1};
  const unsigned sequence = SendExtensionRequest(c, request, kDamageQueryVersion, false);
  xcb_generic_error_t* error = nullptr;
  void* reply = xcb_wait_for_reply(c, sequence, &error);
  std::free(reply);
  if (error != nullptr) {
    std::free(error);
    return std::nullopt;
  }
  return ext->first_event;
}

void WatchDamage(xcb_connection_t* c, xcb_window_t window) {
  DamageCreateRequest request{0, 0, 0, xcb_generate_id(c), window, kReportRawRectangles, {}};
  SendExtensionRequest(c, request, kDamageCreate, true);
}

// --- Windows -----------------------------------------------------------------

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool Empty() const { return right <= left || bottom <= top; }
  void Add(const Rect& r) {
    if (r.Empty()) return;
    if (Empty()) {
      *this = r;
      return;
    }
    left = std::min(left, r.left);
    top = std::min(top, r.top);
    right = std::max(right, r.right);
    bottom = std::max(bottom, r.bottom);
  }
};

struct Watched {
  std::string title;
  bool mapped = false;
  int width = 0, height = 0;
  double shownMs = -1;    // mapped with the expected title
  double paintedMs = -1;  // whole area drawn after that
  Rect drawn;             // union of what was drawn since it was shown
};

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

class Watcher {
 public:
  Watcher(xcb_connection_t* c, xcb_window_t root, std::string title)
      : c_(c), root_(root), wanted_(std::move(title)) {
    netWmName_ = Atom(c, "_NET_WM_NAME");
    utf8String_ = Atom(c, "UTF8_STRING");
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
  }

  void SetDamageEvent(uint8_t code) { damageEvent_ = code; }

  // The window that was shown with the expected title, once there is one.
  const Watched* Shown() const {
    for (const auto& [id, w] : windows_) {
      if (w.shownMs >= 0) return &w;
    }
    return nullptr;
  }

  void Handle(const xcb_generic_event_t* event, double t) {
    const uint8_t type = event->response_type & 0x7f;
    if (damageEvent_ && type == *damageEvent_) {
      OnDamage(*reinterpret_cast<const DamageNotifyEvent*>(event), t);
      return;
    }
    switch (type) {
      case XCB_CREATE_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_create_notify_event_t*>(event);
        if (e->parent == root_) Track(e->window, e->width, e->height, t);
        break;
      }
      case XCB_MAP_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        if (Watched* w = Find(e->window)) {
          w->mapped = true;
          Check(e->window, *w, t, "mapped");
        }
        break;
      }
      case XCB_UNMAP_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_unmap_notify_event_t*>(event);
        if (Watched* w = Find(e->window)) w->mapped = false;
        break;
      }
      case XCB_CONFIGURE_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        if (Watched* w = Find(e->window)) {
          w->width = e->width;
          w->height = e->height;
        }
        break;
      }
      case XCB_PROPERTY_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (e->atom != netWmName_ && e->atom != XCB_ATOM_WM_NAME) break;
        if (Watched* w = Find(e->window)) {
          w->title = ReadTitle(e->window);
          Check(e->window, *w, t, "titled");
        }
        break;
      }
      default:
        break;
    }
  }

 private:
  Watched* Find(xcb_window_t id) {
    auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : &it->second;
  }

  void Track(xcb_window_t id, int width, int height, double t) {
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c_, id, XCB_CW_EVENT_MASK, &mask);
    if (damageEvent_) WatchDamage(c_, id);
    Watched& w = windows_[id];
    w.width = width;
    w.height = height;
    // What happened before the selection above took effect is read now.
    auto cookie = xcb_get_window_attributes(c_, id);
    std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
        xcb_get_window_attributes_reply(c_, cookie, nullptr), &std::free);
    if (attributes) w.mapped = attributes->map_state != XCB_MAP_STATE_UNMAPPED;
    w.title = ReadTitle(id);
    Check(id, w, t, "created");
  }

  std::string ReadProperty(xcb_window_t id, xcb_atom_t property, xcb_atom_t type) {
    auto cookie = xcb_get_property(c_, 0, id, property, type, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c_, cookie, nullptr), &std::free);
    if (!reply || reply->format != 8) return {};
    const char* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(bytes, static_cast<size_t>(xcb_get_property_value_length(reply.get())));
  }

  std::string ReadTitle(xcb_window_t id) {
    std::string title = ReadProperty(id, netWmName_, utf8String_);
    return title.empty() ? ReadProperty(id, XCB_ATOM_WM_NAME, XCB_ATOM_ANY) : title;
  }

  void Check(xcb_window_t id, Watched& w, double t, const char* what) {
    if (g_verbose) {
      std::fprintf(stderr, "%9.3f ms  0x%08x %s \"%s\" %dx%d%s\n", t, id, what, w.title.c_str(),
                   w.width, w.height, w.mapped ? " mapped" : "");
    }
    if (w.shownMs < 0 && w.mapped && w.title == wanted_) w.shownMs = t;
  }

  void OnDamage(const DamageNotifyEvent& e, double t) {
    Watched* w = Find(e.drawable);
    if (w == nullptr) return;
    if (g_verbose) {
      std::fprintf(stderr, "%9.3f ms  0x%08x drawn %dx%d at %d,%d\n", t, e.drawable, e.width,
                   e.height, e.x, e.y);
    }
    if (w->shownMs < 0 || w->paintedMs >= 0) return;
    w->drawn.Add(Rect{e.x, e.y, e.x + e.width, e.y + e.height});
    if (w->drawn.left <= 0 && w->drawn.top <= 0 && w->drawn.right >= w->width &&
        w->drawn.bottom >= w->height) {
      w->paintedMs = t;
    }
  }

  xcb_connection_t* c_;
  xcb_window_t root_;
  std::string wanted_;
  xcb_atom_t netWmName_ = XCB_ATOM_NONE;
  xcb_atom_t utf8String_ = XCB_ATOM_NONE;
  std::optional<uint8_t> damageEvent_;
  std::map<xcb_window_t, Watched> windows_;
};

// --- The process -------------------------------------------------------------

// CPU time of the whole process in clock ticks (user + system), -1 when gone.
long CpuTicks(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  std::getline(in, text);
  // The command name in parentheses may hold blanks; fields count from after it.
  const size_t close = text.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  long utime = 0, stime = 0;
  for (int i = 3; fields >> field; ++i) {
    if (i == 14) utime = std::strtol(field.c_str(), nullptr, 10);
    if (i == 15) {
      stime = std::strtol(field.c_str(), nullptr, 10);
      return utime + stime;
    }
  }
  return -1;
}

// A "Name:   value kB" line of /proc/<pid>/status.
long StatusValue(pid_t pid, const std::string& name) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(in, line)) {
    if (line.compare(0, name.size() + 1, name + ":") == 0)
      return std::strtol(line.c_str() + name.size() + 1, nullptr, 10);
  }
  return -1;
}

bool ChildAlive(pid_t pid) {
  int status = 0;
  return waitpid(pid, &status, WNOHANG) == 0;
}

void EndChild(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 200; ++i) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) != 0) return;
    usleep(10'000);
  }
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
}

constexpr double kGiveUpMs = 20'000;
// The program counts as idle once it has used no CPU tick for this long.
constexpr double kIdleQuietMs = 300;

int Fail(pid_t pid, const char* why) {
  std::fprintf(stderr, "window_watch: %s\n", why);
  if (pid > 0) EndChild(pid);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  if (argc > 1 && std::strcmp(argv[1], "-v") == 0) {
    g_verbose = true;
    ++first;
  }
  if (argc - first < 2) {
    std::fprintf(stderr, "usage: window_watch [-v] TITLE PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  int screenNumber = 0;
  xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(c)) return Fail(-1, "cannot open the display");
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
  for (int i = 0; i < screenNumber; ++i)
    xcb_screen_next(&screens);
  Watcher watcher(c, screens.data->root, argv[first]);
  const std::optional<uint8_t> damage = InitDamage(c);
  if (!damage) return Fail(-1, "the display has no DAMAGE extension");
  watcher.SetDamageEvent(*damage);
  xcb_flush(c);

  const double start = NowMs();
  // Lets a program that prints its own CLOCK_MONOTONIC marks line them up.
  if (g_verbose) std::fprintf(stderr, "start at %.3f ms of CLOCK_MONOTONIC\n", start);
  const pid_t pid = fork();
  if (pid < 0) return Fail(-1, "cannot start a process");
  if (pid == 0) {
    execv(argv[first + 1], argv + first + 1);
    _exit(127);
  }

  // Until painted: X events only.
  const int fd = xcb_get_file_descriptor(c);
  while (true) {
    const Watched* shown = watcher.Shown();
    if (shown != nullptr && shown->paintedMs >= 0) break;
    if (NowMs() - start > kGiveUpMs) return Fail(pid, "no window with that title was painted");
    if (!ChildAlive(pid)) return Fail(-1, "the program ended before its window was painted");
    pollfd wait{fd, POLLIN, 0};
    poll(&wait, 1, 50);
    while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
      watcher.Handle(event, NowMs() - start);
      std::free(event);
    }
    if (xcb_connection_has_error(c)) return Fail(pid, "lost the display");
  }
  const Watched& shown = *watcher.Shown();

  // Then until the program has settled: no CPU used for a while.
  long ticks = CpuTicks(pid);
  double quietSince = NowMs();
  while (NowMs() - quietSince < kIdleQuietMs) {
    if (NowMs() - start > kGiveUpMs) return Fail(pid, "the program never went idle");
    usleep(20'000);
    const long now = CpuTicks(pid);
    if (now < 0) return Fail(-1, "the program ended before it went idle");
    if (now != ticks) {
      ticks = now;
      quietSince = NowMs();
    }
  }
  const double idle = quietSince - start;
  const long rss = StatusValue(pid, "VmRSS");
  const long anon = StatusValue(pid, "RssAnon");
  const long threads = StatusValue(pid, "Threads");
  EndChild(pid);
  xcb_disconnect(c);
  std::printf("mapped_ms=%.3f painted_ms=%.3f idle_ms=%.1f rss_kib=%ld anon_kib=%ld threads=%ld\n",
              shown.shownMs, shown.paintedMs, idle, rss, anon, threads);
  return 0;
}
