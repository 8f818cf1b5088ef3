// Material section of the Vomar model file.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

// Writes the materials (MATERIAL Elastic, MISOIEP, SPRIFULL/SPRIDIAG,
// HYPELAST/ELPLCURV, MREF, MATERIAL CompS), one group per type code in
// ascending external number, from rows of MXMAPR reals. MSCRA is scratch of
// at least NMA entries. On failure the status is -1.
void UWRMAT(Units& io, std::int32_t NMA, std::int32_t MXMAPR, ConstIntSpan MEXMAT,
            ConstIntSpan MATYP, RealSpan TMAPA, IntSpan MSCRA, int unit, std::int32_t& status);

}  // namespace velkan
