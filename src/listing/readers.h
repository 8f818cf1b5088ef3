// The listing readers, one pass over the listing each (after TRX_OPEN). Each
// finds its section, stores what it reads in named arrays of the store, writes
// its count lines on `lunout` (none when it is 0 or less) and sets `ierr` to -1
// when it fails.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/units.h"
#include "store/realspan.h"
#include "store/workarray.h"

namespace velkan {

// NEL, NNP and the fixed row lengths into MSTRU.
void TRX_Size(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr);
// MNPEX, NBOUN, TCOORD from "*** KINEMATIC VARIABLES ***".
void TRX_Node(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr);
// MELEX, MNPC, MPMNPC from "*** ELEMENT DATA ***".
void TRX_Elem(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr);
// ELPROP, MHINGE and the empty cross-section arrays from the property tables.
void TRX_Prop(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr);
// ELRES (three values per element) from the result table titled `title`.
void TRX_GtERes(Units& io, WorkArray& wa, std::string_view title, RealSpan elres, int lunin,
                int lunout, int lpu, std::int32_t& ierr);

}  // namespace velkan
