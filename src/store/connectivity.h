// Node-element connectivity: for every node the list of elements that use it,
// built by inverting the element-node lists (MNPC with its pointers MPMNPC).
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

// Builds MNELNP (elements per node, NNP words) and MELNP (MXELNP entries per
// node, node by node, rising element order, unused entries 0) from the first
// NEL elements of MNPC/MPMNPC. MELEX and MNPEX only name elements and nodes in
// messages. |LPU| is the message unit; a positive LPU also reports every node
// without elements and lowers the status by one for each. An illegal node, a
// node with more than MXELNP elements, element pointers outside MNPC or output
// arrays too short for NNP nodes set the status to -1; the lists are then left
// as far as they were built.
void MKELNP(Units& io, ConstIntSpan MNPC, ConstIntSpan MPMNPC, std::int32_t NEL, std::int32_t NNP,
            std::int32_t MXELNP, IntSpan MNELNP, IntSpan MELNP, ConstIntSpan MELEX,
            ConstIntSpan MNPEX, int LPU, std::int32_t& status);

}  // namespace velkan
