// The token classifier and the string splitter.
#include "lineinput/stringsplit.h"

#include <gtest/gtest.h>

#include <vector>

namespace velkan {
namespace {

TEST(StringSplitter, ClassifiesTokens) {
  struct Case {
    std::string token;
    std::int32_t type;
    double value;
  };
  const std::vector<Case> cases = {
      {"12", 1, 12},   {"007", 1, 7},     {"-12", 2, -12},  {"+1", 2, 1},     {"1.5", 2, 1.5},
      {"1E5", 2, 1e5}, {"2E-3", 2, 2e-3}, {"3E+2", 2, 300}, {"-.5", 2, -0.5}, {"1E", 3, 0},
      {"12A", 3, 0},   {"---", 3, 0},     {"1.2.3", 3, 0},  {"1E+", 3, 0},    {"1E5X", 3, 0},
      {"+", 3, 0},     {".5", 3, 0},      {":", 3, 0},      {"1D3", 3, 0},    {"ABC", 3, 0},
  };
  for (const Case& c : cases) {
    double value = -1.0;
    EXPECT_EQ(TOKTYP(c.token, value), c.type) << c.token;
    EXPECT_DOUBLE_EQ(value, c.value) << c.token;
  }
}

TEST(StringSplitter, SplitsALabelLine) {
  std::vector<std::int32_t> types(10);
  std::vector<double> reals(10, -1.0);
  std::vector<std::string> texts(10);
  const int n = STRSPL("  No. of Nodes     :   120  1.5\t2 ", types, reals, texts, 6);
  ASSERT_EQ(n, 6);
  EXPECT_EQ(types, (std::vector<std::int32_t>{3, 3, 3, 3, 1, 3, 0, 0, 0, 0}));
  EXPECT_EQ(texts[0], "No.   ");
  EXPECT_EQ(texts[3], ":     ");
  EXPECT_EQ(reals[4], 120.0);
  EXPECT_EQ(texts[4], "      ");
  EXPECT_EQ(texts[5], "1.5\t2 ");  // a tab is an ordinary character
  EXPECT_EQ(reals[5], 0.0);
}

TEST(StringSplitter, StopsWhenTheArraysAreFull) {
  std::vector<std::int32_t> types(5, -7);
  std::vector<double> reals(5);
  std::vector<std::string> texts(5);
  EXPECT_EQ(STRSPL("1 2 3 4", std::span(types).first(2), reals, texts, 8), 2);
  EXPECT_EQ(types[2], -7);
  EXPECT_EQ(STRSPL("", types, reals, texts, 8), 0);
}

}  // namespace
}  // namespace velkan
