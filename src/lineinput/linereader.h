// The free-format line reader's state (one for the whole program) and the
// routines that open, configure, query and rewind it. The line fetch is in
// linefetch.h, the item recognisers in recognise.h and expression.h, and the
// caller-facing item reader RDMIX in mixeditems.h.
#pragma once

#include <cstdint>
#include <string>

#include "platform/units.h"

namespace velkan {

inline constexpr std::int32_t kMaxLineLength = 2048;
inline constexpr std::int32_t kMaxNameLength = 32;

struct LineReaderState {
  std::int32_t NCHLIN = 132;  // characters read per line, 1..2048
  std::int32_t NCMTCH = 8;    // leading characters that must agree for a keyword
  std::int32_t LUNRD = 5;     // unit read from (0 or 5: the console)
  std::int32_t LUNERR = 0;    // message unit; 0 console, negative none
  std::int32_t LUNECH = -1;   // echo unit; 0 console, negative none
  std::int32_t IUPCAS = 1;    // 1: a-z folded to A-Z when a line is taken in
  std::int32_t MXEOF = 0;     // ends of file allowed without an error
  std::int32_t NEOF = 0;      // ends of file met
  std::int32_t NLINE = 0;     // lines read, comment and blank lines included
  std::int32_t IERRFL = 0;    // last fetch: 0, minus the I/O status, -999 end of file

  std::string line;       // a raw line that had to be copied out of the read buffer
  std::string work;       // the normalised line, same columns as the raw line
  std::int32_t pos = 1;   // column of the next character to examine
  std::int32_t last = 0;  // column of the last significant character

  std::string name = std::string(kMaxNameLength, ' ');  // the last name item
  std::int32_t name_len = 0;
  std::int32_t last_int = 0;
  std::int32_t last_digit = 0;
  std::int32_t last_exp = 0;
  double last_real = 0.0;
  std::int32_t text_start = 0;  // columns of the last text item
  std::int32_t text_end = 0;

  char comment_mark = '*';  // in column 1: the whole line is skipped
  char trail_mark = '!';    // it and the rest of the line are ignored
  char separator = ',';     // item separator besides blanks
};

// The reader's state.
LineReaderState& line_reader();

// Validates 1 <= NCHLIN <= 2048, NCMTCH >= 1, LUNRD >= 0 (in that order, each
// stored once valid) and resets the reader. IERR = 0, or -1 with the
// "ILLEGAL PARAMETER(S)" block on the message unit already stored.
void FIIOPN(Units& io, std::int32_t NCHLIN, std::int32_t NCMTCH, std::int32_t LUNRD,
            std::int32_t LUNERR, std::int32_t LUNECH, std::int32_t& IERR);

// Integer option: 1 LUNRD, 2 LUNERR, 3 LUNECH, 11 IUPCAS, 12 MXEOF, 13 NEOF,
// 21 NCHLIN (kept within 1..2048), 22 NCMTCH (at least 1); other codes nothing.
void FIISET(std::int32_t value, std::int32_t code);

// Special character: 1 comment mark, 2 trailing-comment mark, 3 separator.
void FIICHR(char c, std::int32_t code);
// Sets the comment mark only.
void FIICMT(char c);

// 1 scan position, 2 NCHLIN, 3 NCMTCH, 4 IUPCAS, 5 LUNRD, 6 LUNERR, 7 LUNECH,
// 8 MXEOF, 9 NLINE, 10 last column; any other code 0.
std::int32_t FIIQRY(std::int32_t code);

// Rewinds the unit read from.
void FIIREW(Units& io);

}  // namespace velkan
