// Finding, clearing and measuring named arrays; locating the register.
// Routines: ARGTIP, ARZERO, ARFREE.
#include "store/arraylookup.h"

#include <algorithm>
#include <string>

#include "lineinput/charutil.h"
#include "platform/int32arith.h"
#include "store/dmsallocation.h"
#include "store/dmsnames.h"
#include "store/dmssetup.h"

namespace velkan {

bool locate_register(Units& io, WorkArray& wa, Register& reg) {
  const std::int32_t NUMRAF = DMSPTR(io, wa, "NUMRAF", 0);
  const std::int32_t KEYRAF = DMSPTR(io, wa, "KEYRAF", 0);
  const std::int32_t IARRNM = DMSPTR(io, wa, "IARRNM", 0);
  if (NUMRAF == 0 || KEYRAF == 0 || IARRNM == 0) return false;
  reg.NUMRAF = wa.ints(NUMRAF, 20);
  if (reg.NUMRAF.size() < 20) return false;
  const std::int64_t records = std::max(reg.NUMRAF[7], 0);
  reg.record_length = reg.NUMRAF[6];
  reg.KEYRAF = wa.ints(KEYRAF, records * std::max(reg.record_length, 0));
  reg.IARRNM = wa.ints(IARRNM, 2 * records);
  return true;
}

std::int32_t ARGTIP(Units& io, WorkArray& wa, std::string_view name, std::int32_t lpu,
                    std::int32_t& status) {
  const std::string_view nm = trimmed(name);
  const std::int32_t d = DMSAIN(io, wa, nm, 1);
  const std::int32_t v = DMSAIN(io, wa, nm, 2);
  const std::int32_t s = DMSAIN(io, wa, nm, 3);
  std::string reason;
  if (v == 10 && d == 0) {
    reason = "*** Array not allocated : " + std::string(nm);
  } else if (s == 0) {
    reason = "*** Array is released   : " + std::string(nm);
  } else {
    const std::int32_t pos = DMSPTR(io, wa, nm, 0);
    if (DMSSTA(wa) >= 0) return pos;
  }
  decrement(status);
  if (lpu > 5) {
    io.newline(lpu);
    io.write(lpu, "  *** ERROR IN ARGTIP ***");
    if (!reason.empty()) io.write(lpu, "      " + reason);
  }
  return 0;
}

void ARZERO(Units& io, WorkArray& wa, std::string_view name, std::int32_t lpu,
            std::int32_t& status) {
  const std::string_view nm = trimmed(name);
  const std::int64_t d = DMSAIN(io, wa, nm, 1);
  const std::int64_t v = DMSAIN(io, wa, nm, 2);
  const std::int32_t s = DMSAIN(io, wa, nm, 3);
  if (v >= 1 && d > 0 && s > 0) wa.clear(s, d * v);
  if (DMSSTA(wa) < 0) {
    if (lpu > 0) {
      io.newline(lpu);
      io.write(lpu, "  *** ERROR IN ARZERO ***");
    }
    decrement(status);
  }
}

std::int32_t ARFREE(const WorkArray& wa) {
  const std::int64_t free = static_cast<std::int64_t>(DMSINF(wa, 5)) - DMSINF(wa, 4) + 1;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(free, INT32_MIN, INT32_MAX));
}

}  // namespace velkan
