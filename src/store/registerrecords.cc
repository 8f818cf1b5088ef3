// The array register: type codes and the records of KEYRAF.
// Routines: ARINFO, ARUPDA, ARMSGO.
#include "store/registerrecords.h"

#include <algorithm>

#include "lineinput/charutil.h"
#include "platform/int32arith.h"

namespace velkan {
namespace {

struct TypeEntry {
  std::string_view name;
  std::int32_t code;
  bool g1, g2, g3;
};

constexpr TypeEntry kTypes[] = {
    {"STRU", 1, true, false, false},  {"REST", 2, false, false, true},
    {"POST", 3, false, true, false},  {"RS+S", 4, true, false, true},
    {"S+RS", 4, true, false, true},   {"S+PO", 5, true, true, false},
    {"PO+S", 5, true, true, false},   {"CTRL", 11, true, false, false},
    {"GLOB", 13, true, false, false}, {"EXCL", 50, true, false, false},
    {"-AR-", 51, true, false, false}, {"SKIP", 0, false, false, false},
    {"SCRA", 0, false, false, false},
};

void unknown(Units& io, std::int32_t lpu, std::string_view routine, std::string_view what,
             std::string_view code) {
  if (lpu <= 0) return;
  io.newline(lpu);
  io.write(lpu, "  *** ERROR IN " + std::string(routine) + " ***");
  io.write(lpu, "      " + std::string(what) + std::string(code));
  io.write(lpu, "      LEAVING " + std::string(routine));
  io.newline(lpu);
  io.newline(lpu);
  io.newline(lpu);
}

// Decodes both codes; false (reported, status decremented) when one is unknown.
bool decode(Units& io, std::string_view routine, std::string_view type, std::string_view dtype,
            std::int32_t lpu, std::int32_t& status, ArrayType& at, DataType& dt) {
  dt = data_type(dtype);
  if (!dt.known) {
    unknown(io, lpu, routine, "UNKNOWN STORE-INFO:", dtype.substr(0, 2));
    decrement(status);
    return false;
  }
  at = array_type(type);
  if (!at.known) {
    unknown(io, lpu, routine, "UNKNOWN ARRAY-TYPE:", type.substr(0, 4));
    decrement(status);
    return false;
  }
  return true;
}

// Word w (1-based) of record `number`, or nullptr outside the records.
std::int32_t* field(IntSpan records, std::int32_t number, std::int32_t record_length, int w) {
  const std::int64_t i = static_cast<std::int64_t>(number - 1) * record_length + w - 1;
  if (number < 1 || i < 0 || i >= static_cast<std::int64_t>(records.size())) return nullptr;
  return &records[static_cast<std::size_t>(i)];
}

void set(IntSpan records, std::int32_t number, std::int32_t record_length, int w, std::int32_t v) {
  if (std::int32_t* p = field(records, number, record_length, w)) *p = v;
}

}  // namespace

ArrayType array_type(std::string_view type) {
  type = type.substr(0, 4);
  for (const TypeEntry& e : kTypes) {
    if (e.name == type) return ArrayType{true, e.code, {e.g1, e.g2, e.g3}};
  }
  return {};
}

DataType data_type(std::string_view type) {
  type = type.substr(0, 2);
  if (type == "IN") return {true, 1, 1, false};
  if (type == "SP") return {true, 2, 1, false};
  if (type == "RE") return {true, 3, 2, true};
  if (type == "DP") return {true, 3, 2, false};
  return {};
}

void ARINFO(Units& io, IntSpan records, std::int32_t number, std::string_view type,
            std::string_view dtype, std::int32_t count, std::int32_t words,
            std::int32_t record_length, std::span<const std::int32_t, 3> groups, std::int32_t pos,
            std::int32_t lpu, std::int32_t& status) {
  ArrayType at;
  DataType dt;
  if (!decode(io, "ARINFO", type, dtype, lpu, status, at, dt)) return;
  set(records, number, record_length, 1, dt.storage);
  set(records, number, record_length, 2, words);
  set(records, number, record_length, 3, count);
  set(records, number, record_length, 4, at.code);
  if (at.code != 0) {
    for (int g = 0; g < 3; ++g)
      set(records, number, record_length, 5 + g, groups[static_cast<std::size_t>(g)]);
  }
  set(records, number, record_length, 8, dt.real ? 1 : 0);
  if (type.substr(0, 4) != "SCRA") set(records, number, record_length, 10, pos);
}

void ARUPDA(Units& io, IntSpan records, std::int32_t number, std::string_view type,
            std::string_view dtype, std::int32_t count, std::int32_t words,
            std::int32_t record_length, std::int32_t pos, std::int32_t lpu, std::int32_t& status) {
  ArrayType at;
  DataType dt;
  if (!decode(io, "ARUPDA", type, dtype, lpu, status, at, dt)) return;
  set(records, number, record_length, 3, count);
  if (at.code == 0) {
    set(records, number, record_length, 1, dt.storage);
    set(records, number, record_length, 2, words);
    set(records, number, record_length, 4, 0);
    set(records, number, record_length, 8, dt.real ? 1 : 0);
  }
  if (type.substr(0, 4) != "SCRA") set(records, number, record_length, 10, pos);
}

void ARMSGO(Units& io, std::int32_t lpu, std::int32_t msg_status, std::string_view text,
            std::string_view mode) {
  (void)msg_status;
  (void)mode;
  if (lpu < 1) return;
  text = trimmed(text);
  std::size_t start = 0;
  for (;;) {
    const std::size_t nl = text.find('\n', start);
    io.write(lpu, text.substr(start, nl == std::string_view::npos ? nl : nl - start));
    if (nl == std::string_view::npos) break;
    start = nl + 1;
  }
}

}  // namespace velkan
