// The DMS message writers (DMSER1, DMSER2): numbered errors and warnings under
// a header line.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/units.h"

namespace velkan {

// The two message writers. DMSER1 decrements `status` for codes below 50.
void DMSER1(Units& io, int code, std::string_view name, std::int32_t v1, std::int32_t v2,
            std::int32_t label, std::int32_t lpu, std::int32_t& status);
void DMSER2(Units& io, int code, std::int32_t v1, std::int32_t v2, std::int32_t v3,
            std::int32_t label, std::int32_t lpu);

}  // namespace velkan
