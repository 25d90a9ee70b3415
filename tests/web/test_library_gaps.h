#pragma once
// The golden tests read and print floats with std::from_chars, std::to_chars
// and std::bit_cast, which the browser build's C++ library (emscripten's
// libc++ of LLVM 14) lacks for floating point. For that build only, the tests
// get them here from the C library's exact conversions, so that the same test
// files check the program's digits under Node. Any other library skips this.

#include <version>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 15000

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

namespace std {

#if !defined(__cpp_lib_bit_cast)
template <class To, class From>
To bit_cast(const From& from) noexcept {
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
}
#endif

template <class Real>
from_chars_result brindle_read_real(const char* first, const char* last, Real& value) {
  const std::string text(first, last);
  if (text.empty() || text[0] == ' ' || text[0] == '+') return {first, errc::invalid_argument};
  char* end = nullptr;
  errno = 0;
  const Real read = sizeof(Real) == sizeof(float) ? std::strtof(text.c_str(), &end)
                                                  : std::strtod(text.c_str(), &end);
  const char* stop = first + (end - text.c_str());
  if (stop == first) return {first, errc::invalid_argument};
  if (errno == ERANGE) return {stop, errc::result_out_of_range};
  value = read;
  return {stop, errc{}};
}
inline from_chars_result from_chars(const char* first, const char* last, float& value) {
  return brindle_read_real(first, last, value);
}
inline from_chars_result from_chars(const char* first, const char* last, double& value) {
  return brindle_read_real(first, last, value);
}

// The shortest text that reads back as `value`: fixed or scientific, whichever
// is shorter (fixed on a tie), as std::to_chars writes it.
template <class Real>
to_chars_result brindle_write_real(char* first, char* last, Real value) {
  std::string text;
  if (value != value) {
    text = "nan";
  } else if (value == __builtin_inff() || value == -__builtin_inff()) {
    text = value < 0 ? "-inf" : "inf";
  } else if (value == 0) {
    text = std::signbit(value) ? "-0" : "0";
  } else {
    char scientific[48];
    const int most = sizeof(Real) == sizeof(float) ? 9 : 17;
    for (int digits = 1; digits <= most; ++digits) {
      std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, static_cast<double>(value));
      const Real back = sizeof(Real) == sizeof(float) ? std::strtof(scientific, nullptr)
                                                      : std::strtod(scientific, nullptr);
      if (back == value) break;
    }
    std::string s = scientific;
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const size_t e = s.find('e');
    const int exponent = std::atoi(s.c_str() + e + 1);
    std::string mantissa = s.substr(0, e);
    mantissa.erase(std::remove(mantissa.begin(), mantissa.end(), '.'), mantissa.end());
    std::string sci = mantissa.substr(0, 1);
    if (mantissa.size() > 1) sci += "." + mantissa.substr(1);
    sci += exponent < 0 ? "e-" : "e+";
    const std::string power = std::to_string(exponent < 0 ? -exponent : exponent);
    sci += (power.size() < 2 ? "0" : "") + power;
    std::string fixed;
    const int size = static_cast<int>(mantissa.size());
    if (exponent < 0) {
      fixed = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + mantissa;
    } else if (size <= exponent + 1) {
      fixed = mantissa + std::string(static_cast<size_t>(exponent + 1 - size), '0');
    } else {
      fixed = mantissa.substr(0, static_cast<size_t>(exponent + 1)) + "." +
              mantissa.substr(static_cast<size_t>(exponent + 1));
    }
    text = (negative ? "-" : "") + (fixed.size() <= sci.size() ? fixed : sci);
  }
  if (static_cast<size_t>(last - first) < text.size()) return {last, errc::value_too_large};
  std::memcpy(first, text.data(), text.size());
  return {first + text.size(), errc{}};
}

inline to_chars_result to_chars(char* first, char* last, float value) {
  return brindle_write_real(first, last, value);
}
inline to_chars_result to_chars(char* first, char* last, double value) {
  return brindle_write_real(first, last, value);
}

}  // namespace std

#endif
