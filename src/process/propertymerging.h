// Merging of equal properties: a property table (cross-sections or materials)
// is shrunk to its distinct rows and the elements are re-pointed to them.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

// Merges every row of PROP (NPR rows of MXPR reals) into the lowest row equal
// to it within the relative tolerance TOL, compacts PROP, MPRTYP and MEXPR
// (freed tails cleared), re-points MELPR of the NEL elements and sets NPR to the
// number of rows left. IMAP and ISCR are scratch of NPR entries. With LPU > 0
// the merge is listed on the console. A tolerance that is not positive, arrays
// too short for NPR rows or NEL elements, or an element property index outside
// 1..NPR set the status to -1 with an error block (on LPU, or the console when
// LPU is not positive) and change nothing; a successful merge leaves the status.
// With `largest_change`, the largest relative change that the merge made to
// any value of a merged row (0 when nothing was merged) is stored there.
void ShriPrp01(Units& io, RealSpan PROP, std::int32_t MXPR, std::int32_t& NPR, double TOL,
               std::int32_t NEL, IntSpan MELPR, IntSpan MPRTYP, IntSpan MEXPR, IntSpan IMAP,
               IntSpan ISCR, int LPU, std::int32_t& status, double* largest_change = nullptr);

// The largest relative change |kept - own| / |own| over the values of the rows
// that the merge map IMAP merges, each against the row that finally survives
// for it (the end of its chain); 0 when no row is merged.
double largest_merge_change(const RealSpan& PROP, std::int32_t MXPR, std::int32_t NPR,
                            ConstIntSpan IMAP);

// Renumbers the element property indices after a merge map: survivors get
// 1, 2, ... in rising order, merged rows the number of their target
// (ISCR(i) = new index of old row i). Nothing is done when NEL is 0. A map entry
// that does not point below its own row, or an element index outside 1..NPR,
// leaves the entries concerned at 0 and unchanged respectively.
void RENPRP(std::int32_t NPR, ConstIntSpan IMAP, IntSpan ISCR, std::int32_t NEL, IntSpan MELPR);

}  // namespace velkan
