// Number and expression evaluation for the real item of the line reader.
// Routines: FIINUM, FIIFUN, FIIREA.
#include "lineinput/expression.h"

#include <cmath>

#include "lineinput/itemscan.h"
#include "lineinput/plainnumber.h"
#include "platform/int32arith.h"

namespace velkan {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kMaxExponentDigits = 4;

// What a recogniser puts back when it fails.
struct Saved {
  std::int32_t pos, last_int, last_digit, last_exp;
  double last_real;
};

Saved save(const LineReaderState& s) {
  return {s.pos, s.last_int, s.last_digit, s.last_exp, s.last_real};
}

bool restore(LineReaderState& s, const Saved& v) {
  s.pos = v.pos;
  s.last_int = v.last_int;
  s.last_digit = v.last_digit;
  s.last_exp = v.last_exp;
  s.last_real = v.last_real;
  return false;
}

// Fraction digits after the point, each added as digit * f with f = 0.1, 0.01, ...
void add_fraction_digits(LineReaderState& s, double& value) {
  std::int32_t k = 0;
  while (is_digit(here(s))) {
    s.last_digit = here(s) - '0';
    value += s.last_digit * fraction_scale(++k);
    ++s.pos;
  }
}

// An optional + or -; true for a minus.
bool take_sign(LineReaderState& s) {
  if (FIIKWD(s, "+")) return false;
  return FIIKWD(s, "-");
}

// E, an optional sign and 1 to 4 digits; an E without digits is left alone.
void exponent(LineReaderState& s, double& value) {
  const std::int32_t at_e = s.pos;
  if (!FIIKWD(s, "E")) return;
  const bool negative = take_sign(s);
  std::int32_t e = 0;
  int digits = 0;
  while (digits < kMaxExponentDigits && is_digit(here(s))) {
    e = e * 10 + (here(s) - '0');
    ++digits;
    ++s.pos;
  }
  if (digits == 0) {
    s.pos = at_e;
    return;
  }
  s.last_exp = negative ? -e : e;
  value *= power_of_ten(s.last_exp);
}

// The operator at the scan position: + - * / or ^ for **; 0 when none.
char take_operator(LineReaderState& s) {
  if (FIIKWD(s, "+")) return '+';
  if (FIIKWD(s, "-")) return '-';
  if (FIIKWD(s, "*")) return FIIKWD(s, "*") ? '^' : '*';
  if (FIIKWD(s, "/")) return '/';
  return 0;
}

double apply(char op, double left, double right) {
  switch (op) {
    case '+':
      return left + right;
    case '-':
      return left - right;
    case '*':
      return left * right;
    case '/':
      return right == 0.0 ? 0.0 : left / right;
    default:
      return std::pow(left, right);
  }
}

bool operand(LineReaderState& s) {
  return FIINUM(s) || FIIFUN(s);
}

}  // namespace

bool FIINUM(LineReaderState& s) {
  const Saved saved = save(s);
  double value = 0.0;
  if (is_digit(here(s))) {
    // The integer part is kept exactly as a real; the 32-bit copy wraps.
    std::int32_t whole = 0;
    while (is_digit(here(s))) {
      s.last_digit = here(s) - '0';
      whole = wrap_digit(whole, s.last_digit);
      value = value * 10.0 + s.last_digit;
      ++s.pos;
    }
    s.last_int = whole;
    if (FIIKWD(s, ".")) add_fraction_digits(s, value);
    exponent(s, value);
  } else if (here(s) == '.' && is_digit(col_char(s, s.pos + 1))) {
    ++s.pos;
    add_fraction_digits(s, value);
    exponent(s, value);
  } else if (match_keyword(s, "PI", 2)) {
    value = kPi;
  } else {
    return restore(s, saved);
  }
  s.last_real = value;
  return true;
}

bool FIIFUN(LineReaderState& s) {
  const Saved saved = save(s);
  const bool sine = match_keyword(s, "SIN(", 4);
  if (!sine && !match_keyword(s, "COS(", 4)) return restore(s, saved);
  const bool negative = take_sign(s);
  if (!FIINUM(s)) return restore(s, saved);
  double value = s.last_real;
  while (!FIIKWD(s, ")")) {
    const char op = take_operator(s);
    if (op == 0 || !FIINUM(s)) return restore(s, saved);
    value = apply(op, value, s.last_real);
  }
  if (negative) value = -value;
  s.last_real = sine ? std::sin(value) : std::cos(value);
  return true;
}

bool FIIREA(LineReaderState& s) {
  const Saved saved = save(s);
  skip_blanks(s);
  const bool negative = take_sign(s);
  if (!operand(s)) return restore(s, saved);
  double value = s.last_real;
  while (!at_item_end(s)) {
    const char op = take_operator(s);
    if (op == 0 || !operand(s)) return restore(s, saved);
    value = apply(op, value, s.last_real);
  }
  s.last_real = negative ? -value : value;
  consume_item_end(s);
  return true;
}

}  // namespace velkan
