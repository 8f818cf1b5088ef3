// Marking for the coarser mesh (MRKSKP): along each segment of a riser every
// nSkip consecutive two-node elements become one.
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
// segment's elements as they are. A hinge element (MHINGE 1) is never grouped:
// the group before it ends where it begins, it is kept as it is, and the next
// group starts after it. The stretched connectivity is built in the
// scratch MSCRA and copied into MNPC at the end. Fails with status -1 when a
// segment end is not a model node (no message), when its first node is held by
// other than one or two elements (" Illegal no of elem:" on the console), when
// no walk from its first node reaches its last node (an error block on LTO
// naming the FlexCom nodes), or when the arrays do not fit NEL and NNP; MNPC
// is then unchanged.
void MRKSKP(Units& io, std::int32_t NSEG, ConstIntSpan SEGMENTS, std::int32_t NEL, std::int32_t NNP,
            IntSpan MNPC, ConstIntSpan MPMNPC, ConstIntSpan MNPEX, ConstIntSpan MELEX,
            ConstIntSpan MHINGE, IntSpan MSKPEL, IntSpan MSCRA, int LTO, std::int32_t& status);

}  // namespace velkan
