// The element property reader (TRX_Prop), one pass over the listing after
// TRX_OPEN. It writes its count lines on `lunout` and sets `ierr` to -1 when it
// fails.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

// ELPROP, MHINGE and the empty cross-section arrays from the property tables.
void TRX_Prop(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr);

// The words TRX_Prop books for NEL elements of MXGEPR property words,
// alignment included: three integer arrays of NEL, then TCRGEO and ELPROP of
// property_row_table_words each.
std::int64_t property_table_words(std::int32_t NEL, std::int32_t MXGEPR);
std::int64_t property_row_table_words(std::int32_t NEL, std::int32_t MXGEPR);

}  // namespace velkan
