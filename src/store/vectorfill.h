// Filling and copying integer and real vectors (IASET, DASET, IACOPY), never
// past the end of the span given.
#pragma once

#include <cstdint>

#include "store/realspan.h"

namespace velkan {

// The first rows*cols values of `v` set to `value`.
void IASET(IntSpan v, std::int64_t rows, std::int64_t cols, std::int32_t value);
void DASET(RealSpan v, std::int64_t rows, std::int64_t cols, double value);
// The first `count` values of `from` copied into `to`.
void IACOPY(ConstIntSpan from, IntSpan to, std::int64_t count);

}  // namespace velkan
