// The element reader (TRX_Elem), one pass over the listing after TRX_OPEN. It
// writes its count line on `lunout` and sets `ierr` to -1 when it fails.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

// MELEX, MNPC, MPMNPC from "*** ELEMENT DATA ***".
void TRX_Elem(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr);

// The words TRX_Elem books for NEL elements.
std::int64_t element_table_words(std::int32_t NEL);

}  // namespace velkan
