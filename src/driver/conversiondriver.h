// The conversion driver VELKAN: one conversion from the listing prompt to the
// verdict.
#pragma once

#include <cstdint>

#include "commandline/options.h"
#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

// Returns 0 when the conversion completed, -1 when it failed. The options of
// `given` answer their questions; the others are asked on the console.
std::int32_t VELKAN(Units& io, WorkArray& wa, std::int32_t nwiwa, std::int32_t mode,
                    const CommandLine& given = {});

}  // namespace velkan
