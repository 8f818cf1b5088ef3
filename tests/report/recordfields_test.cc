// Fields of a model-file line: the numbers as the edits write them, and what
// keeps a field from being one.
#include "report/recordfields.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

namespace velkan {
namespace {

using P = FieldProblem;

struct RealCase {
  const char* field;
  P problem;
  double value;  // when the problem is kNone
};

TEST(ReadReal, EditsAndWhatIsNoNumber) {
  const RealCase cases[] = {
      {"0.000", P::kNone, 0.0},
      {"-10.000", P::kNone, -10.0},
      {"0.050", P::kNone, 0.05},
      {"4.50000E-01", P::kNone, 0.45},
      {"-1.00000E+08", P::kNone, -1e8},
      {"3.927E+02", P::kNone, 392.7},
      {"1E6", P::kNone, 1e6},
      {"-1E6", P::kNone, -1e6},
      {"1E-5", P::kNone, 1e-5},
      {"1.0E1", P::kNone, 10.0},
      {"+1.5", P::kNone, 1.5},
      {".5", P::kNone, 0.5},
      {"5.", P::kNone, 5.0},
      {"2.5d-3", P::kNone, 2.5e-3},
      {"2.5D+3", P::kNone, 2.5e3},
      {"1.000+100", P::kNone, 1e100},  // three exponent digits take the letter's place
      {"-2.50000-123", P::kNone, -2.5e-123},
      {"1.23456789012345678E+02", P::kNone, 123.456789012345678},  // beyond the usual digits
      {"1.5E+30", P::kNone, 1.5e30},
      {"1E-400", P::kNone, 0.0},  // below the smallest double
      {"0.1", P::kNone, 0.1},
      {"NaN", P::kNotFinite, 0},
      {"-nan", P::kNotFinite, 0},
      {"Infinity", P::kNotFinite, 0},
      {"-Infinity", P::kNotFinite, 0},
      {"Inf", P::kNotFinite, 0},
      {"1.0E+309", P::kNotFinite, 0},
      {"1.000+999", P::kNotFinite, 0},
      {"***************", P::kAsterisks, 0},
      {"1.2***", P::kAsterisks, 0},
      {"1.2.3", P::kNotNumber, 0},
      {"1,5", P::kNotNumber, 0},
      {"1E", P::kNotNumber, 0},
      {"E5", P::kNotNumber, 0},
      {"-", P::kNotNumber, 0},
      {".", P::kNotNumber, 0},
      {"1.5x", P::kNotNumber, 0},
      {"Point", P::kNotNumber, 0},
      {"--1", P::kNotNumber, 0},
  };
  for (const RealCase& c : cases) {
    double v = -7.0;
    EXPECT_EQ(read_real(c.field, v), c.problem) << c.field;
    if (c.problem == P::kNone) {
      EXPECT_EQ(v, c.value) << c.field;
    } else {
      EXPECT_TRUE(std::isnan(v)) << c.field;
    }
  }
}

TEST(ReadReal, UsualFieldsReadAsTheDecimalValueRounds) {
  // The one-step reading of short fields must give the correctly rounded
  // double, as reading the digits in full does.
  const char* fields[] = {"0.300",        "0.015",       "-1.250",
                          "9.00000E-03",  "1.12000E-03", "123456789.123",
                          "-7.20000E+22", "3.05000E-01", "0.00050"};
  for (const char* f : fields) {
    double v = 0, full = 1;
    ASSERT_EQ(read_real(f, v), P::kNone) << f;
    const std::string_view text(f);
    std::from_chars(text.data(), text.data() + text.size(), full);
    EXPECT_EQ(v, full) << f;
  }
}

struct IntCase {
  const char* field;
  P problem;
  std::int32_t value;
};

TEST(ReadInteger, WholeNumbersWithin32Bits) {
  const IntCase cases[] = {
      {"17", P::kNone, 17},
      {"-3", P::kNone, -3},
      {"+4", P::kNone, 4},
      {"0", P::kNone, 0},
      {"2147483647", P::kNone, 2147483647},
      {"-2147483648", P::kNone, -2147483647 - 1},
      {"2147483648", P::kOutOfRange, 0},
      {"99999999999999999999", P::kOutOfRange, 0},
      {"1.5", P::kNotWhole, 0},
      {"1E3", P::kNotWhole, 0},
      {"1.", P::kNotWhole, 0},
      {"*********", P::kAsterisks, 0},
      {"NaN", P::kNotFinite, 0},
      {"12a", P::kNotNumber, 0},
      {"+-1", P::kNotNumber, 0},
      {"", P::kNotNumber, 0},
  };
  for (const IntCase& c : cases) {
    std::int32_t v = -7;
    EXPECT_EQ(read_integer(c.field, v), c.problem) << c.field;
    if (c.problem == P::kNone) {
      EXPECT_EQ(v, c.value) << c.field;
    }
  }
}

TEST(LineFields, BlanksAndTabsSeparateAndEveryFieldCounts) {
  const LineFields f(" NODE\t 17   1.0\t\t-2 ");
  ASSERT_EQ(f.size(), 4u);
  EXPECT_EQ(f[0], "NODE");
  EXPECT_EQ(f[1], "17");
  EXPECT_EQ(f[3], "-2");
  EXPECT_EQ(f[4], "");
  EXPECT_EQ(LineFields("").size(), 0u);
  EXPECT_EQ(LineFields("   \t ").size(), 0u);
  std::string many;
  for (int k = 0; k < 30; ++k) many += " 1";
  const LineFields m(many);
  EXPECT_EQ(m.size(), 30u);
  EXPECT_EQ(m[LineFields::kKept - 1], "1");
  EXPECT_EQ(m[LineFields::kKept], "");
}

TEST(HoldsValue, NumbersAndWhatStandsInTheirPlace) {
  for (const char* v : {"1", "-1.0", "+2", ".5", "*****", "NaN", "-Infinity"}) {
    EXPECT_TRUE(holds_value(v)) << v;
  }
  for (const char* w : {"NODE", "Sprng2Gr", "Point", "hello", "'", ""}) {
    EXPECT_FALSE(holds_value(w)) << w;
  }
}

}  // namespace
}  // namespace velkan
