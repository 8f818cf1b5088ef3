// The node reader (TRX_Node), one pass over the listing after TRX_OPEN. It
// writes its count line on `lunout` and sets `ierr` to -1 when it fails.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

// MNPEX, NBOUN, TCOORD from "*** KINEMATIC VARIABLES ***".
void TRX_Node(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr);

// The words TRX_Node books for NNP nodes, alignment included.
std::int64_t node_table_words(std::int32_t NNP);

}  // namespace velkan
