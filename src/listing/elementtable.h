// The element reader (TRX_Elem), one pass over the listing after TRX_OPEN. It
// writes its count line on `lunout` and sets `ierr` to -1 when it fails.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

// MELEX, MNPC, MPMNPC from "*** ELEMENT DATA ***".
void TRX_Elem(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr);

}  // namespace velkan
