// Reals written as small expressions: unsigned numbers with fraction and
// exponent, the constant PI, SIN( and COS(, and the operators + - * ** /
// applied strictly from left to right. A failed attempt leaves the scan
// position and the work values as it found them.
#pragma once

#include "lineinput/linereader.h"

namespace velkan {

// Digits with an optional fraction and exponent, a fraction with an optional
// exponent, or PI; no blanks inside. The value goes to s.last_real.
bool FIINUM(LineReaderState& s);

// SIN( or COS(, an optional sign, an unsigned number, operator and unsigned
// number pairs, then ). The value goes to s.last_real.
bool FIIFUN(LineReaderState& s);

// The real item: an optional sign, an operand, then operator and operand pairs
// up to an item end; the sign applies to the final result. The value goes to
// s.last_real, and what ends the item is consumed.
bool FIIREA(LineReaderState& s);

}  // namespace velkan
