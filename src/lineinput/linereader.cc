// The line reader's state and its open, option, query and rewind routines.
// Routines: FIIOPN, FIISET, FIICHR, FIICMT, FIIQRY, FIIREW.
#include "lineinput/linereader.h"

#include <algorithm>

#include "platform/numfmt.h"

namespace velkan {
namespace {

LineReaderState g_reader;

void report_illegal(Units& io, std::int32_t unit, std::int32_t nchlin, std::int32_t ncmtch,
                    std::int32_t lunrd) {
  if (unit < 0) return;
  for (int i = 0; i < 3; ++i) io.newline(unit);
  io.write(unit, " *** ERROR RETURN FROM  K O R  LIBRARY ROUTINE FIIOPN");
  Line l;
  io.write(unit, l.a("     ILLEGAL PARAMETER(S) :  NCHLIN =").i(nchlin, 5));
  io.write(unit, l.clear().x(29).a("NCMTCH =").i(ncmtch, 5));
  io.write(unit, l.clear().x(29).a("LUNRD  =").i(lunrd, 5));
}

}  // namespace

LineReaderState& line_reader() {
  return g_reader;
}

void FIIOPN(Units& io, std::int32_t NCHLIN, std::int32_t NCMTCH, std::int32_t LUNRD,
            std::int32_t LUNERR, std::int32_t LUNECH, std::int32_t& IERR) {
  LineReaderState& s = g_reader;
  bool ok = NCHLIN >= 1 && NCHLIN <= kMaxLineLength;
  if (ok) s.NCHLIN = NCHLIN;
  ok = ok && NCMTCH >= 1;
  if (ok) s.NCMTCH = NCMTCH;
  // No in-memory line source exists, so only real units are accepted.
  ok = ok && LUNRD >= 0;
  if (ok) s.LUNRD = LUNRD;
  if (!ok) {
    IERR = -1;
    report_illegal(io, s.LUNERR, NCHLIN, NCMTCH, LUNRD);
    return;
  }
  IERR = 0;
  s.LUNERR = LUNERR;
  s.LUNECH = LUNECH;
  s.comment_mark = '*';
  s.trail_mark = '!';
  s.separator = ',';
  s.IUPCAS = 1;
  s.MXEOF = 0;
  s.NEOF = 0;
  s.NLINE = 0;
  s.IERRFL = 0;
  s.last_int = 0;
  s.last_digit = 0;
  s.last_exp = 0;
  s.last_real = 0.0;
  s.name.assign(kMaxNameLength, ' ');
  s.name_len = 0;
  s.text_start = 0;
  s.text_end = 0;
  s.work.assign(static_cast<std::size_t>(s.NCHLIN), ' ');
  s.pos = 1;
  s.last = 0;
}

void FIISET(std::int32_t value, std::int32_t code) {
  LineReaderState& s = g_reader;
  switch (code) {
    case 1:
      s.LUNRD = value;
      break;
    case 2:
      s.LUNERR = value;
      break;
    case 3:
      s.LUNECH = value;
      break;
    case 11:
      s.IUPCAS = value;
      break;
    case 12:
      s.MXEOF = value;
      break;
    case 13:
      s.NEOF = value;
      break;
    case 21:
      s.NCHLIN = std::clamp(value, 1, kMaxLineLength);
      break;
    case 22:
      s.NCMTCH = std::max(value, 1);
      break;
    default:
      break;
  }
}

void FIICHR(char c, std::int32_t code) {
  LineReaderState& s = g_reader;
  switch (code) {
    case 1:
      s.comment_mark = c;
      break;
    case 2:
      s.trail_mark = c;
      break;
    case 3:
      s.separator = c;
      break;
    default:
      break;
  }
}

void FIICMT(char c) {
  g_reader.comment_mark = c;
}

std::int32_t FIIQRY(std::int32_t code) {
  const LineReaderState& s = g_reader;
  switch (code) {
    case 1:
      return s.pos;
    case 2:
      return s.NCHLIN;
    case 3:
      return s.NCMTCH;
    case 4:
      return s.IUPCAS;
    case 5:
      return s.LUNRD;
    case 6:
      return s.LUNERR;
    case 7:
      return s.LUNECH;
    case 8:
      return s.MXEOF;
    case 9:
      return s.NLINE;
    case 10:
      return s.last;
    default:
      return 0;
  }
}

void FIIREW(Units& io) {
  io.rewind(g_reader.LUNRD);
}

}  // namespace velkan
