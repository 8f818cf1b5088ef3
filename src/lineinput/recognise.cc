// Name, integer and text recognisers.
// Routines: FIINAM, FIIINT, FIITXT.
#include "lineinput/recognise.h"

#include <string_view>

#include "lineinput/itemscan.h"
#include "platform/int32arith.h"

namespace velkan {
namespace {

bool is_upper(char c) {
  return c >= 'A' && c <= 'Z';
}

}  // namespace

bool FIINAM(LineReaderState& s) {
  const std::int32_t start_pos = s.pos;
  skip_blanks(s);
  const std::int32_t first = s.pos;
  if (past_last(s) || !is_upper(here(s))) {
    s.pos = start_pos;
    return false;
  }
  std::int32_t len = 0;
  while (!past_last(s) && (is_upper(here(s)) || is_digit(here(s)))) {
    if (len == kMaxNameLength) break;  // a 33rd character: not a name
    ++len;
    ++s.pos;
  }
  if (!at_item_end(s)) {
    s.pos = start_pos;
    return false;
  }
  s.name.assign(kMaxNameLength, ' ');
  s.name.replace(0, static_cast<std::size_t>(len), s.work, static_cast<std::size_t>(first - 1),
                 static_cast<std::size_t>(len));
  s.name_len = len;
  consume_item_end(s);
  return true;
}

bool FIIINT(LineReaderState& s) {
  const std::int32_t start_pos = s.pos;
  skip_blanks(s);
  bool negative = false;
  if (here(s) == '+' || here(s) == '-') {
    negative = here(s) == '-';
    ++s.pos;
  }
  std::int32_t value = 0;
  int digits = 0;
  while (!past_last(s) && is_digit(here(s))) {
    value = wrap_digit(value, here(s) - '0');
    ++digits;
    ++s.pos;
  }
  if (digits == 0 || !at_item_end(s)) {
    s.pos = start_pos;
    return false;
  }
  s.last_int = negative ? wrap_neg(value) : value;
  consume_item_end(s);
  return true;
}

bool FIITXT(LineReaderState& s) {
  constexpr std::string_view kNotStarting = "!%*'#";
  const std::int32_t start_pos = s.pos;
  skip_blanks(s);
  if (past_last(s) || kNotStarting.find(here(s)) != std::string_view::npos) {
    s.pos = start_pos;
    return false;
  }
  s.text_start = s.pos;
  while (!past_last(s) && here(s) != ' ') ++s.pos;
  s.text_end = s.pos - 1;
  consume_item_end(s);
  return true;
}

}  // namespace velkan
