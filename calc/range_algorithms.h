#pragma once
// The range algorithms the program uses, as brindle::ranges. They are the
// standard library's where it has them; the browser build's C++ library
// (emscripten's libc++ of LLVM 14) has the ranges concepts but not yet these
// algorithms, so for it they are written out here, with projections.

#include <algorithm>
#include <functional>
#include <iterator>
#include <ranges>
#include <version>

namespace brindle::ranges {

#if defined(__cpp_lib_ranges)

using std::ranges::all_of;
using std::ranges::any_of;
using std::ranges::count;
using std::ranges::equal;
using std::ranges::find;
using std::ranges::find_if;

#else

template <class R, class T, class Proj = std::identity>
constexpr auto find(R&& r, const T& value, Proj proj = {}) {
  auto it = std::ranges::begin(r);
  for (; it != std::ranges::end(r); ++it)
    if (std::invoke(proj, *it) == value) break;
  return it;
}

template <class R, class Pred, class Proj = std::identity>
constexpr auto find_if(R&& r, Pred pred, Proj proj = {}) {
  auto it = std::ranges::begin(r);
  for (; it != std::ranges::end(r); ++it)
    if (std::invoke(pred, std::invoke(proj, *it))) break;
  return it;
}

template <class R, class Pred, class Proj = std::identity>
constexpr bool any_of(R&& r, Pred pred, Proj proj = {}) {
  return find_if(r, pred, proj) != std::ranges::end(r);
}

template <class R, class Pred, class Proj = std::identity>
constexpr bool all_of(R&& r, Pred pred, Proj proj = {}) {
  for (auto&& x : r)
    if (!std::invoke(pred, std::invoke(proj, x))) return false;
  return true;
}

template <class R, class T, class Proj = std::identity>
constexpr auto count(R&& r, const T& value, Proj proj = {}) {
  std::ranges::range_difference_t<R> n = 0;
  for (auto&& x : r)
    if (std::invoke(proj, x) == value) ++n;
  return n;
}

template <class R1, class R2, class Pred = std::equal_to<> >
constexpr bool equal(R1&& a, R2&& b, Pred pred = {}) {
  return std::equal(std::ranges::begin(a), std::ranges::end(a), std::ranges::begin(b),
                    std::ranges::end(b), pred);
}

#endif

}  // namespace brindle::ranges
