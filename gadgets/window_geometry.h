#pragma once
// Inside the gadget layer only, and free of the toolkit: tells the moves and
// resizes a user made from the ones the program made itself, for MoveEvent and
// SizeEvent. A state machine fed with what the window system reports; the
// window code carries out the actions it answers with.
//
// The program's own placing of a window is carried out by the window manager
// some time later, and under load much later. Until the window stands where
// the program asked, every geometry it reports is judged against both the
// geometry asked for and the one before it: either is the program's change
// on its way. A window manager that framed a window late can leave its inner
// corner where its frame corner belongs: put right once. Anything else is the
// user's doing, reported once the window has come to rest, or at once when
// the user's next click or key arrives, so that the program sees the move
// before the click. The program never puts a window back that the user moved.

#include <cstdint>

namespace brindle {

namespace gadget_layer {

struct WindowGeometry {
  int left = 0;  // outer (frame) corner
  int top = 0;
  int width = 0;  // inner size
  int height = 0;
  bool operator==(const WindowGeometry&) const = default;
};

// How far the inner corner stands from the outer one.
struct FrameOffset {
  int left = 0;
  int top = 0;
};

enum class GeometryState : std::uint8_t {
  Hidden,        // not on the screen yet: what the toolkit reports is its own guess
  Placing,       // the program asked for a geometry the window does not show yet
  Steady,        // the window stands where the program knows it
  UserChanging,  // the user moves or sizes it; judged once it comes to rest
};

enum class GeometryInput : std::uint8_t {
  Shown,         // the window is on the screen, in its frame
  Reported,      // the window system reported a new geometry
  CameToRest,    // no report for a while
  InputArrives,  // a click or key of the user's is about to be queued
};

// Where the window stands, against what the program knows of it.
enum class Standing : std::uint8_t {
  AsKnown,    // where the program put it, or where it was last reported
  OnTheWay,   // each part as asked, or still as before the program's change
  Misframed,  // as asked but for the frame: inner corner where the frame's belongs
  Elsewhere,  // somewhere the program never asked for
};

struct GeometryActions {
  bool restartRestTimer = false;
  bool askMove = false;  // ask the window system for the known corner
  bool askSize = false;  // ask the window system for the known size
  bool reportMove = false;
  bool reportSize = false;
};

class GeometryTracker {
 public:
  GeometryState State() const { return state_; }
  // The geometry the program knows: asked for, or last reported.
  const WindowGeometry& Known() const { return known_; }
  bool Placing() const { return state_ == GeometryState::Placing; }

  // The program puts the window, which stands at `now`, at `wanted`. A move
  // of the user's not reported yet is reported first and keeps its corner:
  // the program's corner is older than it. Answers which parts to ask for.
  GeometryActions ProgramPlaces(WindowGeometry wanted, const WindowGeometry& now);
  // The window was (re-)created off the screen at `wanted`.
  void ProgramCreates(const WindowGeometry& wanted);

  // The window system tells something; `now` is where the window stands and
  // `frame` its frame. Answers what the window code must do.
  GeometryActions Observe(GeometryInput input, const WindowGeometry& now, FrameOffset frame);

  Standing Judge(const WindowGeometry& now, FrameOffset frame) const;

 private:
  void Accept(const WindowGeometry& now, GeometryActions& actions);

  WindowGeometry known_;
  WindowGeometry before_;  // while placing: the geometry before the program's change
  bool placedAgain_ = false;
  GeometryState state_ = GeometryState::Hidden;
};

}  // namespace gadget_layer

}  // namespace brindle
