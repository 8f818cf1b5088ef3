// The element result reader (TRX_GtERes), one pass over the listing after
// TRX_OPEN. It writes its count line on `lunout` and sets `ierr` to -1 when it
// fails.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/units.h"
#include "store/realspan.h"
#include "store/workarray.h"

namespace velkan {

// ELRES (three values per element) from the result table titled `title`.
void TRX_GtERes(Units& io, WorkArray& wa, std::string_view title, RealSpan ELRES, int lunin,
                int lunout, int lpu, std::int32_t& ierr);

}  // namespace velkan
