// The model size scan (TRX_Size), one pass over the listing after TRX_OPEN. Like
// every listing reader it writes its count lines on `lunout` (none when the
// count is 0 or less) and sets `ierr` to -1 when it fails.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

// NEL, NNP and the fixed row lengths into MSTRU.
void TRX_Size(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr);

}  // namespace velkan
