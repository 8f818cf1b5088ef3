// The item recognisers of the line reader other than the real item (which is in
// expression.h): name, integer and text. Each starts at the scan position after
// skipping blanks, consumes the item and what ends it on success, and leaves
// the scan position and the values it touches as they were on failure.
#pragma once

#include "lineinput/linereader.h"

namespace velkan {

// An upper-case letter, then up to 31 letters or digits, then an item end.
// The name goes to s.name / s.name_len.
bool FIINAM(LineReaderState& s);

// An optional sign and one or more digits, then an item end. The value goes to
// s.last_int; it is accumulated in 32 bits and wraps modulo 2^32.
bool FIIINT(LineReaderState& s);

// Any run of characters up to the next blank whose first character is none of
// ! % * ' #. Its columns go to s.text_start / s.text_end.
bool FIITXT(LineReaderState& s);

}  // namespace velkan
