// The Shear7 point table (S7WRIT): tension and mass per length along the
// riser, normalised to a length coordinate from 0 to 1.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

// Writes NEL+1 points and the summary lines on `unit`. Fails (status -1, an
// error on `lpu` and the console, no points written) when the elements have no
// length in total.
void S7WRIT(Units& io, std::int32_t nel, std::int32_t nnp, RealSpan elres, RealSpan elprop,
            std::int32_t mxgepr, double scale, RealSpan s7data, int unit, int lpu,
            std::int32_t& status);

}  // namespace velkan
