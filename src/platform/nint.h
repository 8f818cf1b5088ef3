// Whole numbers from reals: rounding to the nearest 32-bit integer, halves away
// from zero, as the Fortran intrinsic NINT does, and truncation toward zero.
// Values beyond the 32-bit range are clamped to its nearest end and a NaN gives
// 0, so no input can make the conversion undefined.
#pragma once

#include <cmath>
#include <cstdint>

namespace velkan {

namespace detail {
inline std::int32_t clamped_whole(double whole) {
  if (std::isnan(whole)) return 0;
  if (whole >= 2147483647.0) return INT32_MAX;
  if (whole <= -2147483648.0) return INT32_MIN;
  return static_cast<std::int32_t>(whole);
}
}  // namespace detail

// Rounded from the exact fraction rather than with std::round, whose MinGW
// implementation rounds 0.49999999999999994 up to 1.
inline std::int32_t nint(double x) {
  double whole = std::trunc(x);
  if (std::fabs(x - whole) >= 0.5) whole += std::copysign(1.0, x);
  return detail::clamped_whole(whole);
}

inline std::int32_t truncated_int(double x) {
  return detail::clamped_whole(std::trunc(x));
}

}  // namespace velkan
