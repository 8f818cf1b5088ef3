// Hinge materials: one axial and one bending spring curve per conversion, and
// the spring references of the hinge elements' materials pointing to them.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

inline constexpr std::int32_t kSpringCurveType = 2;
// External numbers of the two curves above the material count.
inline constexpr std::int32_t kAxialCurveOffset = 10001;
inline constexpr std::int32_t kBendingCurveOffset = 10002;

// For every hinge element (MHINGE = 1) whose material MELMAT is a spring
// reference (type 3): the first one adds the curves NMA+1 (axial, +-KA) and
// NMA+2 (bending, +-KB) of type 2 and raises NMA by 2; the material's words
// 1..4 become NMA+1 and words 5..6 NMA+2. The curves take the external numbers
// NMA+10001 and NMA+10002; a number already held by a material is replaced by
// the next free number above the largest number in use (the axial curve's
// included). A hinge element whose material index lies outside 1..NMA, tables
// without room for the two curves, no free number left, or a stiffness that is
// not finite fail with status -1 and an error block on LPU before anything is
// changed.
void MKHING(Units& io, std::int32_t NEL, std::int32_t& NMA, double KA, RealSpan TMAPA,
            IntSpan MATYP, double KB, ConstIntSpan MELMAT, IntSpan MEXMAT, std::int32_t MXMAPR,
            ConstIntSpan MHINGE, int LPU, std::int32_t& status);

}  // namespace velkan
