// 32-bit integer arithmetic that wraps modulo 2^32 on purpose: counters and
// digit accumulators of the line reader never overflow into undefined behaviour.
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

}  // namespace velkan
