// The string splitter (STRSPL) and the token classifier (TOKTYP).
#include "lineinput/stringsplit.h"

#include <algorithm>

#include "lineinput/charutil.h"
#include "platform/listdirected.h"

namespace velkan {
namespace {

bool all_digits(std::string_view t) {
  return std::none_of(t.begin(), t.end(), [](char c) { return NOTDIG(c); });
}

// A leading digit: a point anywhere, or an E followed by a sign or a digit.
bool digit_token_is_real(std::string_view t) {
  if (t.find('.') != std::string_view::npos) return true;
  const std::size_t e = t.find('E');
  if (e == std::string_view::npos || e + 1 >= t.size()) return false;
  const char after = t[e + 1];
  return after == '+' || after == '-' || !NOTDIG(after);
}

// The type the token's shape calls for, before it is read.
std::int32_t shape_type(std::string_view t) {
  if (all_digits(t)) return 1;
  if (t[0] == '+' || t[0] == '-') return 2;
  if (NOTDIG(t[0])) return 3;
  return digit_token_is_real(t) ? 2 : 3;
}

}  // namespace

std::int32_t TOKTYP(std::string_view token, double& value) {
  value = 0.0;
  if (token.empty()) return 3;
  const std::int32_t type = shape_type(token);
  if (type == 3) return 3;
  const auto read = parse_list_real(token);
  if (!read) return 3;
  value = *read;
  return type;
}

int STRSPL(std::string_view s, std::span<std::int32_t> types, std::span<double> reals,
           std::span<std::string> texts, std::size_t text_len) {
  const std::size_t capacity = std::min({types.size(), reals.size(), texts.size()});
  std::size_t count = 0;
  std::size_t i = 0;
  while (count < capacity) {
    while (i < s.size() && s[i] == ' ') ++i;
    if (i == s.size()) break;
    const std::size_t start = i;
    while (i < s.size() && s[i] != ' ') ++i;
    const std::string_view token = s.substr(start, i - start);
    double value = 0.0;
    types[count] = TOKTYP(token, value);
    reals[count] = value;
    std::string& text = texts[count];
    text.assign(types[count] == 3 ? token.substr(0, text_len) : std::string_view());
    text.resize(text_len, ' ');
    ++count;
  }
  return static_cast<int>(count);
}

}  // namespace velkan
