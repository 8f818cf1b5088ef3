// The coarser mesh: along each segment of a riser every nSkip consecutive
// two-node elements become one; elements on no segment and nodes no element
// uses any more are removed from the model.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

// Elements allowed at one node after coarsening.
inline constexpr std::int32_t kMaxElemsPerNode = 5;

// Marks elements to keep (MSKPEL 0) or remove (1) and stretches the first
// element of each group over the group. SEGMENTS holds NSEG rows (first node,
// last node, nSkip) of FlexCom node numbers; an nSkip of 1 or less keeps the
// segment's elements as they are. The stretched connectivity is built in the
// scratch MSCRA and copied into MNPC at the end. Fails with status -1 when a
// segment end is not a model node (no message), when its first node is held by
// other than one or two elements (" Illegal no of elem:" on the console), when
// no walk from its first node reaches its last node (an error block on LTO
// naming the FlexCom nodes), or when the arrays do not fit NEL and NNP; MNPC
// is then unchanged.
void MRKSKP(Units& io, std::int32_t NSEG, ConstIntSpan SEGMENTS, std::int32_t NEL, std::int32_t NNP,
            IntSpan MNPC, ConstIntSpan MPMNPC, ConstIntSpan MNPEX, ConstIntSpan MELEX,
            IntSpan MSKPEL, IntSpan MSCRA, int LTO, std::int32_t& status);

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
