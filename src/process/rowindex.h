// An index of property rows by their values, for the merge map: for one row of
// each group of identical rows it finds the lowest row whose row equals it
// (the found row first in the relative test), looking only at rows whose
// values lie in the test's window in every column.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "process/rowgroups.h"
#include "store/realspan.h"

namespace velkan {

// The index holds for tolerances below this; at and above it a zero can equal
// a value that is not zero.
inline constexpr double kIndexedTolLimit = 1.0;
inline constexpr std::uint32_t kNoRow = UINT32_MAX;

// For every group: the lowest row (0-based) of any group whose row equals the
// group's row under rel_equal with that row first, its own lowest row
// included; kNoRow when no row equals it. Requires 0 < tol < kIndexedTolLimit.
std::vector<std::uint32_t> lowest_equal_rows(RealSpan prop, std::size_t width,
                                             const RowGroups& groups, double tol);

}  // namespace velkan
