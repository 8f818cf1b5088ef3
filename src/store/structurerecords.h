// Structure parameters: the model's named integer counters (NNP, NEL, MXGEPR,
// NMA, ...) kept in one integer record, MSTRU, and read and written by name.
// A record whose first word is negative keeps its names in an identifier map
// inside itself; any other record is laid out by a fixed table of 200 names.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/clock.h"
#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

void STROPN(Units& io, IntSpan record, std::int32_t length, std::int32_t case_option,
            std::int32_t addon_option, std::int32_t lpu, std::int32_t& status);
std::int32_t GTSTRU(Units& io, IntSpan record, std::string_view name, std::int32_t lpu,
                    std::int32_t& status);
void PTSTRU(Units& io, IntSpan record, std::string_view name, std::int32_t value, std::int32_t lpu,
            std::int32_t& status);

// The creation date and time codes of a record made at `t`.
std::int32_t stru_date_code(const LocalTime& t);
std::int32_t stru_time_code(const LocalTime& t);

}  // namespace velkan
