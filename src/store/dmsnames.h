// Array names in the DMS: encoding (DMSNCV), the name table (DMSFND, DMSNST),
// lookup (DMSNUM, DMSAIN) and definition by name (DMSDFN).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/units.h"
#include "store/realspan.h"
#include "store/workarray.h"

namespace velkan {

void DMSDFN(Units& io, WorkArray& wa, std::string_view name, std::int32_t number, std::int32_t dim,
            std::int32_t words, std::int32_t label);
std::int32_t DMSNUM(Units& io, WorkArray& wa, std::string_view name, std::int32_t label);
std::int32_t DMSAIN(Units& io, WorkArray& wa, std::string_view name, std::int32_t code);
void DMSNCV(Units& io, WorkArray& wa, std::string_view name, std::int32_t label, std::int32_t& n1,
            std::int32_t& n2);
std::int32_t DMSFND(ConstIntSpan table, std::int32_t n1, std::int32_t n2);
void DMSNST(std::int32_t number, std::int32_t n1, std::int32_t n2, IntSpan table);

}  // namespace velkan
