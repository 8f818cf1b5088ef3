// The array register's records: type codes of array types and data types, and
// the records of KEYRAF written (ARINFO) and updated (ARUPDA); the register's
// messages (ARMSGO).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/units.h"
#include "store/realspan.h"

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

void ARINFO(Units& io, IntSpan records, std::int32_t number, std::string_view type,
            std::string_view dtype, std::int32_t count, std::int32_t words,
            std::int32_t record_length, std::span<const std::int32_t, 3> groups, std::int32_t pos,
            std::int32_t lpu, std::int32_t& status);
void ARUPDA(Units& io, IntSpan records, std::int32_t number, std::string_view type,
            std::string_view dtype, std::int32_t count, std::int32_t words,
            std::int32_t record_length, std::int32_t pos, std::int32_t lpu, std::int32_t& status);
void ARMSGO(Units& io, std::int32_t lpu, std::int32_t msg_status, std::string_view text,
            std::string_view mode);

}  // namespace velkan
