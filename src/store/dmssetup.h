// Opening the DMS (DMSOPN), its numbering and naming options (DMSANN), and the
// header queries and column access (DMSINF, DMSSTA, DMSMOD, DMSGET, DMSPUT).
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

// Column selectors of DMSGET/DMSPUT: 6 dimension, 7 words per element,
// 8 start address, 9 and 10 the secondary-storage columns.
inline constexpr int kColDim = 6;
inline constexpr int kColWords = 7;
inline constexpr int kColStart = 8;

void DMSOPN(Units& io, WorkArray& wa, std::int32_t NWIWA, std::int32_t nla, std::int32_t isec,
            std::int32_t lpu, std::int32_t& status);
void DMSANN(Units& io, WorkArray& wa, std::int32_t numbering, std::int32_t name_option,
            std::int32_t label);
std::int32_t DMSINF(const WorkArray& wa, std::int32_t item);
std::int32_t DMSSTA(const WorkArray& wa);
std::int32_t DMSMOD(Units& io, WorkArray& wa);
std::int32_t DMSGET(const WorkArray& wa, int column, std::int32_t k);
void DMSPUT(WorkArray& wa, int column, std::int32_t k, std::int32_t value);

}  // namespace velkan
