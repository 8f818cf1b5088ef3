// Taking in the next significant line: comment, trailing-comment, tab and
// blank-line rules, upper-case folding, line counting and the end-of-file rule.
#pragma once

#include <string_view>

#include "lineinput/linereader.h"
#include "platform/units.h"

namespace velkan {

// Reads lines from s.LUNRD until one is significant and leaves it normalised in
// s.work with s.pos on its first character. s.IERRFL tells the outcome: 0 (a line,
// or an end of file within the allowance, then s.NEOF > 0), minus the I/O status,
// or -999 for an end of file beyond the allowance. An end of file beyond the
// allowance with MXEOF != 0 stops the program (throws ProgramStop).
void FIILIN(Units& io, LineReaderState& s);

// Applies the comment and blank-line rules to a raw line (cut to NCHLIN
// characters, not padded) and, when the line is significant, builds the work
// line from it. False: skip the line.
bool take_in_line(LineReaderState& s, std::string_view raw);

}  // namespace velkan
