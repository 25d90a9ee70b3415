#pragma once
// Three pieces of the standard library that some C++ libraries still lack (the
// one emscripten builds the browser program with): std::bit_cast, and
// std::to_chars and std::from_chars for floating point. Where the library has
// them they are used as they are; elsewhere the C library's own exact
// conversions stand in. Either way the digits are the same: both print the
// exact binary value correctly rounded, and both read a decimal text to the
// nearest double.

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#if !defined(__cpp_lib_to_chars)
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#endif

namespace brindle {

template <class To, class From>
To BitCast(const From& from) {
  static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<From>);
#if defined(__cpp_lib_bit_cast)
  return std::bit_cast<To>(from);
#else
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
#endif
}

// Writes `value` with exactly `decimals` digits after the point into
// [first, last); returns the end of the text written. The buffer must hold the
// whole text.
inline char* WriteFixed(char* first, char* last, double value, int decimals) {
#if defined(__cpp_lib_to_chars)
  return std::to_chars(first, last, value, std::chars_format::fixed, decimals).ptr;
#else
  // This C library knows one decimal point, ".", whatever the locale.
  const int written =
      std::snprintf(first, static_cast<size_t>(last - first), "%.*f", decimals, value);
  return written < 0 ? first : first + std::min<std::ptrdiff_t>(written, last - first - 1);
#endif
}

// Reads a whole decimal text of digits, "e" and an exponent as a double, the
// nearest one. False when it is out of a double's range (`value` unchanged).
inline bool ReadDouble(const std::string& text, double& value) {
#if defined(__cpp_lib_to_chars)
  return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc{};
#else
  errno = 0;
  const double read = std::strtod(text.c_str(), nullptr);
  if (errno == ERANGE) return false;
  value = read;
  return true;
#endif
}

}  // namespace brindle
