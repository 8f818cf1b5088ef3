// The coarser-mesh step of a Vomar conversion: the riser and segment dialogue,
// fixing the riser ends, and the coarsening itself.
#pragma once

#include "driver/conversion.h"
#include "driver/vomarmodel.h"

namespace velkan {

inline constexpr std::int32_t kMaxRisers = 10;
inline constexpr std::int32_t kMaxSegments = 200;

// Asks for the risers and segments and coarsens the model; NEL and NNP of the
// model shrink. False when the conversion has to stop.
bool coarsen_mesh(Conversion& c, VomarModel& m);

}  // namespace velkan
