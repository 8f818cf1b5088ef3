// Defining arrays by number (DMSDFA), allocating their storage (DMSALC), and
// positions by name (DMSPTR).
#include "store/dmsallocation.h"

#include <algorithm>

#include "platform/int32arith.h"
#include "store/dmsheader.h"
#include "store/dmsmessages.h"
#include "store/dmsnames.h"
#include "store/dmssetup.h"

namespace velkan {
namespace {

using dms::get;
using dms::put;

void count_error(WorkArray& wa, std::int32_t& status) {
  decrement(status);
  std::int32_t errors = get(wa, dms::kErrors);
  decrement(errors);
  put(wa, dms::kErrors, errors);
}

void report1(Units& io, WorkArray& wa, int code, std::string_view name, std::int32_t label) {
  std::int32_t errors = get(wa, dms::kErrors);
  DMSER1(io, code, name, 0, 0, label, get(wa, dms::kPrintUnit), errors);
  put(wa, dms::kErrors, errors);
}

std::int32_t position_of(std::int64_t start, std::int32_t words) {
  return static_cast<std::int32_t>((start - 1) / words + 1);
}

}  // namespace

void DMSDFA(Units& io, WorkArray& wa, std::int32_t number, std::int32_t dim, std::int32_t words,
            std::int32_t label, std::int32_t& status) {
  const std::int32_t lpu = get(wa, dms::kPrintUnit);
  int code = 0;
  if (number < 11 || number > dms::slots(wa)) {
    code = 11;
  } else if (words < 1 || words > 10) {
    code = 12;
  } else if (dim < 0) {
    code = 26;
  } else if (DMSGET(wa, kColStart, number) > 0) {
    code = 30;
  }
  if (code != 0) {
    if (code == 12) {
      DMSER2(io, code, words, number, 0, label, lpu);
    } else {
      DMSER2(io, code, number, 0, 0, label, lpu);
    }
    count_error(wa, status);
    return;
  }
  DMSPUT(wa, kColDim, number, dim);
  DMSPUT(wa, kColWords, number, words);
}

void DMSALC(Units& io, WorkArray& wa, std::int32_t number, std::int32_t& pos, std::int32_t label,
            std::int32_t& status) {
  const std::int32_t lpu = get(wa, dms::kPrintUnit);
  if (number < 11 || number > dms::slots(wa)) {
    DMSER2(io, 11, number, 0, 0, label, lpu);
    return count_error(wa, status);
  }
  const std::int32_t words = DMSGET(wa, kColWords, number);
  const std::int32_t dim = DMSGET(wa, kColDim, number);
  const std::int32_t start = DMSGET(wa, kColStart, number);
  if (words < 0 || dim < 0 || start < 0) {
    DMSER2(io, 13, 0, 0, 0, label, lpu);
    return count_error(wa, status);
  }
  if (words == 0) {
    DMSER2(io, 24, number, 0, 0, label, lpu);
    return count_error(wa, status);
  }
  if (start != 0) {
    DMSER2(io, 1, number, 0, 0, label, lpu);
    pos = position_of(start, words);
    return;
  }
  const std::int64_t nf = dms::item(wa, dms::kNextFree);
  const std::int64_t c = (nf - 1 + words - 1) / words;
  const std::int64_t s = c * words + 1;
  const std::int64_t end = s + static_cast<std::int64_t>(words) * dim + (dim == 0 ? 1 : 0);
  const std::int64_t NWIWA = dms::item(wa, dms::kSize);
  if (end > NWIWA + 1) {
    // The start address is recorded only for storage that fits, so an array that
    // did not get its storage is never handed out.
    const std::int64_t excess = std::min<std::int64_t>(end - NWIWA - 1, INT32_MAX);
    DMSER2(io, 14, static_cast<std::int32_t>(NWIWA), static_cast<std::int32_t>(excess), number,
           label, lpu);
    return count_error(wa, status);
  }
  DMSPUT(wa, kColStart, number, static_cast<std::int32_t>(s));
  pos = static_cast<std::int32_t>(c + 1);
  dms::set_item(wa, dms::kNextFree, static_cast<std::int32_t>(end));
  const std::int32_t mark = dms::item(wa, dms::kHighWater);
  dms::set_item(wa, dms::kHighWater, std::max(mark, static_cast<std::int32_t>(end - 1)));
}

std::int32_t DMSPTR(Units& io, WorkArray& wa, std::string_view name, std::int32_t label) {
  std::int32_t n1 = 0, n2 = 0;
  const std::int32_t before = DMSSTA(wa);
  DMSNCV(io, wa, name, label, n1, n2);
  if (DMSSTA(wa) != before) {
    report1(io, wa, 51, name, label);
    return 0;
  }
  const std::int32_t nt = dms::item(wa, dms::kNameTable);
  const IntSpan table =
      nt > 0 ? wa.ints(nt, 2 * static_cast<std::int64_t>(dms::slots(wa))) : IntSpan{};
  const std::int32_t k = DMSFND(table, n1, n2);
  const std::int32_t words = k >= 11 ? DMSGET(wa, kColWords, k) : 0;
  if (k < 11 || k > dms::table(wa, 3) || words <= 0) {
    report1(io, wa, 24, name, label);
    return 0;
  }
  const std::int32_t start = DMSGET(wa, kColStart, k);
  if (start != 0) {
    if (start < 0 || (start - 1) % words != 0) {
      report1(io, wa, 25, name, label);
      return 0;
    }
    return position_of(start, words);
  }
  std::int32_t pos = 0;
  std::int32_t status = 0;
  DMSALC(io, wa, k, pos, label, status);
  if (status != 0) {
    report1(io, wa, 51, name, label);
    return 0;
  }
  return pos;
}

}  // namespace velkan
