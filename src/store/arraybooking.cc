// Booking a named array: a new array is defined, allocated and registered; an
// array booked again with its own length and data type is simply looked up.
// Routines: ARBOOK.
#include "store/arraybooking.h"

#include <array>
#include <string>

#include "lineinput/charutil.h"
#include "platform/int32arith.h"
#include "store/arraylookup.h"
#include "store/dmsallocation.h"
#include "store/dmsnames.h"
#include "store/dmssetup.h"
#include "store/registerrecords.h"

namespace velkan {
namespace {

constexpr std::string_view kError = "*** ERROR IN ARBOOK ***";

struct Booking {
  Units& io;
  WorkArray& wa;
  std::string_view name;
  std::int32_t lpu;
  std::int32_t& status;

  void fail(const std::string& detail, std::int32_t msg_status = -1) {
    decrement(status);
    const std::string text =
        detail.empty() ? std::string(kError) : std::string(kError) + "\n" + detail;
    ARMSGO(io, lpu, msg_status, text, "Store");
  }
};

// Counts the new array in the group counters of its type.
void count_in_groups(Register& reg, const ArrayType& at) {
  for (std::size_t g = 0; g < 3; ++g) {
    if (at.groups[g]) ++reg.NUMRAF[g];
  }
}

// Records the booking in the register: a new array gets its record (and is
// cleared when the work array was not cleared at open); a known record is updated.
void register_booking(Booking& b, Register& reg, std::int32_t number, bool implicit, bool is_new,
                      std::int64_t count, std::string_view type, std::string_view dtype,
                      std::int32_t words, std::int32_t pos) {
  const std::int32_t rl = reg.record_length;
  const std::int64_t first = static_cast<std::int64_t>(number - 1) * rl;
  const bool has_record = number >= 1 && first >= 0 &&
                          first < static_cast<std::int64_t>(reg.KEYRAF.size()) &&
                          reg.KEYRAF[static_cast<std::size_t>(first)] != 0;
  const auto n = static_cast<std::int32_t>(count);
  if (has_record) {
    ARUPDA(b.io, reg.KEYRAF, number, type, dtype, n, words, rl, pos, b.lpu, b.status);
    return;
  }
  if (!is_new) return;
  if (implicit) {
    std::int32_t n1 = 0, n2 = 0;
    DMSNCV(b.io, b.wa, b.name, 0, n1, n2);
    DMSNST(number, n1, n2, reg.IARRNM);
  }
  const ArrayType at = array_type(type);
  count_in_groups(reg, at);
  const std::int32_t groups[3] = {reg.NUMRAF[0], reg.NUMRAF[1], reg.NUMRAF[2]};
  ARINFO(b.io, reg.KEYRAF, number, type, dtype, n, words, rl, groups, pos, b.lpu, b.status);
  if (DMSINF(b.wa, 3) == 0) ARZERO(b.io, b.wa, b.name, b.lpu, b.status);
}

// Books the array; a new one's pages go to the page preparer when `prepare`.
void book(Units& io, WorkArray& wa, std::string_view name, std::int32_t& pos, std::int64_t count,
          std::string_view type, std::string_view dtype, std::int32_t lpu, std::int32_t& status,
          bool prepare) {
  const std::string_view nm = trimmed(name);
  Booking b{io, wa, nm, lpu, status};
  const std::string nms(nm);
  pos = 0;
  Register reg;
  if (!locate_register(io, wa, reg)) return b.fail("");
  // An unknown array or data type is refused before anything is defined.
  const DataType dt = data_type(dtype);
  if (!dt.known || !array_type(type).known) {
    std::int32_t dummy = 0;
    ARINFO(io, {}, 0, type, dtype, 0, 0, reg.record_length, std::array<std::int32_t, 3>{}, 0, lpu,
           dummy);
    return b.fail("");
  }
  const std::int32_t mode = DMSMOD(io, wa);
  const bool implicit = mode == 1 || mode == 11;
  if (!implicit && mode != 2 && mode != 12) {
    return b.fail("DMS not prepared for Name Option  \nOccured during booking of: " + nms);
  }
  const std::int32_t d = DMSAIN(io, wa, nm, 1);
  std::int32_t v = DMSAIN(io, wa, nm, 2);
  const std::int32_t s = DMSAIN(io, wa, nm, 3);
  if (!implicit && d == 0 && s == 0 && v == 10) v = 0;  // a listed name not yet booked
  const std::int32_t w = dt.words;
  const bool existing = v >= 1;
  if (existing && v != w) return b.fail("Re-allocatng with new data-type for array: " + nms);
  if (existing && s != 0) {
    if (d != count) return b.fail("Re-allocatng with new lengthfor array: " + nms);
    pos = DMSPTR(io, wa, nm, 0);
    if (DMSSTA(wa) < 0) b.fail("");
    return;
  }
  if (count * w > ARFREE(wa)) return b.fail("Insufficient space for array " + nms, -101);
  const std::int32_t number = implicit && !existing ? 0 : DMSNUM(io, wa, nm, 0);
  DMSDFN(io, wa, nm, number, static_cast<std::int32_t>(count), w, 0);
  if (DMSSTA(wa) < 0) return b.fail("");
  pos = DMSPTR(io, wa, nm, 0);
  if (DMSSTA(wa) < 0) return b.fail("");
  register_booking(b, reg, DMSNUM(io, wa, nm, 0), implicit, !existing, count, type, dtype, w, pos);
  if (DMSSTA(wa) < 0) return b.fail("");
  // The system may hand out the array's pages while the program still reads.
  if (prepare) wa.expect_use(static_cast<std::int64_t>(pos - 1) * w + 1, count * w);
}

}  // namespace

void ARBOOK(Units& io, WorkArray& wa, std::string_view name, std::int32_t& pos, std::int64_t count,
            std::string_view type, std::string_view dtype, std::int32_t lpu, std::int32_t& status) {
  book(io, wa, name, pos, count, type, dtype, lpu, status, true);
}

void book_unprepared(Units& io, WorkArray& wa, std::string_view name, std::int32_t& pos,
                     std::int64_t count, std::string_view type, std::string_view dtype,
                     std::int32_t lpu, std::int32_t& status) {
  book(io, wa, name, pos, count, type, dtype, lpu, status, false);
}

}  // namespace velkan
