// Relative equality of property values and of property rows, the test that
// decides which cross-sections and materials are merged.
#pragma once

#include <cstdint>

#include "store/realspan.h"

namespace velkan {

// Values below this magnitude count as zero.
inline constexpr double kTinyValue = 1e-99;

// True when b equals a within the relative tolerance tol: both exactly zero,
// or the ratio b/a (1 when both are zero after tiny values are set to zero,
// 0 when only a is) lies strictly between 1 - tol and 1 + tol. Not symmetric.
bool rel_equal(double a, double b, double tol);

// Rows i and j (0-based) of a table of `mxpr` reals a row, row i first.
bool rows_equal(RealSpan prop, std::int32_t mxpr, std::size_t i, std::size_t j, double tol);

}  // namespace velkan
