// 32-bit integer arithmetic without undefined behaviour. Counters and digit
// accumulators of the line reader wrap modulo 2^32 on purpose. Status counts are
// the other way round: a routine that fails lowers its caller's status word (and
// the DMS its error counter) by one, and the count stops at the lowest value
// instead of wrapping, so a failure can never turn into a status that reads as
// success.
#pragma once

#include <cstdint>

namespace velkan {

inline std::int32_t wrap_add(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline std::int32_t wrap_neg(std::int32_t a) {
  return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(a));
}

// value * 10 + digit, wrapping.
inline std::int32_t wrap_digit(std::int32_t value, int digit) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) * 10u +
                                   static_cast<std::uint32_t>(digit));
}

// Lowers a status count by one, stopping at the lowest value.
inline void decrement(std::int32_t& status) {
  if (status > INT32_MIN) --status;
}

}  // namespace velkan
