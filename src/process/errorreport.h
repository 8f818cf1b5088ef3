// Failure reports of the processing routines: the routine's error line after an
// empty line, then its detail lines; and the size checks that guard every
// array taken from the model store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "platform/units.h"

namespace velkan {

// Writes an empty line, "  *** ERROR IN <routine> ***" and the detail lines.
void report_error(Units& io, int unit, std::string_view routine,
                  std::initializer_list<std::string_view> details);

// True when an array of `size` entries holds `needed` entries (needed may be
// computed in 64 bits from counts that came with the data).
inline bool holds(std::size_t size, std::int64_t needed) {
  return needed <= static_cast<std::int64_t>(size);
}

// A count taken from the data as an index bound: negative counts are empty.
inline std::size_t count_of(std::int64_t n) {
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

// Lowers a status by one without leaving the 32-bit range.
inline void decrement(std::int32_t& status) {
  if (status > INT32_MIN) --status;
}

}  // namespace velkan
