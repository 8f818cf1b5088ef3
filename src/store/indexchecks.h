// Counts and positions that came with the data, checked against the arrays
// they index: a damaged count or index never reaches outside its array.
#pragma once

#include <cstddef>
#include <cstdint>

#include "store/realspan.h"

namespace velkan {

// A count taken from the data as an index bound: negative counts are empty.
inline std::size_t count_of(std::int64_t n) {
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

// True when an array of `size` entries has room for `needed` entries (`needed`
// may be computed in 64 bits from counts that came with the data; none or a
// negative number always fit).
inline bool has_room(std::size_t size, std::int64_t needed) {
  return needed <= static_cast<std::int64_t>(size);
}

// True when `pos`, counted from 1, is a position of `v`.
inline bool is_position(ConstIntSpan v, std::int64_t pos) {
  return pos >= 1 && static_cast<std::uint64_t>(pos) <= v.size();
}

// Entry `pos` (counted from 1) of `v`; 0 when `pos` is no position of `v`.
inline std::int32_t entry_or_zero(ConstIntSpan v, std::int64_t pos) {
  return is_position(v, pos) ? v[static_cast<std::size_t>(pos - 1)] : 0;
}

}  // namespace velkan
