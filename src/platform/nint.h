// Rounding a real to the nearest 32-bit integer, halves away from zero, as the
// Fortran intrinsic NINT does; values beyond the 32-bit range are clamped and a
// NaN gives 0, so no input can make the conversion undefined.
#pragma once

#include <cmath>
#include <cstdint>

namespace velkan {

inline std::int32_t nint(double x) {
  if (std::isnan(x)) return 0;
  const double r = std::round(x);
  if (r >= 2147483647.0) return INT32_MAX;
  if (r <= -2147483648.0) return INT32_MIN;
  return static_cast<std::int32_t>(r);
}

}  // namespace velkan
