#pragma once
// Inside the gadget layer only: tells the moves and resizes a user made from
// the ones the program made itself, for MoveEvent and SizeEvent.
//
// The window manager reports geometry in bursts: passing positions while it
// applies a resize, a frame-only move when it first frames a window. So a
// window's geometry is judged only once it has come to rest, and every change
// that comes to rest after the program asked for one belongs to the program.

namespace gadget_layer {

struct WindowGeometry {
  int left = 0;  // outer (frame) position
  int top = 0;
  int width = 0;  // inner size
  int height = 0;
};

struct UserChanges {
  bool moved = false;
  bool resized = false;
};

class GeometryTracker {
 public:
  // The program has moved, sized, created or re-shown the window; what the
  // window manager reports until the window next comes to rest is its doing.
  void ProgramChangeStarted() { settling_ = true; }
  bool Settling() const { return settling_; }
  // The window has come to rest at `now`. Returns what the user changed since
  // the geometry last reported or set by the program.
  UserChanges CameToRest(const WindowGeometry& now) {
    UserChanges changes;
    if (!settling_) {
      changes.moved = now.left != known_.left || now.top != known_.top;
      changes.resized = now.width != known_.width || now.height != known_.height;
    }
    settling_ = false;
    known_ = now;
    return changes;
  }

 private:
  WindowGeometry known_;
  bool settling_ = true;  // a new window is the program's change until it rests
};

}  // namespace gadget_layer
