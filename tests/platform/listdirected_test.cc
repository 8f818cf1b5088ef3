// Free-format answers: splitting into tokens and reading integers and reals.
#include "platform/listdirected.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace velkan {
namespace {

TEST(ListDirected, SplitsOnBlanksTabsAndCommas) {
  struct Case {
    const char* line;
    std::vector<std::string_view> want;
  };
  const Case cases[] = {
      {"", {}},
      {"   ", {}},
      {"1E8 1E3", {"1E8", "1E3"}},
      {" 1,2\t3 ,, 4\r", {"1", "2", "3", "4"}},
      {"1E8 & 1E3", {"1E8", "&", "1E3"}},
  };
  for (const auto& c : cases) EXPECT_EQ(list_tokens(c.line), c.want) << c.line;
}

TEST(ListDirected, Integers) {
  struct Case {
    const char* token;
    std::optional<std::int32_t> want;
  };
  const Case cases[] = {
      {"0", 0},
      {"17", 17},
      {"+17", 17},
      {"-17", -17},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
      {"", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"+-5", std::nullopt},
      {"--1", std::nullopt},
      {"5.", std::nullopt},
      {"1e2", std::nullopt},
      {"abc", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_list_integer(c.token), c.want) << c.token;
}

TEST(ListDirected, Reals) {
  struct Case {
    const char* token;
    std::optional<double> want;
  };
  const Case cases[] = {
      {"1E8", 1e8},
      {"1.0d3", 1000.0},
      {"2.5D-3", 2.5e-3},
      {".5", 0.5},
      {"+.5", 0.5},
      {"5.", 5.0},
      {"-2", -2.0},
      {"1e+2", 100.0},
      {"0.1", 0.1},
      {"1e-999", 0.0},  // too small: zero
      {"2e-324", 0.0},
      {"0.0000e999", 0.0},
      {"abc", std::nullopt},
      {"1.2.3", std::nullopt},
      {"--1", std::nullopt},
      {"", std::nullopt},
      {".", std::nullopt},
      {"-", std::nullopt},
      {"1e", std::nullopt},
      {"1e+", std::nullopt},
      {"e5", std::nullopt},
      {"1e999", std::nullopt},  // too large
      {"-1e309", std::nullopt},
      {"123456789e301", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"1,5", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_list_real(c.token), c.want) << c.token;
  EXPECT_TRUE(std::signbit(*parse_list_real("-1e-999")));
  EXPECT_TRUE(std::signbit(*parse_list_real("-0.0")));
}

}  // namespace
}  // namespace velkan
