// RDMIX: reads the next significant line and returns its items, typed as
// integer (1), real (2) or text (3), in three parallel arrays.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/units.h"

namespace velkan {

// Reads from the reader's unit LUNRD; LUNIN <= 0 makes it do nothing. NPAR is
// the number of items (never more than the smallest of the three arrays), or
// -1 at an end of file within the allowance. Item k (from 0) has its type in
// ITYPE[k], its value in RVAL[k] (0.0 for a text) and in CVAL[k] the first 8
// characters of a name or text, blank-padded to 8 (8 blanks for a number).
// On a failed fetch "*** ERROR IN RDMIX" goes to LPU, IERR drops by 1 and NPAR
// is left as it was.
void RDMIX(Units& io, std::int32_t& NPAR, std::span<std::int32_t> ITYPE, std::span<double> RVAL,
           std::span<std::string> CVAL, int LUNIN, int LPU, std::int32_t& IERR);

}  // namespace velkan
