// Identifier maps: each distinct name of up to 8 characters gets a number
// 1, 2, 3, ... in order of first appearance. A map is a block of 5 + 2K words:
// capacity K, print unit, count, case option, add-on-store option, then the
// encoded name pair of each identifier.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

// Adds `name` (or finds it); `number` returns its number, 0 on failure.
void IDADD(Units& io, IntSpan map, std::string_view name, std::int32_t& number);
// Number of `name`, 0 if absent or illegal.
std::int32_t IDXIST(Units& io, ConstIntSpan map, std::string_view name);
// Encodes up to 8 characters as two base-100 numbers; an illegal character
// makes N1 (first four) or N2 (last four) -1.
void IDCODE(std::string_view name, std::int32_t& n1, std::int32_t& n2);

}  // namespace velkan
