// Plain numbers: the shared arithmetic and the fast path of the item reader.
#include "lineinput/plainnumber.h"

#include <array>

#include "lineinput/itemscan.h"
#include "platform/int32arith.h"

namespace velkan {
namespace {

constexpr int kMaxExponentDigits = 4;
// Beyond this many fraction digits f is 0.0 (it underflows after about 324).
constexpr std::size_t kFractionScales = 400;
// Exponents whose powers are kept in a table; others are computed.
constexpr std::int32_t kTabledExponent = 400;

double computed_power_of_ten(std::int32_t e) {
  double result = 1.0;
  double base = 10.0;
  std::uint32_t n = e < 0 ? 0u - static_cast<std::uint32_t>(e) : static_cast<std::uint32_t>(e);
  while (n > 0) {
    if (n & 1u) result *= base;
    base *= base;
    n >>= 1;
  }
  return e < 0 ? 1.0 / result : result;
}

constexpr std::array<double, kFractionScales> make_fraction_scales() {
  std::array<double, kFractionScales> t{};
  double f = 1.0;
  for (double& v : t) {
    v = f;
    f /= 10.0;
  }
  return t;
}

std::array<double, 2 * kTabledExponent + 1> make_powers() {
  std::array<double, 2 * kTabledExponent + 1> t{};
  for (std::int32_t e = -kTabledExponent; e <= kTabledExponent; ++e)
    t[static_cast<std::size_t>(e + kTabledExponent)] = computed_power_of_ten(e);
  return t;
}

bool is_digit_char(char c) {
  return c >= '0' && c <= '9';
}

// Integers of this many digits are below 2^53, where every double step of
// value * 10 + digit is exact.
constexpr std::int32_t kExactDigits = 15;

// The integer part of n digits as value * 10 + digit builds it; the first
// kExactDigits steps are exact, so they are taken as one integer.
double integer_part(const char* d, std::int32_t n) {
  std::uint64_t exact = 0;
  std::int32_t k = 0;
  for (; k < n && k < kExactDigits; ++k)
    exact = exact * 10 + static_cast<std::uint64_t>(d[k] - '0');
  double v = static_cast<double>(exact);
  for (; k < n; ++k) v = v * 10.0 + (d[k] - '0');
  return v;
}

// Consumes what ends an item that ends before index i of the work line:
// blanks, then one separator and the blanks after it.
void end_item(LineReaderState& s, std::int32_t i) {
  const char* w = s.work.data();
  const std::int32_t last = s.last;
  const auto skip = [&] {
    while (i < last && w[i] == ' ') ++i;
  };
  if (i < last && w[i] == ' ') skip();
  if (i < last && w[i] == s.separator) {
    ++i;
    skip();
  }
  s.pos = i + 1;
}

}  // namespace

// Built by the compiler, with the same correctly rounded divisions as at run
// time: reading it costs no check that it is ready.
constexpr std::array<double, kFractionScales> kScales = make_fraction_scales();

double fraction_scale(std::int32_t k) {
  if (k < 0) return 1.0;
  return static_cast<std::size_t>(k) < kScales.size() ? kScales[static_cast<std::size_t>(k)]
                                                      : kScales.back();
}

double power_of_ten(std::int32_t e) {
  static const std::array<double, 2 * kTabledExponent + 1> powers = make_powers();
  if (e < -kTabledExponent || e > kTabledExponent) return computed_power_of_ten(e);
  return powers[static_cast<std::size_t>(e + kTabledExponent)];
}

bool take_plain_number(LineReaderState& s, std::int32_t& type, double& value) {
  const char* w = s.work.data();
  const std::int32_t last = s.last;  // columns 1..last; index i is column i+1
  const auto ends_item = [&](std::int32_t i) {
    return i >= last || w[i] == ' ' || w[i] == s.separator;
  };
  if (s.pos < 1 || s.pos > last) return false;
  std::int32_t i = s.pos - 1;
  const bool negative = w[i] == '-';
  if (negative || w[i] == '+') ++i;
  // Digits, as an integer modulo 2^64: its low 32 bits are the integer that
  // wraps, and while it has at most kExactDigits digits it is exactly the real
  // that value * 10 + digit builds.
  std::uint64_t digits = 0;
  const std::int32_t int_from = i;
  for (; i < last && is_digit_char(w[i]); ++i) digits = digits * 10 + (w[i] - '0');
  const std::int32_t int_digits = i - int_from;
  const auto whole = static_cast<std::int32_t>(static_cast<std::uint32_t>(digits));
  if (int_digits > 0 && ends_item(i)) {
    s.last_int = negative ? wrap_neg(whole) : whole;
    type = 1;
    value = static_cast<double>(s.last_int);
    end_item(s, i);
    return true;
  }
  std::int32_t digit = int_digits > 0 ? w[i - 1] - '0' : s.last_digit;
  double v = int_digits <= kExactDigits ? static_cast<double>(digits)
                                        : integer_part(w + int_from, int_digits);
  // A point, then fraction digits; without an integer part at least one.
  if (i < last && w[i] == '.') {
    ++i;
    const std::int32_t frac_from = i;
    for (; i < last && is_digit_char(w[i]); ++i) {
      digit = w[i] - '0';
      // A zero digit adds +0.0, which leaves v (never negative here) as it
      // is: the trailing zeros of wide fields cost no addition.
      if (digit != 0) v += digit * fraction_scale(i - frac_from + 1);
    }
    if (int_digits == 0 && i == frac_from) return false;
  } else if (int_digits == 0) {
    return false;
  }
  // E, an optional sign and one to four digits.
  std::int32_t exp = s.last_exp;
  if (i < last && w[i] == 'E') {
    std::int32_t j = i + 1;
    const bool exp_negative = j < last && w[j] == '-';
    if (exp_negative || (j < last && w[j] == '+')) ++j;
    std::int32_t e = 0;
    const std::int32_t exp_from = j;
    for (; j < last && j - exp_from < kMaxExponentDigits && is_digit_char(w[j]); ++j)
      e = e * 10 + (w[j] - '0');
    if (j == exp_from) return false;
    exp = exp_negative ? -e : e;
    v *= power_of_ten(exp);
    i = j;
  }
  if (!ends_item(i)) return false;
  if (int_digits > 0) s.last_int = whole;
  s.last_digit = digit;
  s.last_exp = exp;
  s.last_real = negative ? -v : v;
  type = 2;
  value = s.last_real;
  end_item(s, i);
  return true;
}

}  // namespace velkan
