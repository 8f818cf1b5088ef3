// Groups of identical rows of a property table: rows whose values are the same
// bit for bit (a negative zero taken as zero) compare alike with every other
// row, so the merge map needs to look at one row of each group only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/realspan.h"

namespace velkan {

struct RowGroups {
  std::vector<std::uint32_t> group_of;  // group of each row (0-based)
  std::vector<std::uint32_t> lowest;    // lowest row of each group, rising with the group
};

// Groups `rows` rows of `width` reals (rows below 2^32), in linear time.
RowGroups group_identical_rows(RealSpan prop, std::size_t width, std::size_t rows);

}  // namespace velkan
