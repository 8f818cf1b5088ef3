// Whole numbers from reals: halves away from zero, truncation toward zero, and
// the clamped ends of the 32-bit range for values beyond it and for NaN.
#include "platform/nint.h"

#include <gtest/gtest.h>

#include <limits>

namespace velkan {
namespace {

TEST(Nint, RoundsHalvesAwayFromZeroAndTruncatesTowardZero) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct Case {
    double x;
    std::int32_t rounded, truncated;
  } cases[] = {
      {2.5, 3, 2},
      {-2.5, -3, -2},
      {3.9, 4, 3},
      {-3.9, -4, -3},
      {0.49999999999999994, 0, 0},
      {-0.49999999999999994, 0, 0},
      {4503599627370495.5, INT32_MAX, INT32_MAX},
      {1.5, 2, 1},
      {-0.5, -1, 0},
      {2147483647.4, INT32_MAX, INT32_MAX},
      {2147483647.5, INT32_MAX, INT32_MAX},
      {-2147483648.9, INT32_MIN, INT32_MIN},
      {1e300, INT32_MAX, INT32_MAX},
      {-inf, INT32_MIN, INT32_MIN},
      {std::numeric_limits<double>::quiet_NaN(), 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(nint(c.x), c.rounded) << c.x;
    EXPECT_EQ(truncated_int(c.x), c.truncated) << c.x;
  }
}

}  // namespace
}  // namespace velkan
