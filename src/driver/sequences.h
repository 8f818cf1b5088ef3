// The two conversion sequences the driver can run after the menus.
#pragma once

#include "driver/conversion.h"

namespace velkan {

// Sub-operation 1: the Shear7 model file from the effective-tension table.
Outcome shear7_export(Conversion& c);
// Sub-operation 2: the Vomar model file.
Outcome vomar_conversion(Conversion& c);

}  // namespace velkan
