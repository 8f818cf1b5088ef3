// Cross-section and surface-geometry sections of the Vomar model file.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

// Writes the cross sections (PIPE, IHPROFIL, BOX, GENBEAM, PLTHICK, LSECTION,
// BUOYGEO, WINGPROF), one group per type code in ascending external number,
// from rows of MXGEPR reals. MSCRA and MSORT are scratch of at least NGE
// entries. On failure the status is -1.
void UWRGEO(Units& io, std::int32_t NGE, std::int32_t MXGEPR, ConstIntSpan MEXGEO,
            ConstIntSpan MGETYP, RealSpan TCRGEO, IntSpan MSCRA, IntSpan MSORT, int unit,
            std::int32_t& status);

// Writes the surface geometries in the same way (SurfPIPE and SurfBOX for codes
// 1 and 3, no wing profiles). Surface pipes whose number in MEXBCK is 0 (merged
// away) are left out without error.
void UWRSGe(Units& io, std::int32_t NSG, std::int32_t MXGEPR, ConstIntSpan MEXBCK,
            ConstIntSpan MSUTYP, RealSpan TSUGEO, IntSpan MSCRA, IntSpan MSORT, int unit,
            std::int32_t& status);

}  // namespace velkan
