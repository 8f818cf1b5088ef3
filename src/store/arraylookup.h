// Named arrays found (ARGTIP), cleared (ARZERO) and the free space measured
// (ARFREE); the three register arrays in the store located by name.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/units.h"
#include "store/realspan.h"
#include "store/workarray.h"

namespace velkan {

struct Register {
  IntSpan NUMRAF;  // 20 header words
  IntSpan KEYRAF;  // one record of `record_length` words per array number
  IntSpan IARRNM;  // the name pair of each array number
  std::int32_t record_length = 10;
};

// False when a register array is missing (the DMS reports it).
bool locate_register(Units& io, WorkArray& wa, Register& reg);

std::int32_t ARGTIP(Units& io, WorkArray& wa, std::string_view name, std::int32_t lpu,
                    std::int32_t& status);
void ARZERO(Units& io, WorkArray& wa, std::string_view name, std::int32_t lpu,
            std::int32_t& status);
std::int32_t ARFREE(const WorkArray& wa);

}  // namespace velkan
