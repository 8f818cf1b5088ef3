// Token parsing for free-format answers.
#include "platform/listdirected.h"

#include <charconv>
#include <string>

namespace velkan {
namespace {

bool is_separator(char c) {
  return c == ' ' || c == '\t' || c == ',' || c == '\r';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// A real token taken apart: the text std::from_chars understands, and the
// decimal order of magnitude of its value (the power of ten of its first
// significant digit, plus one), so that an out-of-range value can be told
// apart as too large or too small.
struct RealText {
  std::string text;
  long magnitude = 0;
  bool zero = true;
};

// Copies digits from token[i] on into out.text; returns how many.
std::size_t take_digits(std::string_view token, std::size_t& i, RealText& out) {
  const std::size_t from = i;
  while (i < token.size() && is_digit(token[i])) out.text.push_back(token[i++]);
  return i - from;
}

std::size_t first_non_zero(std::string_view token, std::size_t from, std::size_t to) {
  while (from < to && token[from] == '0') ++from;
  return from;
}

// Splits [sign] digits [. [digits]] | [sign] . digits, then an optional
// exponent E or D with an optional sign and digits. False when malformed.
bool split_real(std::string_view token, RealText& out) {
  std::size_t i = 0;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    if (token[i] == '-') out.text.push_back('-');
    ++i;
  }
  const std::size_t int_start = i;
  std::size_t digits = take_digits(token, i, out);
  const std::size_t int_lead = first_non_zero(token, int_start, i);
  if (int_lead < i) {
    out.zero = false;
    out.magnitude = static_cast<long>(i - int_lead);
  }
  if (i < token.size() && token[i] == '.') {
    out.text.push_back(token[i++]);
    const std::size_t frac_start = i;
    digits += take_digits(token, i, out);
    const std::size_t frac_lead = first_non_zero(token, frac_start, i);
    if (out.zero && frac_lead < i) {
      out.zero = false;
      out.magnitude = -static_cast<long>(frac_lead - frac_start);
    }
  }
  if (digits == 0) return false;
  if (i < token.size() &&
      (token[i] == 'E' || token[i] == 'e' || token[i] == 'D' || token[i] == 'd')) {
    out.text.push_back('e');
    ++i;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
      negative = token[i] == '-';
      out.text.push_back(token[i++]);
    }
    long exponent = 0;
    const std::size_t exp_start = i;
    if (take_digits(token, i, out) == 0) return false;
    for (std::size_t k = exp_start; k < i; ++k) {
      if (exponent < 100000) exponent = exponent * 10 + (token[k] - '0');
    }
    out.magnitude += negative ? -exponent : exponent;
  }
  return i == token.size();
}

}  // namespace

std::vector<std::string_view> list_tokens(std::string_view line) {
  std::vector<std::string_view> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && is_separator(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !is_separator(line[i])) ++i;
    if (i > start) tokens.push_back(line.substr(start, i - start));
  }
  return tokens;
}

std::optional<std::int32_t> parse_list_integer(std::string_view token) {
  const bool plus = !token.empty() && token[0] == '+';
  if (plus) token.remove_prefix(1);
  if (token.empty() || (plus && token[0] == '-')) return std::nullopt;
  std::int32_t value = 0;
  const auto res = std::from_chars(token.data(), token.data() + token.size(), value);
  if (res.ec != std::errc() || res.ptr != token.data() + token.size()) return std::nullopt;
  return value;
}

std::optional<double> parse_list_real(std::string_view token) {
  RealText real;
  if (!split_real(token, real)) return std::nullopt;
  const char* end = real.text.data() + real.text.size();
  double value = 0.0;
  const auto res = std::from_chars(real.text.data(), end, value);
  if (res.ptr != end) return std::nullopt;
  if (res.ec == std::errc::result_out_of_range && !real.zero && real.magnitude < 1) {
    // Too small for a double: it reads as zero, as the Fortran reader has it.
    return real.text[0] == '-' ? -0.0 : 0.0;
  }
  if (res.ec != std::errc()) return std::nullopt;  // too large
  return value;
}

}  // namespace velkan
