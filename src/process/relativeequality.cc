// Relative equality of property values and rows.
#include "process/relativeequality.h"

#include <cmath>

namespace velkan {

bool rel_equal(double a, double b, double tol) {
  if (a == 0.0 && b == 0.0) return true;
  if (std::fabs(a) < kTinyValue) a = 0.0;
  if (std::fabs(b) < kTinyValue) b = 0.0;
  double r = 0.0;
  if (a != 0.0) {
    r = b / a;
  } else {
    r = b == 0.0 ? 1.0 : 0.0;
  }
  return 1.0 - tol < r && r < 1.0 + tol;
}

bool rows_equal(RealSpan prop, std::int32_t mxpr, std::size_t i, std::size_t j, double tol) {
  const std::size_t n = mxpr > 0 ? static_cast<std::size_t>(mxpr) : 0;
  for (std::size_t k = 0; k < n; ++k) {
    if (!rel_equal(prop.get(i * n + k), prop.get(j * n + k), tol)) return false;
  }
  return true;
}

}  // namespace velkan
