// Status counters: a routine that fails lowers its caller's 32-bit status word
// (and the DMS its error counter) by one. The count stops at the lowest value
// instead of wrapping around, so a failure can never turn into a status that
// reads as success.
#pragma once

#include <cstdint>

namespace velkan {

inline void decrement(std::int32_t& status) {
  if (status > INT32_MIN) --status;
}

}  // namespace velkan
