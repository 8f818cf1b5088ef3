// Node section of the Vomar model file.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

// Writes the node header and one " NODE     " record per node in ascending
// external number: the number, X, Y, Z and, for a constrained node, its six
// boundary codes (codes 4 and 5 count as free; a node whose codes sum to 54
// is left out). MSORT receives the order list. On failure the status is -1.
void UWRNOD(Units& io, std::int32_t NNP, ConstIntSpan MNPEX, RealSpan TCOORD, ConstIntSpan NBOUN,
            IntSpan MSORT, int unit, std::int32_t& status);

}  // namespace velkan
