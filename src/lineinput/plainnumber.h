// Plain numbers of the line reader: the arithmetic every number item shares
// (digits accumulated as value * 10 + digit, fraction digits added as
// digit * f with f divided by 10 for each digit, the value scaled by 10.0
// raised to the exponent), and the fast path that reads an integer or a plain
// real item (an optional sign, digits with an optional fraction and exponent)
// without trying the recognisers one by one. The fast path gives exactly what
// the recognisers give; anything else is left to them.
#pragma once

#include <cstdint>

#include "lineinput/linereader.h"

namespace velkan {

// f for the k-th fraction digit (k from 1): 1.0 divided by 10.0 k times, one
// division after the other. 1.0 for k = 0.
double fraction_scale(std::int32_t k);

// 10.0 raised to an integer power by repeated squaring; 1 / 10^-e for e < 0.
double power_of_ten(std::int32_t e);

// At a non-blank scan position: an integer item (type 1) or a plain real item
// (type 2) with its value, consumed with what ends it, and the reader's values
// set as the integer or real recogniser sets them. False, with nothing
// changed, for any other item (names, texts, expressions, PI, functions).
bool take_plain_number(LineReaderState& s, std::int32_t& type, double& value);

}  // namespace velkan
