#pragma once
// Inside the gadget layer only: tells the moves and resizes a user made from
// the ones the program made itself, for MoveEvent and SizeEvent.
//
// The window manager reports geometry in bursts: passing positions while it
// applies a resize, a frame-only move when it first frames a window. So a
// window's geometry is judged once it has come to rest, against the geometry
// last reported to the program or set by it. While a move or resize the
// program asked for is being carried out, that part of the geometry is the
// program's until the window stands where it was asked to; if it then leaves
// that place, the user moved it.

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
  // The geometry the program knows: last reported, or set by the program.
  const WindowGeometry& Known() const { return known_; }
  bool Settling() const { return claimMove_ || claimSize_; }
  // Whether the window has stood where the program's change asked for.
  bool Arrived() const { return arrived_; }

  // The program puts the window at `wanted`, moving and/or sizing it.
  void ProgramPlaces(const WindowGeometry& wanted, bool moves, bool sizes) {
    if (moves) {
      known_.left = wanted.left;
      known_.top = wanted.top;
      claimMove_ = true;
    }
    if (sizes) {
      known_.width = wanted.width;
      known_.height = wanted.height;
      claimSize_ = true;
    }
    if (moves || sizes) arrived_ = false;
  }

  // Whether the program's move is still not carried out at `now`.
  bool MoveOutstanding(const WindowGeometry& now) const {
    return claimMove_ && !arrived_ && (now.left != known_.left || now.top != known_.top);
  }

  // The window, shown on screen, has this geometry now.
  void Observe(const WindowGeometry& now) {
    if (Settling() && ClaimsMet(now)) arrived_ = true;
  }

  enum class Rest { Judged, WaitLonger };
  // The window has come to rest at `now`. While the program's change is not
  // carried out yet and `mayWait`, asks to be called again later; otherwise
  // fills `changes` with what the user changed.
  Rest CameToRest(const WindowGeometry& now, bool shown, bool mayWait, UserChanges& changes) {
    if (Settling()) {
      if (shown) Observe(now);
      if (!shown || (!ClaimsMet(now) && !arrived_)) {
        if (mayWait) return Rest::WaitLonger;
        // The window manager put it elsewhere: that is still the program's change.
        if (claimMove_) {
          known_.left = now.left;
          known_.top = now.top;
        }
        if (claimSize_) {
          known_.width = now.width;
          known_.height = now.height;
        }
      }
      claimMove_ = claimSize_ = arrived_ = false;
    }
    changes.moved = now.left != known_.left || now.top != known_.top;
    changes.resized = now.width != known_.width || now.height != known_.height;
    known_ = now;
    return Rest::Judged;
  }

 private:
  bool ClaimsMet(const WindowGeometry& now) const {
    return (!claimMove_ || (now.left == known_.left && now.top == known_.top)) &&
           (!claimSize_ || (now.width == known_.width && now.height == known_.height));
  }

  WindowGeometry known_;
  bool claimMove_ = false;
  bool claimSize_ = false;
  bool arrived_ = false;  // the window stood where the program wanted it
};

}  // namespace gadget_layer
