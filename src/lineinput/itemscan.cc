// Column access, blank skipping, the item-end rule and keyword matching.
// Routines: FIIKWB, FIIKWD.
#include "lineinput/itemscan.h"

#include <algorithm>

namespace velkan {

char col_char(const LineReaderState& s, std::int32_t col) {
  if (col < 1 || col > static_cast<std::int32_t>(s.work.size())) return ' ';
  return s.work[static_cast<std::size_t>(col - 1)];
}

void skip_blanks(LineReaderState& s) {
  // Columns 1..last lie inside the work line; columns before 1 read as blanks.
  const char* w = s.work.data();
  while (!past_last(s) && (s.pos < 1 || w[s.pos - 1] == ' ')) ++s.pos;
}

bool at_item_end(const LineReaderState& s) {
  if (past_last(s)) return true;
  const char c = here(s);
  return c == ' ' || c == s.separator;
}

void consume_item_end(LineReaderState& s) {
  if (past_last(s)) return;
  if (here(s) == ' ') {
    skip_blanks(s);
    if (past_last(s) || here(s) != s.separator) return;
  }
  if (here(s) == s.separator) {
    ++s.pos;
    skip_blanks(s);
  }
}

bool match_keyword(LineReaderState& s, std::string_view keyword, std::int32_t min_agree) {
  const auto length = static_cast<std::int32_t>(keyword.size());
  std::int32_t n = 0;
  while (n < length && s.pos + n <= s.last &&
         col_char(s, s.pos + n) == keyword[static_cast<std::size_t>(n)]) {
    ++n;
  }
  if (n < std::max<std::int32_t>(min_agree, 1) && n != length) return false;
  s.pos += n;
  if (n < length) {
    while (!past_last(s) && here(s) != ' ') ++s.pos;
  }
  return true;
}

bool FIIKWB(LineReaderState& s, std::string_view keyword) {
  const std::int32_t start = s.pos;
  skip_blanks(s);
  if (match_keyword(s, keyword, s.NCMTCH)) return true;
  s.pos = start;
  return false;
}

bool FIIKWD(LineReaderState& s, std::string_view keyword) {
  return match_keyword(s, keyword, s.NCMTCH);
}

}  // namespace velkan
