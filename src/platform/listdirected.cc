// Token parsing for free-format answers.
#include "platform/listdirected.h"

#include <charconv>
#include <string>

namespace velkan {
namespace {

bool is_separator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r'; }

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
  if (!token.empty() && token[0] == '+') token.remove_prefix(1);
  if (token.empty()) return std::nullopt;
  std::int32_t value = 0;
  const auto res = std::from_chars(token.data(), token.data() + token.size(), value);
  if (res.ec != std::errc() || res.ptr != token.data() + token.size()) return std::nullopt;
  return value;
}

std::optional<double> parse_list_real(std::string_view token) {
  // Fortran forms: [sign] digits [. [digits]] | [sign] . digits, then an optional
  // exponent E or D with an optional sign and digits.
  std::string text;
  std::size_t i = 0;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) text.push_back(token[i++]);
  std::size_t digits = 0;
  while (i < token.size() && token[i] >= '0' && token[i] <= '9') text.push_back(token[i++]), ++digits;
  if (i < token.size() && token[i] == '.') {
    text.push_back(token[i++]);
    while (i < token.size() && token[i] >= '0' && token[i] <= '9') text.push_back(token[i++]), ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < token.size() && (token[i] == 'E' || token[i] == 'e' || token[i] == 'D' || token[i] == 'd')) {
    text.push_back('e');
    ++i;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) text.push_back(token[i++]);
    std::size_t exp_digits = 0;
    while (i < token.size() && token[i] >= '0' && token[i] <= '9') text.push_back(token[i++]), ++exp_digits;
    if (exp_digits == 0) return std::nullopt;
  }
  if (i != token.size()) return std::nullopt;
  if (text[0] == '+') text.erase(0, 1);
  double value = 0.0;
  const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  if (res.ec != std::errc()) return std::nullopt;
  if (res.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace velkan
