// Creating the array register right after the DMS is opened.
// Routines: ARINIT.
#include "store/registersetup.h"

#include <array>
#include <string>

#include "lineinput/charutil.h"
#include "platform/int32arith.h"
#include "platform/numfmt.h"
#include "store/arraylookup.h"
#include "store/dmsallocation.h"
#include "store/dmsnames.h"
#include "store/dmssetup.h"
#include "store/registerrecords.h"
#include "store/vectorfill.h"

namespace velkan {
namespace {

constexpr std::string_view kRegisterNames[3] = {"NUMRAF", "KEYRAF", "IARRNM"};

void report_too_few(Units& io, std::int32_t lpu, std::int32_t required, std::int32_t available) {
  if (lpu <= 0) return;
  io.newline(lpu);
  io.write(lpu, "  *** ERROR IN ARINIT ***");
  io.newline(lpu);
  io.write(lpu, "      DMS initiated with too few array_numbers ");
  io.write(lpu, Line().a("      Required : ").i(required, 8).str());
  io.write(lpu, Line().a("      Available: ").i(available, 8).str());
}

// Explicit numbering: every listed name becomes a known but unbooked array.
void define_placeholders(Units& io, WorkArray& wa, std::span<const std::string> names,
                         std::int32_t narrays) {
  for (std::int32_t k = 11; k <= narrays && static_cast<std::size_t>(k) <= names.size(); ++k) {
    const std::string_view nm = trimmed(names[static_cast<std::size_t>(k - 1)].substr(0, 8));
    if (!nm.empty()) DMSDFN(io, wa, nm, k, 0, 10, 0);
  }
}

void store_pair(Units& io, WorkArray& wa, Register& reg, std::string_view nm, std::int32_t k) {
  std::int32_t n1 = 0, n2 = 0;
  DMSNCV(io, wa, nm, 0, n1, n2);
  DMSNST(k, n1, n2, reg.IARRNM);
}

bool make_register(Units& io, WorkArray& wa, std::span<const std::string> names,
                   std::int32_t max_name_length, std::int32_t narrays, bool explicit_numbers,
                   std::int32_t required, std::int32_t lpu, std::int32_t& status) {
  const std::int64_t lengths[3] = {20, 10 * static_cast<std::int64_t>(required),
                                   2 * static_cast<std::int64_t>(required)};
  for (int i = 0; i < 3; ++i) {
    const std::int32_t number = explicit_numbers ? required - 2 + i : 0;
    DMSDFN(io, wa, kRegisterNames[i], number, static_cast<std::int32_t>(lengths[i]), 1, 0);
  }
  if (DMSSTA(wa) < 0) return false;
  Register reg;
  std::int32_t pos[3];
  for (int i = 0; i < 3; ++i) pos[i] = DMSPTR(io, wa, kRegisterNames[i], 0);
  if (DMSSTA(wa) < 0) return false;
  reg.NUMRAF = wa.ints(pos[0], lengths[0]);
  reg.KEYRAF = wa.ints(pos[1], lengths[1]);
  reg.IARRNM = wa.ints(pos[2], lengths[2]);
  IASET(reg.NUMRAF, 1, 20, 0);
  IASET(reg.KEYRAF, 1, lengths[1], 0);
  IASET(reg.IARRNM, 1, lengths[2], 0);
  reg.NUMRAF[0] = 1;
  reg.NUMRAF[6] = 10;
  reg.NUMRAF[7] = required;
  reg.NUMRAF[8] = max_name_length;
  reg.NUMRAF[9] = 100;
  for (int i = 0; i < 3; ++i) {
    reg.NUMRAF[0] = i + 1;
    const std::int32_t groups[3] = {reg.NUMRAF[0], reg.NUMRAF[1], reg.NUMRAF[2]};
    const std::int32_t number = DMSNUM(io, wa, kRegisterNames[i], 0);
    ARINFO(io, reg.KEYRAF, number, "-AR-", "IN", static_cast<std::int32_t>(lengths[i]), 1, 10,
           groups, pos[i], lpu, status);
  }
  if (explicit_numbers) {
    for (std::int32_t k = 11; k <= narrays && static_cast<std::size_t>(k) <= names.size(); ++k) {
      const std::string_view nm = trimmed(names[static_cast<std::size_t>(k - 1)].substr(0, 8));
      if (!nm.empty()) store_pair(io, wa, reg, nm, k);
    }
  }
  for (const std::string_view nm : kRegisterNames)
    store_pair(io, wa, reg, nm, DMSNUM(io, wa, nm, 0));
  return DMSSTA(wa) >= 0;
}

}  // namespace

void ARINIT(Units& io, WorkArray& wa, std::span<const std::string> names, std::int32_t name_length,
            std::int32_t max_name_length, std::int32_t narrays, std::int32_t numbering,
            std::int32_t lpu, std::int32_t& status) {
  (void)name_length;
  bool ok = max_name_length <= 8;
  if (ok) {
    DMSANN(io, wa, numbering, 0, 0);
    ok = DMSSTA(wa) >= 0;
  }
  if (ok) {
    const std::int32_t required = narrays + 3;
    const std::int32_t available = DMSINF(wa, 1);
    if (available < required) {
      report_too_few(io, lpu, required, available);
      decrement(status);
      return;
    }
    const bool explicit_numbers = numbering == 0;
    if (explicit_numbers) define_placeholders(io, wa, names, narrays);
    ok = make_register(io, wa, names, max_name_length, narrays, explicit_numbers, required, lpu,
                       status);
  }
  if (!ok || status < 0) {
    status = -1;
    ARMSGO(io, lpu, -1, "*** ERROR IN ARINIT ***", "Store");
  }
}

}  // namespace velkan
