// Booking a named array (ARBOOK): by name, array type and data type in one step.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/units.h"
#include "store/realspan.h"
#include "store/workarray.h"

namespace velkan {

void ARBOOK(Units& io, WorkArray& wa, std::string_view name, std::int32_t& pos, std::int64_t count,
            std::string_view type, std::string_view dtype, std::int32_t lpu, std::int32_t& status);

// ARBOOK without handing the array's pages to the page preparer: for an array
// of which the program uses only a part. Its pages are prepared as views reach
// them.
void book_unprepared(Units& io, WorkArray& wa, std::string_view name, std::int32_t& pos,
                     std::int64_t count, std::string_view type, std::string_view dtype,
                     std::int32_t lpu, std::int32_t& status);

}  // namespace velkan
