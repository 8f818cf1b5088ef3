// The three register arrays in the store, located by name.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"
#include "store/workarray.h"

namespace velkan {

struct Register {
  IntSpan numraf;  // 20 header words
  IntSpan keyraf;  // one record of `record_length` words per array number
  IntSpan iarrnm;  // the name pair of each array number
  std::int32_t record_length = 10;
};

// False when a register array is missing (the DMS reports it).
bool locate_register(Units& io, WorkArray& wa, Register& reg);

}  // namespace velkan
