// The node reader (TRX_Node), one pass over the listing after TRX_OPEN. It
// writes its count line on `lunout` and sets `ierr` to -1 when it fails.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

// MNPEX, NBOUN, TCOORD from "*** KINEMATIC VARIABLES ***".
void TRX_Node(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr);

}  // namespace velkan
