// The merge map of a property table: which rows are merged into which.
#pragma once

#include <cstdint>

#include "store/realspan.h"

namespace velkan {

// IMAP(j) (1-based) = the lowest row i < j whose row equals row j (rel_equal
// with row i first), 0 when there is none. Merged rows still count as i, so
// chains point to lower rows. The map is made through an index in n log n
// time for the data met in practice; a tolerance of 1 or more, where a zero
// can equal a value that is not zero, uses the plain pairwise comparison.
// Requires TOL > 0, MXPR >= 0, NPR*MXPR reals in PROP and NPR entries in IMAP;
// returns false and changes nothing otherwise.
bool MKPMAP(RealSpan PROP, std::int32_t MXPR, std::int32_t NPR, double TOL, IntSpan IMAP);

// The same map by comparing every pair of rows (quadratic in NPR).
void merge_map_pairwise(RealSpan prop, std::int32_t mxpr, std::int32_t npr, double tol,
                        IntSpan imap);

}  // namespace velkan
