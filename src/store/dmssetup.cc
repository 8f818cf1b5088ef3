// Opening the DMS, the name table, and the header queries.
// Routines: DMSOPN, DMSANN, DMSINF, DMSSTA, DMSMOD, DMSGET, DMSPUT.
#include "store/dmssetup.h"

#include "platform/int32arith.h"
#include "platform/numfmt.h"
#include "store/dmsheader.h"
#include "store/dmsmessages.h"

namespace velkan {
namespace {

using dms::get;
using dms::put;

void report_open_failure(Units& io, std::int32_t NWIWA, std::int32_t nla, std::int32_t lpu) {
  if (lpu <= 0) return;
  io.newline(lpu);
  io.newline(lpu);
  io.newline(lpu);
  io.write(lpu, " *** ERROR RETURN - K O R LIBRARY ROUTINE DMSOPN ***");
  io.write(lpu, Line().a("     ILLEGAL PARAMETER(S) : NWIWA, NLA  =").i(NWIWA, 8).i(nla, 8).str());
}

void fill_header(WorkArray& wa, std::int32_t m, bool secondary, std::int32_t ncm,
                 std::int32_t NWIWA, std::int32_t lpu, bool cleared) {
  put(wa, 1, 2 * m);
  put(wa, 2, ncm - 1);
  put(wa, dms::kErrors, 0);
  put(wa, dms::kPrintUnit, lpu);
  put(wa, dms::kNotCleared, cleared ? 0 : 1);
  for (int k = 6; k <= 8; ++k) put(wa, k, m);
  for (int k = 6; k <= 8; ++k) put(wa, m + k, 1);
  const std::int32_t col3 = 2 * m;
  put(wa, col3 + dms::kNextFree, ncm);
  put(wa, col3 + dms::kSize, NWIWA);
  put(wa, col3 + dms::kHighWater, ncm);
  put(wa, col3 + 4, 0);
  put(wa, col3 + dms::kNameTable, 0);
  put(wa, col3 + 6, 1);
  put(wa, col3 + 7, m + 1);
  put(wa, col3 + 8, 2 * m + 1);
  if (secondary) {
    put(wa, 9, m);
    put(wa, 10, m);
    put(wa, m + 9, 1);
    put(wa, m + 10, 1);
    put(wa, col3 + 9, 3 * m + 1);
    put(wa, col3 + 10, 4 * m + 1);
  }
}

}  // namespace

void DMSOPN(Units& io, WorkArray& wa, std::int32_t NWIWA, std::int32_t nla, std::int32_t isec,
            std::int32_t lpu, std::int32_t& status) {
  const bool secondary = isec != 0;
  const std::int64_t m = nla < 0 ? -static_cast<std::int64_t>(nla) : nla;
  const std::int64_t ncm = (secondary ? 5 : 3) * m + 1;
  if (NWIWA > wa.size()) NWIWA = wa.size();
  if (m < 11 || NWIWA < ncm) {
    std::int32_t errors = get(wa, dms::kErrors);
    decrement(errors);
    put(wa, dms::kErrors, errors);
    decrement(status);
    report_open_failure(io, NWIWA, nla, lpu);
    return;
  }
  const bool clear_all = nla > 0;
  wa.clear(1, clear_all ? NWIWA : ncm);
  fill_header(wa, static_cast<std::int32_t>(m), secondary, static_cast<std::int32_t>(ncm), NWIWA,
              lpu, clear_all);
}

void DMSANN(Units& io, WorkArray& wa, std::int32_t numbering, std::int32_t name_option,
            std::int32_t label) {
  const std::int32_t m = dms::slots(wa);
  std::int32_t errors = get(wa, dms::kErrors);
  const std::int32_t lpu = get(wa, dms::kPrintUnit);
  const std::int64_t nf = dms::item(wa, dms::kNextFree);
  if (get(wa, 1) != 2 * static_cast<std::int64_t>(m) ||
      nf > 3 * static_cast<std::int64_t>(m) + 1 + 2 * static_cast<std::int64_t>(get(wa, 9))) {
    DMSER1(io, 14, {}, 0, 0, label, lpu, errors);
    put(wa, dms::kErrors, errors);
    return;
  }
  const std::int64_t next = nf + 2 * static_cast<std::int64_t>(m);
  const std::int64_t excess = next - 1 - dms::item(wa, dms::kSize);
  if (excess > 0) {
    DMSER1(io, 15, {}, static_cast<std::int32_t>(excess), 0, label, lpu, errors);
    put(wa, dms::kErrors, errors);
    return;
  }
  dms::set_item(wa, dms::kNameTable, static_cast<std::int32_t>(nf));
  dms::set_item(wa, dms::kNextFree, static_cast<std::int32_t>(next));
  if (get(wa, dms::kNotCleared) == 1)
    wa.clear(static_cast<std::int32_t>(nf), 2 * static_cast<std::int64_t>(m));
  if (numbering == 1) dms::set_table(wa, 1, 11);
  dms::set_table(wa, 2, name_option);
  dms::set_table(wa, 3, 10);
  put(wa, 2, get(wa, 2) + 2 * m);
}

std::int32_t DMSINF(const WorkArray& wa, std::int32_t item) {
  const bool named = dms::item(wa, dms::kNameTable) > 0;
  switch (item) {
    case 1:
      return dms::slots(wa);
    case 2:
      return get(wa, dms::kPrintUnit);
    case 3:
      return get(wa, dms::kNotCleared);
    case 4:
      return dms::item(wa, dms::kNextFree);
    case 5:
      return dms::item(wa, dms::kSize);
    case 6:
      return dms::item(wa, dms::kHighWater);
    case 7:
    case 8:
    case 9:
      return named ? dms::table(wa, item - 6) : 0;
    default:
      return 0;
  }
}

std::int32_t DMSSTA(const WorkArray& wa) {
  return get(wa, dms::kErrors);
}

std::int32_t DMSMOD(Units& io, WorkArray& wa) {
  std::int32_t mode = get(wa, dms::kSecondary) > 0 ? 10 : 0;
  const bool named = dms::item(wa, dms::kNameTable) > 0;
  const std::int32_t next_number = named ? dms::table(wa, 1) : 0;
  if (get(wa, dms::kSecondary) < 0 || (named && next_number != 0 && next_number <= 10)) {
    DMSER2(io, 13, 0, 0, 0, 0, get(wa, dms::kPrintUnit));
    std::int32_t errors = get(wa, dms::kErrors);
    decrement(errors);
    put(wa, dms::kErrors, errors);
    return mode;
  }
  if (!named) return mode + 3;
  return mode + (next_number > 10 ? 1 : 2);
}

std::int32_t DMSGET(const WorkArray& wa, int column, std::int32_t k) {
  const std::int64_t start = get(wa, get(wa, 1) + static_cast<std::int64_t>(column));
  return get(wa, start + k - 1);
}

void DMSPUT(WorkArray& wa, int column, std::int32_t k, std::int32_t value) {
  const std::int64_t start = get(wa, get(wa, 1) + static_cast<std::int64_t>(column));
  put(wa, start + k - 1, value);
}

}  // namespace velkan
