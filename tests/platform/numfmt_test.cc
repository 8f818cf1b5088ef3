// The number edits against a table of fields. Every expected string in the
// tables below was produced by the Fortran compiler's formatted output (I, F
// and 1P E edits of the same value, width and decimals), so these fields are
// exactly what a Fortran program writes for them.
#include "platform/numfmt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace velkan {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();
constexpr double kDblMax = std::numeric_limits<double>::max();
constexpr double kDblMin = std::numeric_limits<double>::min();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

struct IntCase {
  std::int64_t value;
  int width;
  const char* want;
};

TEST(NumFmt, IntegerFields) {
  const IntCase cases[] = {
      {12345, 5, "12345"},
      {123456, 5, "*****"},
      {-1234, 5, "-1234"},
      {-12345, 5, "*****"},
      {-1, 2, "-1"},
      {-10, 2, "**"},
      {0, 3, "  0"},
      {9999, 4, "9999"},
      {-99999, 6, "-99999"},
      {1234567, 7, "1234567"},
      {-9999999, 8, "-9999999"},
      {123456789, 9, "123456789"},
      {2147483647, 10, "2147483647"},
      {-2147483647, 10, "**********"},
      {kInt32Min, 10, "**********"},
      {kInt64Max, 10, "**********"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fmt_i(c.value, c.width), c.want) << "I" << c.width << " of " << c.value;
  }
  for (const int width : {63, 64, 65, 200}) {  // fields built in place and appended in pieces
    EXPECT_EQ(fmt_i(-42, width), std::string(static_cast<std::size_t>(width) - 3, ' ') + "-42");
  }
}

struct RealCase {
  char edit;  // 'F' for Fw.d, 'E' for 1P Ew.d
  double value;
  int width;
  int decimals;
  const char* want;
};

// Corners: negative values that round to zero keep their minus, ties on the
// exact binary value, the leading zero dropped only when the field is one too
// narrow, Fw.0, three-digit exponents without the letter E, subnormals,
// Infinity and NaN in narrow and wide fields, asterisks on overflow.
TEST(NumFmt, RealFields) {
  const RealCase cases[] = {
      {'F', 1234.5678, 15, 3, "       1234.568"},
      {'F', -0.0004, 15, 3, "         -0.000"},
      {'F', -0.0005, 15, 3, "         -0.001"},
      {'F', -0.0, 15, 3, "         -0.000"},
      {'F', 0.0, 15, 3, "          0.000"},
      {'F', 1e100, 15, 3, "***************"},
      {'F', 99999999999.9995, 15, 3, "99999999999.999"},
      {'F', -0.0004, 12, 3, "      -0.000"},
      {'F', 99999999.9996, 12, 3, "************"},
      {'F', -9999999.9994, 12, 3, "-9999999.999"},
      {'F', kDenormMin, 14, 5, "       0.00000"},
      {'F', -kDenormMin, 14, 5, "      -0.00000"},
      {'F', 0.000005, 14, 5, "       0.00001"},
      {'F', -0.000005, 14, 5, "      -0.00001"},
      {'F', 1234567.12345, 12, 5, "************"},
      {'F', 123456.123456, 12, 5, "123456.12346"},
      {'F', 0.125, 10, 2, "      0.12"},
      {'F', 0.375, 10, 2, "      0.38"},
      {'F', -0.125, 10, 2, "     -0.12"},
      {'F', 2.675, 10, 2, "      2.67"},
      {'F', 99999.995, 8, 2, "99999.99"},
      {'F', kInf, 8, 2, "Infinity"},
      {'F', -kInf, 8, 2, "    -Inf"},
      {'F', kNaN, 9, 3, "      NaN"},
      {'F', -kInf, 9, 3, "-Infinity"},
      {'F', 0.5, 8, 3, "   0.500"},
      {'F', -1234.5, 8, 3, "********"},
      {'F', 0.25, 5, 1, "  0.2"},
      {'F', 0.35, 5, 1, "  0.3"},
      {'F', -0.25, 5, 1, " -0.2"},
      {'F', -0.04, 5, 1, " -0.0"},
      {'F', 999.95, 5, 1, "*****"},
      {'F', kNaN, 5, 1, "  NaN"},
      {'F', kInf, 5, 1, "  Inf"},
      {'F', kInf, 10, 3, "  Infinity"},
      {'F', -kInf, 10, 3, " -Infinity"},
      {'F', 0.5, 8, 6, "0.500000"},
      {'F', -0.5, 8, 6, "-.500000"},
      {'F', 1.5, 8, 6, "1.500000"},
      {'F', -1.5, 8, 6, "********"},
      {'F', -0.0, 8, 6, "-.000000"},
      {'F', 0.9999995, 8, 6, "1.000000"},
      {'F', -0.9999995, 8, 6, "********"},
      {'F', 0.5, 4, 3, ".500"},
      {'F', -0.5, 4, 3, "****"},
      {'F', 2.0, 5, 0, "   2."},
      {'F', 2.5, 5, 0, "   2."},
      {'F', 3.5, 5, 0, "   4."},
      {'F', 0.4, 5, 0, "   0."},
      {'F', -0.4, 5, 0, "  -0."},
      {'F', -0.4, 3, 0, "-0."},
      {'F', -0.4, 2, 0, "**"},
      {'F', 0.4, 1, 0, "*"},
      {'F', kNaN, 2, 1, "**"},
      {'F', kInf, 3, 1, "Inf"},
      {'F', -kInf, 3, 1, "***"},
      {'F', -kInf, 4, 1, "-Inf"},
      {'E', 1e100, 12, 4, "  1.0000+100"},
      {'E', -1e-100, 12, 4, " -1.0000-100"},
      {'E', 1e99, 12, 4, "  1.0000E+99"},
      {'E', 9.99995e99, 12, 4, "  1.0000+100"},
      {'E', 0.0, 12, 4, "  0.0000E+00"},
      {'E', -0.0, 12, 4, " -0.0000E+00"},
      {'E', 0.5, 12, 4, "  5.0000E-01"},
      {'E', 99999.5, 12, 4, "  1.0000E+05"},
      {'E', -123.456, 12, 4, " -1.2346E+02"},
      {'E', 2.1e11, 15, 5, "    2.10000E+11"},
      {'E', kDblMax, 15, 5, "    1.79769+308"},
      {'E', -kDblMin, 15, 5, "   -2.22507-308"},
      {'E', kDblMax, 11, 3, "  1.798+308"},
      {'E', 1e-310, 11, 3, "  1.000-310"},
      {'E', 1.0625, 12, 3, "   1.062E+00"},
      {'E', kInf, 12, 3, "    Infinity"},
      {'E', kNaN, 13, 5, "          NaN"},
      {'E', -kInf, 13, 5, "    -Infinity"},
      {'E', kDenormMin, 10, 3, " 4.941-324"},
      {'E', -kDenormMin, 10, 3, "-4.941-324"},
      {'E', -1e-100, 10, 3, "-1.000-100"},
      {'E', -123450.0, 10, 3, "-1.234E+05"},
      {'E', -9.9995, 10, 3, "-9.999E+00"},
      {'E', -1e-100, 9, 3, "*********"},
      {'E', -kInf, 8, 3, "    -Inf"},
      {'E', 2.5, 8, 0, "  2.E+00"},
      {'E', -3.5, 8, 0, " -4.E+00"},
      {'E', 1.0, 4, 1, "****"},
  };
  for (const auto& c : cases) {
    const std::string got =
        c.edit == 'F' ? fmt_f(c.value, c.width, c.decimals) : fmt_e(c.value, c.width, c.decimals);
    EXPECT_EQ(got, c.want) << c.edit << c.width << "." << c.decimals << " of " << c.value;
  }
}

TEST(NumFmt, FieldsAppendAndKeepTheirColumns) {
  Line l;
  l.a(" NODE     ").i(17, 10).f(1e100, 15, 3).e(2.1e11, 12, 4).x(2).i(-5, 3);
  EXPECT_EQ(l.str(), " NODE             17***************  2.1000E+11   -5");
  std::string s = "ab";
  put_f(s, 1.5, 5, 1);
  EXPECT_EQ(s, "ab  1.5");
}

TEST(NumFmt, EmptyOrNegativeWidthWritesNothing) {
  for (const int width : {0, -3}) {
    EXPECT_EQ(fmt_i(5, width), "");
    EXPECT_EQ(fmt_f(1.5, width, 1), "");
    EXPECT_EQ(fmt_e(1.5, width, 1), "");
    EXPECT_EQ(fmt_f(kNaN, width, 1), "");
  }
}

}  // namespace
}  // namespace velkan
