// The line fetch of the line reader, with its read-error and end-of-file messages.
// Routines: FIILIN.
#include "lineinput/linefetch.h"

#include <algorithm>
#include <cstring>

#include "lineinput/charutil.h"
#include "platform/int32arith.h"
#include "platform/numfmt.h"
#include "platform/stop.h"

namespace velkan {
namespace {

bool is_blank_or_tab(char c) {
  return c == ' ' || c == '\t';
}

void clear_work(LineReaderState& s) {
  s.work.assign(static_cast<std::size_t>(s.NCHLIN), ' ');
  s.pos = 1;
  s.last = 0;
}

// Empty line, then " *** ERROR DURING READING OF LINE" with the line and the unit.
void write_reading_error(Units& io, const LineReaderState& s) {
  io.newline(s.LUNERR);
  Line l;
  l.a(" *** ERROR DURING READING OF LINE").i(s.NLINE, 6).a("  ON UNIT").i(s.LUNRD, 4);
  io.write(s.LUNERR, l);
}

void read_failed(Units& io, LineReaderState& s, int status) {
  s.IERRFL = wrap_neg(status);
  clear_work(s);
  if (s.LUNERR < 0) return;
  write_reading_error(io, s);
  io.write(s.LUNERR, Line().a("     IOSTAT =").i(status, 4));
}

void end_of_file(Units& io, LineReaderState& s) {
  s.NEOF = wrap_add(s.NEOF, 1);
  clear_work(s);
  if (s.MXEOF > 0 && s.NEOF <= s.MXEOF) return;
  s.IERRFL = -999;
  if (s.LUNERR >= 0) {
    write_reading_error(io, s);
    io.write(s.LUNERR, "     ATTEMPT TO READ THROUGH AN END OF FILE");
  }
  if (s.MXEOF > 0) {
    io.write(Units::kConsoleOut, Line().a("     (").i(s.MXEOF, 5).a(" TIMES )"));
  }
  // The conversion did not complete: the stop carries a failure status.
  if (s.MXEOF != 0) throw ProgramStop{1};
}

}  // namespace

bool take_in_line(LineReaderState& s) {
  const std::string& raw = s.line;
  std::size_t n = std::min(raw.size(), static_cast<std::size_t>(s.NCHLIN));
  if (n > 0 && raw[0] == s.comment_mark) return false;
  std::size_t first = 0;
  while (first < n && is_blank_or_tab(raw[first])) ++first;
  if (first == n || raw[first] == s.trail_mark) return false;

  // The trailing-comment mark ends the line; a letter a-z, a blank or a tab
  // never acts as one once the line is taken in.
  const char mark = s.trail_mark;
  if (!(mark >= 'a' && mark <= 'z') && !is_blank_or_tab(mark)) {
    if (const void* at = std::memchr(raw.data() + first, mark, n - first))
      n = static_cast<std::size_t>(static_cast<const char*>(at) - raw.data());
  }
  s.work.assign(static_cast<std::size_t>(s.NCHLIN), ' ');
  const bool fold = s.IUPCAS == 1;
  for (std::size_t i = first; i < n; ++i) {
    char c = raw[i];
    if (fold && c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    s.work[i] = c == '\t' ? ' ' : c;
  }
  while (n > first && s.work[n - 1] == ' ') --n;
  s.last = static_cast<std::int32_t>(n);
  s.pos = static_cast<std::int32_t>(first) + 1;
  return true;
}

void FIILIN(Units& io, LineReaderState& s) {
  for (;;) {
    s.IERRFL = 0;
    s.NLINE = wrap_add(s.NLINE, 1);
    // The raw line is kept without the blanks that would pad it to NCHLIN:
    // they change nothing in the work line.
    const int rc = io.read_upto(s.LUNRD, s.line, static_cast<std::size_t>(s.NCHLIN));
    if (rc == kEndOfFile) return end_of_file(io, s);
    if (rc != 0) return read_failed(io, s, rc);
    if (s.LUNECH >= 0) {
      io.write_text(s.LUNECH, " ");
      io.write(s.LUNECH, padded(s.line, static_cast<std::size_t>(s.NCHLIN)));
    }
    if (take_in_line(s)) return;
  }
}

}  // namespace velkan
