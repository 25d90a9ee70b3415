#include "gadgets/window_placement.h"

#include <algorithm>
#include <limits>

namespace brindle {

namespace gadget_layer {
namespace {

// How much of the title bar must show for the user to take hold of it.
constexpr long long kGripWidth = 48;
constexpr long long kGripHeight = 8;

long long Overlap(long long a, long long aLength, long long b, long long bLength) {
  return std::max(0LL, std::min(a + aLength, b + bLength) - std::max(a, b));
}

// Distance from one span to another along one axis, 0 where they overlap.
long long Gap(long long a, long long aLength, long long b, long long bLength) {
  if (a + aLength <= b) return b - (a + aLength);
  if (b + bLength <= a) return a - (b + bLength);
  return 0;
}

bool TitleBarReachable(const ScreenRect& frame, long long title, const ScreenRect& area) {
  return Overlap(frame.top, title, area.top, area.height) >= std::min(kGripHeight, title) &&
         Overlap(frame.left, frame.width, area.left, area.width) >=
             std::min(kGripWidth, frame.width);
}

// Inside [low, low + room) as far as `length` fits, else at its start.
long long Fit(long long at, long long length, long long low, long long room) {
  return std::max(low, std::min(at, low + room - length));
}

int ToInt(long long v) {
  return static_cast<int>(
      std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

Corner ReachableCorner(const ScreenRect& frame, int titleHeight,
                       const std::vector<ScreenRect>& workAreas) {
  const Corner asked{ToInt(frame.left), ToInt(frame.top)};
  if (workAreas.empty()) return asked;
  const long long title = std::clamp<long long>(titleHeight, 1, std::max(1LL, frame.height));
  const ScreenRect* nearest = &workAreas.front();
  long long nearestDistance = std::numeric_limits<long long>::max();
  for (const ScreenRect& area : workAreas) {
    if (TitleBarReachable(frame, title, area)) return asked;
    const long long dx = Gap(frame.left, frame.width, area.left, area.width);
    const long long dy = Gap(frame.top, frame.height, area.top, area.height);
    // Far-off corners square beyond any long: compare the larger gap first.
    const long long distance = std::max(dx, dy) + std::min(dx, dy) / 2;
    if (distance < nearestDistance) {
      nearestDistance = distance;
      nearest = &area;
    }
  }
  return {ToInt(Fit(frame.left, frame.width, nearest->left, nearest->width)),
          ToInt(Fit(frame.top, frame.height, nearest->top, nearest->height))};
}

}  // namespace gadget_layer

gadget_layer::Corner CornerBeside(const gadget_layer::ScreenRect& anchor,
                                  const gadget_layer::ScreenRect& area, long long width,
                                  long long height) {
  using gadget_layer::Fit;
  using gadget_layer::ToInt;
  const long long right = area.left + area.width, bottom = area.top + area.height;
  const long long roomRight = right - (anchor.left + anchor.width);
  const long long roomLeft = anchor.left - area.left;
  // Level with the anchor's top, or its left edge, as far as the area allows.
  const long long level = Fit(anchor.top, height, area.top, area.height);
  const long long aligned = Fit(anchor.left, width, area.left, area.width);
  if (roomRight >= width) return {ToInt(anchor.left + anchor.width), ToInt(level)};
  if (roomLeft >= width) return {ToInt(anchor.left - width), ToInt(level)};
  if (bottom - (anchor.top + anchor.height) >= height)
    return {ToInt(aligned), ToInt(anchor.top + anchor.height)};
  if (anchor.top - area.top >= height) return {ToInt(aligned), ToInt(anchor.top - height)};
  const long long side = roomRight >= roomLeft ? right - width : area.left;
  return {ToInt(std::max(area.left, side)), ToInt(level)};
}

}  // namespace brindle
