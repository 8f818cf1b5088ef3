// Scanning the work line of the line reader: characters by column, blanks,
// the item-end rule and the keyword matcher the recognisers are built from.
#pragma once

#include <cstdint>
#include <string_view>

#include "lineinput/linereader.h"

namespace velkan {

// The character of the work line at `col` (from 1); a blank outside the line.
char col_char(const LineReaderState& s, std::int32_t col);
inline char here(const LineReaderState& s) {
  return col_char(s, s.pos);
}
inline bool past_last(const LineReaderState& s) {
  return s.pos > s.last;
}
inline bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

void skip_blanks(LineReaderState& s);

// An item ends on a blank, on the separator, or past the last column.
bool at_item_end(const LineReaderState& s);
// Consumes what ends an item: blanks and then one separator with the blanks
// after it, or a separator with the blanks after it.
void consume_item_end(LineReaderState& s);

// Keyword match at the scan position: it succeeds when at least `min_agree`
// leading characters, or all of them, agree with the line; an abbreviation
// also consumes the rest of the word up to the next blank. On failure the scan
// position is unchanged.
bool match_keyword(LineReaderState& s, std::string_view keyword, std::int32_t min_agree);

// Keyword match after skipping blanks, with NCMTCH characters significant.
bool FIIKWB(LineReaderState& s, std::string_view keyword);
// Keyword match at the scan position, with NCMTCH characters significant.
bool FIIKWD(LineReaderState& s, std::string_view keyword);

}  // namespace velkan
