#pragma once
// The browser program's C++ library (emscripten's libc++ of LLVM 14) has
// std::ranges' concepts but not yet its algorithms. The build puts this header
// in front of every source of that build only, so that the program's code reads
// the same everywhere: it gives the few algorithms the program uses, with
// projections, for that library alone. Any other library skips it whole.

#include <version>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 15000 && !defined(__cpp_lib_ranges)

#include <algorithm>
#include <functional>
#include <iterator>
#include <ranges>

namespace std::ranges {

struct identity_projection {
  template <class T>
  constexpr T&& operator()(T&& t) const noexcept {
    return std::forward<T>(t);
  }
};

template <class R, class T, class Proj = identity_projection>
constexpr auto find(R&& r, const T& value, Proj proj = {}) {
  auto it = std::ranges::begin(r);
  for (; it != std::ranges::end(r); ++it)
    if (std::invoke(proj, *it) == value) break;
  return it;
}

template <class R, class Pred, class Proj = identity_projection>
constexpr auto find_if(R&& r, Pred pred, Proj proj = {}) {
  auto it = std::ranges::begin(r);
  for (; it != std::ranges::end(r); ++it)
    if (std::invoke(pred, std::invoke(proj, *it))) break;
  return it;
}

template <class R, class Pred>
constexpr bool any_of(R&& r, Pred pred) {
  return std::ranges::find_if(r, pred) != std::ranges::end(r);
}

template <class R, class Pred>
constexpr bool all_of(R&& r, Pred pred) {
  return !std::ranges::any_of(r, [&pred](auto&& x) { return !std::invoke(pred, x); });
}

template <class R, class T>
constexpr auto count(R&& r, const T& value) {
  std::ranges::range_difference_t<R> n = 0;
  for (auto&& x : r)
    if (x == value) ++n;
  return n;
}

template <class R1, class R2, class Pred = std::equal_to<>>
constexpr bool equal(R1&& a, R2&& b, Pred pred = {}) {
  return std::equal(std::ranges::begin(a), std::ranges::end(a), std::ranges::begin(b),
                    std::ranges::end(b), pred);
}

template <class R, class Out, class Op>
constexpr Out transform(R&& r, Out out, Op op) {
  return std::transform(std::ranges::begin(r), std::ranges::end(r), out, op);
}

}  // namespace std::ranges

#endif
