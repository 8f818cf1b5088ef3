// The numbers of a report: JSON numbers that read back as the same double,
// whatever their exponent; shown numbers without a sign of nothing.
#include "report/reportnumbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>

namespace velkan {
namespace {

TEST(ReportNumbers, ExactReadsBackTheSameDouble) {
  for (const double v : {0.0, 1.0, -2.5, 0.1, 1.0 / 3, 13802.866068186257, 1e-300, -1.7e308,
                         std::numeric_limits<double>::denorm_min(), 123456789012345678.0}) {
    const std::string text = exact(v);
    double back = -1;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), back);
    EXPECT_EQ(res.ptr, text.data() + text.size()) << text;
    EXPECT_EQ(back, v) << text;
  }
  EXPECT_EQ(exact(std::nan("")), "null");
  EXPECT_EQ(exact(1e-300), "1.0000000000000000E-300");  // three exponent digits
}

TEST(ReportNumbers, Shown) {
  const struct Case {
    std::string got, want;
  } cases[] = {
      {decimal(-0.0004, 3), "0.000"},
      {decimal(12.5, 0), "12"},
      {decimal(13.5, 0), "14"},
      {decimal(-3.25, 1), "-3.2"},
      {signed_decimal(0.878, 3), "+0.878"},
      {signed_decimal(-0.0001, 3), "+0.000"},
      {scientific(5e3, 4), "5.0000E+03"},
      {decimal(1e20, 1), "100000000000000000000.0"},
      {decimal(INFINITY, 2), "-"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

}  // namespace
}  // namespace velkan
