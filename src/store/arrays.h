// Named arrays: booking by name, array type and data type in one step, lookup
// by name, clearing, and the register of every booked array (NUMRAF, KEYRAF,
// IARRNM), itself kept in the store.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/units.h"
#include "store/realspan.h"
#include "store/workarray.h"

namespace velkan {

// Register codes of an array type ("STRU", "SCRA", ...) and its group counters.
struct ArrayType {
  bool known = false;
  std::int32_t code = 0;
  bool groups[3] = {false, false, false};
};
ArrayType array_type(std::string_view type);

// Storage code, words per element and "RE" flag of a data type ("IN", "RE", ...).
struct DataType {
  bool known = false;
  std::int32_t storage = 0;
  std::int32_t words = 0;
  bool real = false;
};
DataType data_type(std::string_view type);

// `names`: the array names of explicit numbering (entry k-1 for array k);
// empty for implicit numbering.
void ARINIT(Units& io, WorkArray& wa, std::span<const std::string> names, std::int32_t name_length,
            std::int32_t max_name_length, std::int32_t narrays, std::int32_t numbering,
            std::int32_t lpu, std::int32_t& status);
void ARBOOK(Units& io, WorkArray& wa, std::string_view name, std::int32_t& pos, std::int64_t count,
            std::string_view type, std::string_view dtype, std::int32_t lpu, std::int32_t& status);
std::int32_t ARGTIP(Units& io, WorkArray& wa, std::string_view name, std::int32_t lpu,
                    std::int32_t& status);
void ARZERO(Units& io, WorkArray& wa, std::string_view name, std::int32_t lpu,
            std::int32_t& status);
void ARINFO(Units& io, IntSpan records, std::int32_t number, std::string_view type,
            std::string_view dtype, std::int32_t count, std::int32_t words,
            std::int32_t record_length, std::span<const std::int32_t, 3> groups, std::int32_t pos,
            std::int32_t lpu, std::int32_t& status);
void ARUPDA(Units& io, IntSpan records, std::int32_t number, std::string_view type,
            std::string_view dtype, std::int32_t count, std::int32_t words,
            std::int32_t record_length, std::int32_t pos, std::int32_t lpu, std::int32_t& status);
std::int32_t ARFREE(const WorkArray& wa);
void ARMSGO(Units& io, std::int32_t lpu, std::int32_t msg_status, std::string_view text,
            std::string_view mode);

}  // namespace velkan
