// Status counters: failures decrement a 32-bit status word. The decrement wraps
// instead of overflowing, so even a corrupt counter stays defined behaviour.
#pragma once

#include <cstdint>

namespace velkan {

inline void decrement(std::int32_t& status) {
  status = static_cast<std::int32_t>(static_cast<std::uint32_t>(status) - 1u);
}

}  // namespace velkan
