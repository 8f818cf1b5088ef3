// Generated sea-bed model appended to the Vomar model file.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/units.h"
#include "store/realspan.h"
#include "writer/seabednumbers.h"

namespace velkan {

// The external numbers of the sea-bed nodes, in store order: the nodes whose Z
// lies at or below `zmax` (within 1.0E-10).
std::vector<std::int32_t> seabed_nodes(double zmax, std::int32_t NNP, RealSpan TCOORD,
                                       ConstIntSpan MNPEX);

// Every sea-bed node gets, in store order, a spring to ground with its own
// spring references, hyperelastic curve and time-dependent material, numbered
// from the node's external number as `numbers` says; the shared time history
// and curve come first, a commented-out boundary change listing the sea-bed
// nodes last. The status is never changed.
void UWRSEA(Units& io, double zmax, std::int32_t NNP, RealSpan TCOORD, ConstIntSpan MNPEX,
            const SeabedNumbering& numbers, int unit, std::int32_t& status);

}  // namespace velkan
