// Structure-parameter records (STROPN, GTSTRU, PTSTRU): formatting, and parameters read and written
// by name.
#include "store/structurerecords.h"

#include <string>

#include "lineinput/charutil.h"
#include "platform/int32arith.h"
#include "store/idmap.h"
#include "store/structureindex.h"
#include "store/vectorfill.h"

namespace velkan {
namespace {

bool identifier_form(ConstIntSpan rec) {
  return !rec.empty() && rec[0] < 0;
}

// The identifier map of an identifier-form record starts at word a+1.
IntSpan id_map(IntSpan rec) {
  const std::int64_t a = rec.size() > 1 ? rec[1] : 0;
  if (a < 1 || a >= static_cast<std::int64_t>(rec.size())) return {};
  return rec.subspan(static_cast<std::size_t>(a));
}

std::int32_t addon_option(IntSpan rec) {
  const IntSpan map = id_map(rec);
  return map.size() > 4 ? map[4] : 0;
}

// Word number of a parameter, 0 when it has none.
std::int32_t find_parameter(Units& io, IntSpan rec, std::string_view name) {
  if (identifier_form(rec)) return IDXIST(io, id_map(rec), name);
  return STRIDX(padded(name, 6));
}

void not_found(Units& io, std::string_view routine, std::string_view name, std::int32_t lpu) {
  if (lpu <= 0) return;
  io.newline(lpu);
  io.write(lpu, "  *** ERROR IN " + std::string(routine) + " ***");
  io.write(lpu, "      PARAMETER NOT FOUND:" + std::string(name));
  io.write(lpu, "      LEAVING " + std::string(routine));
  io.newline(lpu);
  io.newline(lpu);
  io.newline(lpu);
}

}  // namespace

std::int32_t stru_date_code(const LocalTime& t) {
  const int yy = t.year % 100;
  const int year = yy < 89 ? 2000 + yy : 1900 + yy;
  return (year - 1950) * 10000 + t.month * 100 + t.day;
}

std::int32_t stru_time_code(const LocalTime& t) {
  return t.hour * 10000 + t.minute * 100 + t.second;
}

void STROPN(Units& io, IntSpan record, std::int32_t length, std::int32_t case_option,
            std::int32_t addon_option, std::int32_t lpu, std::int32_t& status) {
  const std::int32_t a = (length - 10) / 3;
  auto fail = [&] {
    if (lpu > 0) {
      io.newline(lpu);
      io.write(lpu, "  *** ERROR IN STROPN ***");
    }
    decrement(status);
  };
  if (a <= 1 || static_cast<std::size_t>(length) > record.size()) return fail();
  const IntSpan rec = record.first(static_cast<std::size_t>(length));
  IASET(rec, 1, length, 0);
  const LocalTime now = local_time_now();
  rec[0] = -1;
  rec[1] = a;
  rec[2] = stru_date_code(now);
  rec[3] = stru_time_code(now);
  const IntSpan map = rec.subspan(static_cast<std::size_t>(a));
  map[0] = a;
  map[1] = lpu;
  map[2] = 0;
  map[3] = case_option;
  map[4] = addon_option;
  std::int32_t number = 0;
  IDADD(io, map, "ISTTYP  ", number);
  number = 0;
  IDADD(io, map, "MXSTRU  ", number);
  if (number != 2) return fail();
  IDADD(io, map, "IOPxyz", number = 0);
  IDADD(io, map, "IOPyzx", number = 0);
}

std::int32_t GTSTRU(Units& io, IntSpan record, std::string_view name, std::int32_t lpu,
                    std::int32_t& status) {
  const std::int32_t k = find_parameter(io, record, name);
  if (k >= 1 && static_cast<std::size_t>(k) <= record.size())
    return record[static_cast<std::size_t>(k - 1)];
  if (identifier_form(record) && addon_option(record) == 0) {
    not_found(io, "GTSTRU", name, lpu);
    decrement(status);
  }
  return 0;
}

void PTSTRU(Units& io, IntSpan record, std::string_view name, std::int32_t value, std::int32_t lpu,
            std::int32_t& status) {
  std::int32_t k = find_parameter(io, record, name);
  if (k < 1 && identifier_form(record) && addon_option(record) != 0 && LASTNB(name) > 0) {
    IDADD(io, id_map(record), padded(name, 8), k = 0);
  }
  if (k >= 1 && static_cast<std::size_t>(k) <= record.size()) {
    record[static_cast<std::size_t>(k - 1)] = value;
    return;
  }
  not_found(io, "PTSTRU", name, lpu);
  decrement(status);
}

}  // namespace velkan
