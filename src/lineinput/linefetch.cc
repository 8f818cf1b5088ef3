// The line fetch of the line reader, with its read-error and end-of-file messages.
// Routines: FIILIN.
#include "lineinput/linefetch.h"

#include <algorithm>
#include <cstring>

#include "lineinput/charutil.h"
#include "platform/consoleunits.h"
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
    io.write(LTO, Line().a("     (").i(s.MXEOF, 5).a(" TIMES )"));
  }
  // The conversion did not complete: the stop carries a failure status.
  if (s.MXEOF != 0) throw ProgramStop{1};
}

// Copies a line's characters into the work line, tabs as blanks and, when
// `fold`, letters a-z in upper case; returns whether `mark` is among them.
// Written without branches so that the compiler can copy many characters at a
// time.
bool copy_into_work(const char* from, char* to, std::size_t count, bool fold, char mark) {
  const unsigned char shift = fold ? 32 : 0;
  const auto wanted = static_cast<unsigned char>(mark);
  unsigned char seen = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const auto c = static_cast<unsigned char>(from[i]);
    const unsigned char lower = static_cast<unsigned char>(c - 'a') < 26 ? shift : 0;
    const unsigned char folded = static_cast<unsigned char>(c - lower);
    to[i] = static_cast<char>(c == '\t' ? ' ' : folded);
    seen |= static_cast<unsigned char>(c == wanted);
  }
  return seen != 0;
}

}  // namespace

bool take_in_line(LineReaderState& s, std::string_view raw) {
  std::size_t n = std::min(raw.size(), static_cast<std::size_t>(s.NCHLIN));
  if (n > 0 && raw[0] == s.comment_mark) return false;
  std::size_t first = 0;
  while (first < n && is_blank_or_tab(raw[first])) ++first;
  if (first == n || raw[first] == s.trail_mark) return false;

  s.work.resize(static_cast<std::size_t>(s.NCHLIN));
  char* const work = s.work.data();
  std::memset(work, ' ', first);
  std::memset(work + n, ' ', s.work.size() - n);
  const char mark = s.trail_mark;
  const bool seen =
      copy_into_work(raw.data() + first, work + first, n - first, s.IUPCAS == 1, mark);
  // The trailing-comment mark ends the line; a letter a-z, a blank or a tab
  // never acts as one once the line is taken in.
  if (seen && !(mark >= 'a' && mark <= 'z') && !is_blank_or_tab(mark)) {
    const auto at = static_cast<std::size_t>(
        static_cast<const char*>(std::memchr(raw.data() + first, mark, n - first)) - raw.data());
    std::memset(work + at, ' ', n - at);
    n = at;
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
    // The raw line, where it lies in the read buffer when it can, without
    // the blanks that would pad it to NCHLIN: they change nothing in the work
    // line.
    std::string_view raw;
    const int rc = io.read_view(s.LUNRD, raw, s.line, static_cast<std::size_t>(s.NCHLIN));
    if (rc == kEndOfFile) return end_of_file(io, s);
    if (rc != 0) return read_failed(io, s, rc);
    if (s.LUNECH >= 0) {
      // The echo may go to any unit, the one read included: the line leaves
      // the read buffer before anything is written.
      if (raw.data() != s.line.data()) raw = s.line.assign(raw);
      io.write_text(s.LUNECH, " ");
      io.write(s.LUNECH, padded(raw, static_cast<std::size_t>(s.NCHLIN)));
    }
    if (take_in_line(s, raw)) return;
  }
}

}  // namespace velkan
