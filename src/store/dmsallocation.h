// Arrays of the DMS defined by number (DMSDFA), their storage allocated
// (DMSALC), and their positions found by name (DMSPTR).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

void DMSDFA(Units& io, WorkArray& wa, std::int32_t number, std::int32_t dim, std::int32_t words,
            std::int32_t label, std::int32_t& status);
void DMSALC(Units& io, WorkArray& wa, std::int32_t number, std::int32_t& pos, std::int32_t label,
            std::int32_t& status);
std::int32_t DMSPTR(Units& io, WorkArray& wa, std::string_view name, std::int32_t label);

}  // namespace velkan
