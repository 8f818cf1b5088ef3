// The Vomar conversion sequence, one of the two conversions the driver offers.
#pragma once

#include <cstdint>

#include "driver/conversion.h"
#include "driver/runend.h"
#include "driver/vomarmodel.h"

namespace velkan {

// The Vomar model file, from the prompt for its name to the trailer.
Outcome vomar_conversion(Conversion& c);

// Hinge springs, materials, the sea bed on request and the trailer. The file
// is finished whatever fails on the way; returns the status of these steps.
std::int32_t finish_vomar_file(Conversion& c, VomarModel& m);

}  // namespace velkan
