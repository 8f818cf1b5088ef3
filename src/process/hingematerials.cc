// Hinge materials.
// Routines: MKHING.
#include "process/hingematerials.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <unordered_set>

#include "platform/numfmt.h"
#include "process/errorreport.h"
#include "process/propertybuilder.h"
#include "store/indexchecks.h"

namespace velkan {
namespace {

constexpr std::int32_t kCurveWords = 12;

// A two-point linear spring curve through (-K, -1) and (K, 1).
void write_curve(RealSpan row, double k) {
  row[0] = 2.0;
  row[7] = 2.0;
  row[8] = -k;
  row[9] = -1.0;
  row[10] = k;
  row[11] = 1.0;
}

struct CurveNumbers {
  std::int32_t axial = 0;
  std::int32_t bending = 0;
};

// The curves' external numbers: NMA+10001 and NMA+10002 where free, otherwise
// one above the largest number in use.
std::optional<CurveNumbers> curve_numbers(ConstIntSpan mexmat, std::int32_t nma) {
  const std::unordered_set<std::int32_t> taken(mexmat.begin(), mexmat.end());
  std::int64_t largest = mexmat.empty() ? 0 : *std::max_element(mexmat.begin(), mexmat.end());
  const auto pick = [&](std::int64_t wanted, std::int64_t also_taken) -> std::int64_t {
    const bool free = wanted <= INT32_MAX && wanted != also_taken &&
                      !taken.contains(static_cast<std::int32_t>(wanted));
    const std::int64_t number = free ? wanted : largest + 1;
    largest = std::max(largest, number);
    return number;
  };
  const std::int64_t axial = pick(std::int64_t{nma} + kAxialCurveOffset, 0);
  const std::int64_t bending = pick(std::int64_t{nma} + kBendingCurveOffset, axial);
  if (axial > INT32_MAX || bending > INT32_MAX) return std::nullopt;
  return CurveNumbers{static_cast<std::int32_t>(axial), static_cast<std::int32_t>(bending)};
}

// Why the hinge materials cannot be made, or "" when they can.
std::string refusal(std::int32_t nel, std::int32_t nma, ConstIntSpan melmat, ConstIntSpan mhinge,
                    ConstIntSpan matyp, ConstIntSpan mexmat, RealSpan tmapa, std::int32_t mxmapr) {
  const std::int64_t room = std::int64_t{std::max(nma, 0)} + 2;
  if (nma < 0 || mxmapr < kCurveWords || !has_room(matyp.size(), room) ||
      !has_room(mexmat.size(), room) || !has_room(tmapa.size(), room * mxmapr) ||
      !has_room(melmat.size(), std::max(nel, 0)) || !has_room(mhinge.size(), std::max(nel, 0))) {
    return Line().a("   No room for the spring curves after materials:").i(nma, 10).str();
  }
  for (std::size_t e = 0; e < count_of(nel); ++e) {
    if (mhinge[e] == 1 && (melmat[e] < 1 || melmat[e] > nma)) {
      return Line()
          .a("   Material index")
          .i(melmat[e], 10)
          .a(" of hinge element")
          .i(static_cast<std::int64_t>(e) + 1, 10)
          .str();
    }
  }
  return {};
}

}  // namespace

void MKHING(Units& io, std::int32_t NEL, std::int32_t& NMA, double KA, RealSpan TMAPA,
            IntSpan MATYP, double KB, ConstIntSpan MELMAT, IntSpan MEXMAT, std::int32_t MXMAPR,
            ConstIntSpan MHINGE, int LPU, std::int32_t& status) {
  std::string why = refusal(NEL, NMA, MELMAT, MHINGE, MATYP, MEXMAT, TMAPA, MXMAPR);
  // The curves hold the stiffnesses as they are: a model file holds no number
  // that is not finite.
  if (why.empty() && !(std::isfinite(KA) && std::isfinite(KB))) {
    why = "   Spring stiffness not finite (NaN, Inf or beyond 1E308)";
  }
  std::optional<CurveNumbers> numbers;
  if (why.empty()) {
    numbers = curve_numbers(ConstIntSpan(MEXMAT).first(count_of(NMA)), NMA);
    if (!numbers) why = "   No free external number left for the spring curves";
  }
  if (!why.empty()) {
    report_error(io, LPU, "MKHING", {why});
    status = -1;
    return;
  }
  const auto row = [&](std::int32_t m) {
    return TMAPA.subspan(static_cast<std::size_t>(m - 1) * MXMAPR, MXMAPR);
  };
  std::int32_t axial = 0, bending = 0;
  for (std::size_t e = 0; e < count_of(NEL); ++e) {
    const std::int32_t m = MELMAT[e];
    if (MHINGE[e] != 1 || MATYP[static_cast<std::size_t>(m - 1)] != kSpringRefType) continue;
    if (axial == 0) {
      axial = NMA + 1;
      bending = NMA + 2;
      MEXMAT[static_cast<std::size_t>(axial - 1)] = numbers->axial;
      MEXMAT[static_cast<std::size_t>(bending - 1)] = numbers->bending;
      MATYP[static_cast<std::size_t>(axial - 1)] = kSpringCurveType;
      MATYP[static_cast<std::size_t>(bending - 1)] = kSpringCurveType;
      write_curve(row(axial), KA);
      write_curve(row(bending), KB);
      NMA += 2;
    }
    const RealSpan ref = row(m);
    for (std::size_t k = 0; k < 4; ++k) ref[k] = axial;
    for (std::size_t k = 4; k < 6; ++k) ref[k] = bending;
  }
}

}  // namespace velkan
