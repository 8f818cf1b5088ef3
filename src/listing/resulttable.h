// The element result reader (TRX_GtERes), one pass over the listing after
// TRX_OPEN. It writes its count line on `lunout` and sets `ierr` to -1 when it
// fails.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "listing/listing.h"
#include "platform/units.h"
#include "store/realspan.h"
#include "store/workarray.h"

namespace velkan {

// The titles of the result tables, 40 characters each; the Shear7 export
// reads the first.
inline constexpr std::array<std::string_view, 6> kResultTitles = {
    "1)        Element Effective Tensions.   ", "2)        Element y-Shear Forces.       ",
    "3)        Element z-Shear Forces.       ", "4)        Element Torque Forces.  No    ",
    "5)        Element y-Bending Moments.    ", "6)        Element z-Bending Moments.    ",
};

// ELRES (three values per element) from the result table titled `title`.
void TRX_GtERes(Units& io, WorkArray& wa, std::string_view title, RealSpan ELRES, int lunin,
                int lunout, int lpu, std::int32_t& ierr);
// TRX_GtERes, giving also what it found of the table. The rows count as read
// whole also when the reader fails only because the last one is not of the
// last element.
void read_results(Units& io, WorkArray& wa, std::string_view title, RealSpan ELRES, int lunin,
                  int lunout, int lpu, std::int32_t& ierr, TableRows& rows);

}  // namespace velkan
