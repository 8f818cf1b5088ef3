// Creating the array register right after the DMS is opened (ARINIT).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

// `names`: the array names of explicit numbering (entry k-1 for array k);
// empty for implicit numbering.
void ARINIT(Units& io, WorkArray& wa, std::span<const std::string> names, std::int32_t name_length,
            std::int32_t max_name_length, std::int32_t narrays, std::int32_t numbering,
            std::int32_t lpu, std::int32_t& status);

}  // namespace velkan
