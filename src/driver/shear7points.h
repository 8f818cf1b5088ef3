// The Shear7 point table (S7WRIT): tension and mass per length along the
// riser, normalised to a length coordinate from 0 to 1.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

// Writes NEL+1 points and the summary lines on `unit`. Fails (status -1, an
// error on `lpu` and the console, no points written) when the elements have no
// length in total, or when a value of a point would not be finite (a length
// coordinate, a scaled tension or a mass per length beyond 1E308); the error
// names the element by its FlexCom number from MELEX.
void S7WRIT(Units& io, std::int32_t nel, std::int32_t nnp, RealSpan elres, RealSpan elprop,
            std::int32_t mxgepr, double scale, RealSpan s7data, ConstIntSpan MELEX, int unit,
            int lpu, std::int32_t& status);

// True when every tension that S7WRIT writes, the smallest one included,
// stays finite multiplied by `scale`.
bool tensions_scale_finitely(std::int32_t nel, RealSpan elres, double scale);

}  // namespace velkan
