// Sub-operation 2: the Vomar conversion sequence.
#include "driver/sequences.h"

namespace velkan {

Outcome vomar_conversion(Conversion& c) {
  c.io.write(LTO, " *** The Vomar export is not available in this build.");
  return Outcome::kFailed;
}

}  // namespace velkan
