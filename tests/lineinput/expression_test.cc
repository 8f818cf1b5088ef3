// Reals as expressions, the keyword matcher, and restoring after a failed attempt.
#include "lineinput/expression.h"

#include <gtest/gtest.h>

#include <cmath>

#include "lineinput/itemscan.h"
#include "readerfixture.h"

namespace velkan {
namespace {

constexpr double kPi = 3.141592653589793;

struct RealCase {
  std::string item;
  std::int32_t type;  // as RDMIX types the item
  double value;
};

TEST(Expression, RealItems) {
  const std::vector<RealCase> cases = {
      {"1+2*3", 2, 9.0},  // left to right, no precedence
      {"2/4*2", 2, 1.0},
      {"6-2-1", 2, 3.0},
      {"2**3**2", 2, 64.0},
      {"-2+3", 2, -5.0},  // the sign applies to the final result
      {"-2*3", 2, -6.0},
      {"2**3", 2, 8.0},
      {"2**0.5", 2, std::sqrt(2.0)},
      {"10/0", 2, 0.0},
      {"1.5E+2", 2, 150.0},
      {"1.5e2", 2, 150.0},
      {"2E-3", 2, 0.002},
      {"5.", 2, 5.0},
      {".5", 2, 0.5},
      {"+.5", 2, 0.5},
      {"1.25", 2, 1.25},
      {"2*PI", 2, 2 * kPi},
      {"-PI", 2, -kPi},
      {"COS(0)", 2, 1.0},
      {"SIN(PI/2)", 2, 1.0},
      {"SIN(-1+3)", 2, std::sin(-4.0)},
      {"1+COS(0)", 2, 2.0},
      {"1.5E2.0", 3, 0.0},  // the item does not end after the exponent
      {"1E12345", 3, 0.0},  // at most four exponent digits
      {"1E", 3, 0.0},
      {".", 3, 0.0},
      {"PIE", 3, 0.0},
      {"SIN(0", 3, 0.0},
      {"SIN(SIN(0))", 3, 0.0},
      {"2*-3", 3, 0.0},
      {"2**", 3, 0.0},
  };
  test::ReaderFixture f;
  std::string file;
  for (const auto& c : cases) file += c.item + "\n";
  f.open(file);
  for (const auto& c : cases) {
    const test::Items got = f.next();
    ASSERT_EQ(got.npar, 1) << c.item;
    EXPECT_EQ(got.type[0], c.type) << c.item;
    EXPECT_NEAR(got.value[0], c.value, 1e-14 * std::max(1.0, std::fabs(c.value))) << c.item;
    if (c.type == 3) {
      EXPECT_EQ(got.text[0], test::state_of(c.item).work.substr(0, 8)) << c.item;
    }
  }
}

TEST(Expression, SignedZeroFromMinusSine) {
  LineReaderState s = test::state_of("-SIN(0)");
  ASSERT_TRUE(FIIREA(s));
  EXPECT_EQ(s.last_real, 0.0);
  EXPECT_TRUE(std::signbit(s.last_real));
}

TEST(Expression, FailedAttemptRestoresPositionAndValues) {
  for (const char* item : {"1.5E2.0", "SIN(PI/2", "2+X", "PI)"}) {
    LineReaderState s = test::state_of(item);
    s.last_real = 42.0;
    s.last_int = 7;
    s.last_exp = 3;
    EXPECT_FALSE(FIIREA(s)) << item;
    EXPECT_EQ(s.pos, 1) << item;
    EXPECT_EQ(s.last_real, 42.0) << item;
    EXPECT_EQ(s.last_int, 7) << item;
    EXPECT_EQ(s.last_exp, 3) << item;
  }
}

TEST(Expression, KeywordMatch) {
  struct Case {
    std::string line;
    std::int32_t ncmtch;
    bool skip_blanks;
    bool match;
    std::int32_t pos_after;
  };
  const std::vector<Case> cases = {
      {"SELECT X", 3, false, true, 7},  {"SEL X", 3, false, true, 4},
      {"SELXYZ Q", 3, false, true, 7},  {"SE X", 3, false, false, 1},
      {"SEL X", 8, false, false, 1},    {"  SELECT", 8, true, true, 9},
      {"  SELECT", 8, false, false, 1}, {"  SE", 8, true, false, 1},
  };
  for (const Case& c : cases) {
    LineReaderState s = test::state_of(c.line, c.ncmtch);
    s.pos = 1;
    const bool got = c.skip_blanks ? FIIKWB(s, "SELECT") : FIIKWD(s, "SELECT");
    EXPECT_EQ(got, c.match) << c.line;
    EXPECT_EQ(s.pos, c.pos_after) << c.line;
  }
}

}  // namespace
}  // namespace velkan
