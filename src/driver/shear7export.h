// The Shear7 export, one of the two conversions the driver offers.
#pragma once

#include "driver/conversion.h"
#include "driver/runend.h"

namespace velkan {

// The Shear7 model file from the effective-tension table.
Outcome shear7_export(Conversion& c);

}  // namespace velkan
