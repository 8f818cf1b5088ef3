// Number edits. Rounding is to the nearest decimal of the exact binary value,
// ties to even, which is what the compiler's run-time library produces through
// the C library; std::to_chars gives the same digits without locale or allocation.
#include "platform/numfmt.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace velkan {
namespace {

void put_stars(std::string& out, int width) {
  if (width > 0) out.append(static_cast<std::size_t>(width), '*');
}

// Right-align `body` (with an optional leading minus) in `width` characters.
void put_aligned(std::string& out, bool negative, std::string_view body, int width) {
  const int len = static_cast<int>(body.size()) + (negative ? 1 : 0);
  if (len > width) {
    put_stars(out, width);
    return;
  }
  out.append(static_cast<std::size_t>(width - len), ' ');
  if (negative) out.push_back('-');
  out.append(body);
}

// Infinity and NaN as the run-time library writes them in F and E fields.
void put_non_finite(std::string& out, double value, int width) {
  if (std::isnan(value)) {
    if (width < 3) return put_stars(out, width);
    return put_aligned(out, false, "NaN", width);
  }
  const bool negative = std::signbit(value);
  const int room = width - (negative ? 1 : 0);
  if (room < 3) return put_stars(out, width);
  put_aligned(out, negative, room >= 8 ? "Infinity" : "Inf", width);
}

}  // namespace

void put_i(std::string& out, std::int64_t value, int width) {
  char buf[24];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  const std::string_view digits(buf, static_cast<std::size_t>(res.ptr - buf));
  if (static_cast<int>(digits.size()) > width) return put_stars(out, width);
  const auto w = static_cast<std::size_t>(width);
  char field[64];  // the usual field, appended in one step
  if (w > sizeof field) return put_aligned(out, false, digits, width);
  std::memset(field, ' ', w - digits.size());
  std::memcpy(field + (w - digits.size()), digits.data(), digits.size());
  out.append(field, w);
}

void put_f(std::string& out, double value, int width, int decimals) {
  if (!std::isfinite(value)) return put_non_finite(out, value, width);
  if (decimals < 0 || decimals > 60) return put_stars(out, width);
  char buf[400];  // 309 integer digits, the point and up to 60 decimals
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, decimals);
  std::string_view body(buf, static_cast<std::size_t>(res.ptr - buf));
  if (decimals == 0) {
    // The point is always written, also with no decimals.
    *res.ptr = '.';
    body = std::string_view(buf, body.size() + 1);
  }
  const bool negative = std::signbit(value);
  const int len = static_cast<int>(body.size()) + (negative ? 1 : 0);
  // A leading zero before the point is dropped when the field is one too narrow,
  // but only when decimals follow: a lone "." is no number.
  if (len > width && decimals > 0 && body[0] == '0') body.remove_prefix(1);
  put_aligned(out, negative, body, width);
}

void put_e(std::string& out, double value, int width, int decimals) {
  if (!std::isfinite(value)) return put_non_finite(out, value, width);
  if (decimals < 0 || decimals > 60) return put_stars(out, width);
  char buf[96];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                 std::chars_format::scientific, decimals);
  const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  const std::size_t epos = sci.find('e');
  std::string_view mantissa = sci.substr(0, epos);
  int exponent = 0;
  std::from_chars(sci.data() + epos + 2, sci.data() + sci.size(), exponent);
  if (sci[epos + 1] == '-') exponent = -exponent;

  char body[128];
  std::size_t n = mantissa.copy(body, mantissa.size());
  if (decimals == 0) body[n++] = '.';
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude > 999) return put_stars(out, width);
  // Two exponent digits behind the letter E; three take the letter's place.
  if (magnitude <= 99) body[n++] = 'E';
  body[n++] = exponent < 0 ? '-' : '+';
  if (magnitude > 99) body[n++] = static_cast<char>('0' + magnitude / 100);
  body[n++] = static_cast<char>('0' + magnitude / 10 % 10);
  body[n++] = static_cast<char>('0' + magnitude % 10);
  put_aligned(out, std::signbit(value), std::string_view(body, n), width);
}

std::string fmt_i(std::int64_t value, int width) {
  std::string s;
  put_i(s, value, width);
  return s;
}

std::string fmt_f(double value, int width, int decimals) {
  std::string s;
  put_f(s, value, width, decimals);
  return s;
}

std::string fmt_e(double value, int width, int decimals) {
  std::string s;
  put_e(s, value, width, decimals);
  return s;
}

}  // namespace velkan
