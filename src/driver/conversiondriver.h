// The conversion driver VELKAN: one conversion from the listing prompt to the
// verdict.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

// Returns 0 when the conversion completed, -1 when it failed.
std::int32_t VELKAN(Units& io, WorkArray& wa, std::int32_t nwiwa, std::int32_t mode);

}  // namespace velkan
