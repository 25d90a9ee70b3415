#include "gadgets/window_geometry.h"

#include <array>
#include <optional>

namespace brindle {

namespace gadget_layer {
namespace {

// What a transition does besides changing the state.
enum class Step : std::uint8_t {
  Nothing,
  WaitForRest,  // judge again once the window has stood still
  PlaceAgain,   // the window manager misplaced the program's change: ask again, once
  Accept,       // the window stands where it stands: report what differs from the known
};

struct Transition {
  GeometryState from;
  GeometryInput on;
  std::optional<Standing> where;  // none: wherever the window stands
  GeometryState to;
  Step step;
};

using S = GeometryState;
using In = GeometryInput;
using W = Standing;

// The first row that matches applies; a state and input without a row stay as
// they are and do nothing.
constexpr std::array kTransitions{
    // Shown where asked: nothing to wait for. Shown elsewhere: the window
    // manager may still be at work, or the user was quicker than the program.
    Transition{S::Hidden, In::Shown, W::AsKnown, S::Steady, Step::Nothing},
    Transition{S::Hidden, In::Shown, W::Misframed, S::Placing, Step::PlaceAgain},
    Transition{S::Hidden, In::Shown, std::nullopt, S::Placing, Step::WaitForRest},

    Transition{S::Placing, In::Reported, W::AsKnown, S::Steady, Step::Nothing},
    Transition{S::Placing, In::Reported, std::nullopt, S::Placing, Step::WaitForRest},
    Transition{S::Placing, In::CameToRest, W::AsKnown, S::Steady, Step::Nothing},
    // Not carried out yet: the window manager's report will come.
    Transition{S::Placing, In::CameToRest, W::OnTheWay, S::Placing, Step::Nothing},
    Transition{S::Placing, In::CameToRest, W::Misframed, S::Placing, Step::PlaceAgain},
    Transition{S::Placing, In::CameToRest, W::Elsewhere, S::Steady, Step::Accept},
    Transition{S::Placing, In::InputArrives, W::Elsewhere, S::Steady, Step::Accept},

    Transition{S::Steady, In::Reported, W::AsKnown, S::Steady, Step::Nothing},
    Transition{S::Steady, In::Reported, std::nullopt, S::UserChanging, Step::WaitForRest},
    Transition{S::Steady, In::CameToRest, std::nullopt, S::Steady, Step::Accept},
    Transition{S::Steady, In::InputArrives, std::nullopt, S::Steady, Step::Accept},

    Transition{S::UserChanging, In::Reported, std::nullopt, S::UserChanging, Step::WaitForRest},
    Transition{S::UserChanging, In::CameToRest, std::nullopt, S::Steady, Step::Accept},
    Transition{S::UserChanging, In::InputArrives, std::nullopt, S::Steady, Step::Accept},
};

bool SamePlace(const WindowGeometry& a, const WindowGeometry& b) {
  return a.left == b.left && a.top == b.top;
}
bool SameSize(const WindowGeometry& a, const WindowGeometry& b) {
  return a.width == b.width && a.height == b.height;
}

}  // namespace

void GeometryTracker::ProgramCreates(const WindowGeometry& wanted) {
  known_ = before_ = wanted;
  placedAgain_ = false;
  state_ = GeometryState::Hidden;
}

GeometryActions GeometryTracker::ProgramPlaces(WindowGeometry wanted, const WindowGeometry& now) {
  GeometryActions actions;
  placedAgain_ = false;
  if (state_ == GeometryState::Hidden) {
    known_ = before_ = wanted;
    actions.askMove = actions.askSize = true;
    return actions;
  }
  if (state_ != GeometryState::Placing && now != known_) {
    actions = Observe(GeometryInput::InputArrives, now, {});
    if (actions.reportMove) {
      wanted.left = now.left;
      wanted.top = now.top;
    }
  }
  // While an earlier change is still on its way, ask again for all of it.
  const bool placing = state_ == GeometryState::Placing;
  actions.askMove = placing || !SamePlace(wanted, known_);
  actions.askSize = placing || !SameSize(wanted, known_);
  if (!actions.askMove && !actions.askSize) return actions;
  if (!placing) before_ = known_;
  known_ = wanted;
  state_ = GeometryState::Placing;
  return actions;
}

void GeometryTracker::Accept(const WindowGeometry& now, GeometryActions& actions) {
  // While placing, a part that stands as asked or as before is still the
  // program's change on its way; only the other part is the user's.
  const bool placing = state_ == GeometryState::Placing;
  if (!SamePlace(now, known_) && !(placing && SamePlace(now, before_))) {
    actions.reportMove = true;
    known_.left = now.left;
    known_.top = now.top;
  }
  if (!SameSize(now, known_) && !(placing && SameSize(now, before_))) {
    actions.reportSize = true;
    known_.width = now.width;
    known_.height = now.height;
  }
}

Standing GeometryTracker::Judge(const WindowGeometry& now, FrameOffset frame) const {
  if (now == known_) return Standing::AsKnown;
  if (state_ != GeometryState::Placing && state_ != GeometryState::Hidden)
    return Standing::Elsewhere;
  const bool sizeOnTheWay = SameSize(now, known_) || SameSize(now, before_);
  if (sizeOnTheWay && (SamePlace(now, known_) || SamePlace(now, before_)))
    return Standing::OnTheWay;
  const bool framed = frame.left != 0 || frame.top != 0;
  const bool innerAtOuter =
      now.left + frame.left == known_.left && now.top + frame.top == known_.top;
  const bool outerAtInner =
      now.left - frame.left == known_.left && now.top - frame.top == known_.top;
  if (sizeOnTheWay && framed && (innerAtOuter || outerAtInner)) return Standing::Misframed;
  return Standing::Elsewhere;
}

GeometryActions GeometryTracker::Observe(GeometryInput input, const WindowGeometry& now,
                                         FrameOffset frame) {
  // A window shown again after it was on the screen reports like any move.
  if (input == GeometryInput::Shown && state_ != GeometryState::Hidden)
    input = GeometryInput::Reported;
  const Standing where = Judge(now, frame);
  GeometryActions actions;
  for (const Transition& t : kTransitions) {
    if (t.from != state_ || t.on != input || (t.where && *t.where != where)) continue;
    Step step = t.step;
    GeometryState to = t.to;
    if (step == Step::PlaceAgain && placedAgain_) {
      // Misplaced twice: the window manager insists, and the window stays there.
      step = Step::Accept;
      to = GeometryState::Steady;
    }
    switch (step) {
      case Step::Nothing:
        break;
      case Step::WaitForRest:
        actions.restartRestTimer = true;
        break;
      case Step::PlaceAgain:
        placedAgain_ = true;
        actions.askMove = actions.askSize = true;
        actions.restartRestTimer = true;
        break;
      case Step::Accept:
        Accept(now, actions);
        break;
    }
    state_ = to;
    return actions;
  }
  return actions;
}

}  // namespace gadget_layer

}  // namespace brindle
