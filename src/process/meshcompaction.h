// Applying the coarsening marks (SKPCHG): elements on no segment and nodes no
// element uses any more are removed from the model.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

// Removes the elements marked in MSKPEL and the nodes no kept element uses,
// listing them on LTO ("SKIPPED Elem:", then "SKIPPED NODE:"), compacts the
// element arrays (MHINGE included) and node arrays keeping their order, clears
// the freed tails, renumbers the element nodes and rebuilds the node-to-element
// lists (MXELNP per node). NEL and NNP become the counts kept. A failure of the
// rebuild lowers the status by one; arrays that do not fit NEL and NNP set it
// to -1 and change nothing.
void SKPCHG(Units& io, std::int32_t& NEL, std::int32_t& NNP, std::int32_t MXELNP,
            ConstIntSpan MSKPEL, IntSpan MELGEO, IntSpan MNPC, IntSpan MPMNPC, IntSpan MNPEX,
            IntSpan MELNP, IntSpan MNELNP, IntSpan MELEX, IntSpan MELTYP, IntSpan MELMAT,
            IntSpan MELLOC, IntSpan MELECC, IntSpan MHINGE, IntSpan NBOUN, RealSpan TCOORD, int LTO,
            std::int32_t& status);

}  // namespace velkan
