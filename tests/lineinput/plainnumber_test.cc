// The fast path for plain numbers against the recognisers it stands in for:
// millions of generated fields (signs, leading zeros, long mantissas, fraction
// points, exponents at and beyond the range limits, both exponent letters,
// separators, malformed tails) must give bit for bit what the name, integer,
// real and text recognisers give, and leave the reader untouched when the
// fast path declines. The shared arithmetic is checked against its literal
// definition.
#include "lineinput/plainnumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "lineinput/expression.h"
#include "lineinput/itemscan.h"
#include "lineinput/linefetch.h"
#include "lineinput/recognise.h"

namespace velkan {
namespace {

// 10.0 raised to e as the grammar defines it: repeated squaring, the inverse
// for a negative exponent.
double literal_power(std::int32_t e) {
  double result = 1.0, base = 10.0;
  std::int64_t n = e < 0 ? -static_cast<std::int64_t>(e) : e;
  for (; n > 0; n >>= 1) {
    if (n & 1) result *= base;
    base *= base;
  }
  return e < 0 ? 1.0 / result : result;
}

TEST(PlainNumber, SharedArithmeticFollowsItsDefinition) {
  double f = 1.0;
  for (std::int32_t k = 0; k <= 600; ++k) {
    ASSERT_EQ(std::bit_cast<std::uint64_t>(fraction_scale(k)), std::bit_cast<std::uint64_t>(f))
        << k;
    f /= 10.0;
  }
  for (std::int32_t e = -10000; e <= 10000; ++e) {
    ASSERT_EQ(std::bit_cast<std::uint64_t>(power_of_ten(e)),
              std::bit_cast<std::uint64_t>(literal_power(e)))
        << e;
  }
}

// What the recognisers make of the item at the scan position.
struct Outcome {
  std::int32_t type = 0;  // 0: no item
  double value = 0.0;
};

Outcome by_recognisers(LineReaderState& s) {
  if (FIINAM(s)) return {3, 0.0};
  if (FIIINT(s)) return {1, static_cast<double>(s.last_int)};
  if (FIIREA(s)) return {2, s.last_real};
  if (FIITXT(s)) return {3, 0.0};
  return {};
}

bool same_bits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool same_state(const LineReaderState& a, const LineReaderState& b) {
  return a.pos == b.pos && a.last_int == b.last_int && a.last_digit == b.last_digit &&
         a.last_exp == b.last_exp && same_bits(a.last_real, b.last_real);
}

class FieldMaker {
 public:
  explicit FieldMaker(std::uint32_t seed) : rng_(seed) {}

  std::string field() {
    std::string t = pick({"", "", "", "+", "-", "-", "--", "+-"});
    t += digits(pick_int(0, 9) == 0 ? pick_int(17, 40) : pick_int(0, 12));
    if (pick_int(0, 2) > 0) {
      t += pick({".", ".", ".", "..", ":"});
      t += digits(pick_int(0, 9) == 0 ? pick_int(17, 60) : pick_int(0, 10));
    }
    if (pick_int(0, 2) == 0) {
      t += pick({"E", "E", "e", "D", "EE"});
      t += pick({"", "", "+", "-", "+-"});
      const int kind = pick_int(0, 4);
      if (kind == 0) {
        t += pick({"308", "309", "307", "323", "324", "325", "9999", "0000", "0400", "999"});
      } else {
        t += digits(pick_int(0, 6));
      }
    }
    if (pick_int(0, 7) == 0) t += pick({"*2", "+1", "/3", "E", "A", ")", "PI", "(", ".5"});
    return t;
  }
  // A line of a few fields, blanks and separators between them.
  std::string line(char separator) {
    // Now and then far to the right, so that fields run into the line's end.
    const int indent = pick_int(0, 9) == 0 ? pick_int(100, 131) : pick_int(0, 3);
    std::string l(static_cast<std::size_t>(indent), ' ');
    const int n = pick_int(1, 4);
    for (int i = 0; i < n; ++i) {
      l += field();
      const int gap = pick_int(0, 5);
      if (gap == 0) l += std::string(1, separator);
      if (gap == 1) l += " " + std::string(1, separator) + " ";
      if (gap >= 2) l += std::string(static_cast<std::size_t>(gap - 1), ' ');
    }
    return l;
  }
  int pick_int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

 private:
  std::string pick(std::initializer_list<const char*> options) {
    return *(options.begin() + pick_int(0, static_cast<int>(options.size()) - 1));
  }
  // Now and then mostly zeros, as the fixed-width fields of large listings
  // end ("0.200000", "1.03000000E+08").
  std::string digits(int n) {
    const int zeros = pick_int(0, 3) == 0 ? 8 : 0;
    std::string d;
    for (int i = 0; i < n; ++i) d += static_cast<char>('0' + std::max(0, pick_int(-zeros, 9)));
    return d;
  }
  std::mt19937 rng_;
};

TEST(PlainNumber, GivesWhatTheRecognisersGiveOnMillionsOfFields) {
  FieldMaker make(20261208);
  LineReaderState s;
  std::int64_t fields = 0, fast = 0, integers = 0, reals = 0;
  for (int round = 0; round < 1000000; ++round) {
    s.separator = make.pick_int(0, 1) == 0 ? ',' : ' ';
    s.IUPCAS = make.pick_int(0, 9) == 0 ? 0 : 1;
    s.line = make.line(s.separator);
    if (!take_in_line(s, s.line)) continue;
    // Values a failed attempt must leave alone.
    s.last_int = round;
    s.last_digit = round % 7;
    s.last_exp = -round;
    s.last_real = 0.5 * round;
    for (;;) {
      skip_blanks(s);
      if (past_last(s)) break;
      ++fields;
      const LineReaderState before = s;
      LineReaderState ref = s;
      const Outcome want = by_recognisers(ref);
      std::int32_t type = 0;
      double value = 0.0;
      if (!take_plain_number(s, type, value)) {
        ASSERT_TRUE(same_state(s, before)) << s.line;
        ASSERT_NE(want.type, 1) << "an integer item is always plain: " << s.line;
        if (want.type == 0) break;
        s = ref;
        continue;
      }
      ++fast;
      (type == 1 ? integers : reals) += 1;
      ASSERT_EQ(type, want.type) << s.line << " at " << before.pos;
      ASSERT_TRUE(same_bits(value, want.value)) << s.line << " at " << before.pos;
      ASSERT_TRUE(same_state(s, ref)) << s.line << " at " << before.pos;
    }
  }
  EXPECT_GT(fields, 2000000);
  EXPECT_GT(integers, fields / 10);
  EXPECT_GT(reals, fields / 10);
  EXPECT_LT(fast, fields);
}

// The scales of fraction digits are built by the compiler; they are the ones
// the run-time divisions give, subnormal ones and the zeros after them included.
TEST(PlainNumber, FractionScalesAreTheRunTimeDivisions) {
  volatile double ten = 10.0;  // kept out of the compiler's reach
  double f = 1.0;
  for (std::int32_t k = 0; k < 400; ++k) {
    ASSERT_EQ(std::bit_cast<std::uint64_t>(fraction_scale(k)), std::bit_cast<std::uint64_t>(f))
        << k;
    f /= ten;
  }
  EXPECT_EQ(fraction_scale(-1), 1.0);
  EXPECT_EQ(fraction_scale(100000), 0.0);
}

}  // namespace
}  // namespace velkan
