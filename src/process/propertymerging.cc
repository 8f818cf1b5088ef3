// Merging of equal properties: the merge map, the console listing of what was
// merged, the element renumbering and the compaction of the table.
// Routines: RENPRP, ShriPrp01.
#include "process/propertymerging.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/consoleunits.h"
#include "platform/numfmt.h"
#include "process/errorreport.h"
#include "process/mergemap.h"
#include "store/indexchecks.h"

namespace velkan {
namespace {

constexpr std::string_view kDashes = " ---------------------------------------";
constexpr std::string_view kEquals = " =======================================";

void list_merge(Units& io, std::int32_t npr, std::int32_t nnew, ConstIntSpan imap,
                ConstIntSpan mexpr) {
  io.write(LTO, kDashes);
  io.write(LTO, Line().a(" Size before merge       : ").i(npr, 10).str());
  io.write(LTO, Line().a(" New size                : ").i(nnew, 10).str());
  if (nnew == npr) {
    io.write(LTO, " Unique Properties, no changes .........");
  } else {
    io.write(LTO, " ");
    io.write_detail(LTO, "   Property      is merged with ");
    for (std::size_t j = 0; j < count_of(npr); ++j) {
      if (imap[j] == 0) continue;
      const auto target = static_cast<std::size_t>(imap[j] - 1);
      io.write_detail(LTO, Line().i(mexpr[j], 10).x(6).i(mexpr[target], 10).str());
    }
  }
  io.write(LTO, kEquals);
  for (int k = 0; k < 3; ++k) io.newline(LTO);
}

// Moves every surviving row to the next free place from the start and clears
// the places freed at the end.
void compact(RealSpan prop, std::size_t width, std::size_t npr, ConstIntSpan imap, IntSpan mprtyp,
             IntSpan mexpr) {
  std::size_t next = 0;
  for (std::size_t i = 0; i < npr; ++i) {
    if (imap[i] != 0) continue;
    mexpr[next] = mexpr[i];
    mprtyp[next] = mprtyp[i];
    for (std::size_t k = 0; k < width; ++k) prop.set(next * width + k, prop.get(i * width + k));
    ++next;
  }
  std::fill(mexpr.begin() + static_cast<std::ptrdiff_t>(next),
            mexpr.begin() + static_cast<std::ptrdiff_t>(npr), 0);
  std::fill(mprtyp.begin() + static_cast<std::ptrdiff_t>(next),
            mprtyp.begin() + static_cast<std::ptrdiff_t>(npr), 0);
  prop.subspan(next * width, (npr - next) * width).fill(0.0);
}

// Why the arguments cannot be merged, or "" when they can.
std::string refusal(RealSpan prop, std::int32_t mxpr, std::int32_t npr, double tol,
                    std::int32_t nel, ConstIntSpan melpr, std::size_t row_arrays) {
  if (!(tol > 0.0)) return Line().a("   Merge tolerance is not positive:").e(tol, 12, 4).str();
  const std::int64_t rows = std::max(npr, 0);
  if (mxpr < 0 || !has_room(row_arrays, rows) || !has_room(prop.size(), rows * mxpr) ||
      !has_room(melpr.size(), std::max(nel, 0))) {
    return Line().a("   Arrays too short for properties:").i(npr, 10).str();
  }
  for (std::size_t e = 0; e < count_of(nel); ++e) {
    if (melpr[e] < 1 || melpr[e] > npr) {
      return Line()
          .a("   Property index")
          .i(melpr[e], 10)
          .a(" of element")
          .i(static_cast<std::int64_t>(e) + 1, 10)
          .str();
    }
  }
  return {};
}

// The row that finally takes row i (0-based): the end of its merge chain.
std::size_t survivor(ConstIntSpan imap, std::size_t i) {
  while (imap[i] != 0) i = static_cast<std::size_t>(imap[i] - 1);
  return i;
}

}  // namespace

double largest_merge_change(const RealSpan& PROP, std::int32_t MXPR, std::int32_t NPR,
                            ConstIntSpan IMAP) {
  const auto width = static_cast<std::size_t>(std::max(MXPR, 0));
  double largest = 0;
  for (std::size_t j = 0; j < count_of(NPR); ++j) {
    if (IMAP[j] == 0) continue;
    const std::size_t r = survivor(IMAP, j);
    for (std::size_t k = 0; k < width; ++k) {
      // Values below 1E-99 count as 0, as the equality of the merge takes them.
      const auto value = [](double v) { return std::abs(v) < 1e-99 ? 0.0 : v; };
      const double own = value(PROP.get(j * width + k)), kept = value(PROP.get(r * width + k));
      if (own == kept) continue;
      const double change = own == 0 ? 1.0 : std::abs(kept - own) / std::abs(own);
      largest = std::max(largest, change);
    }
  }
  return largest;
}

void RENPRP(std::int32_t NPR, ConstIntSpan IMAP, IntSpan ISCR, std::int32_t NEL, IntSpan MELPR) {
  if (NEL == 0) return;
  const std::size_t n = std::min({count_of(NPR), IMAP.size(), ISCR.size()});
  std::int32_t running = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (IMAP[i] == 0) ISCR[i] = ++running;
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (IMAP[i] == 0) continue;
    const bool below = IMAP[i] >= 1 && static_cast<std::size_t>(IMAP[i]) <= i;
    ISCR[i] = below ? ISCR[static_cast<std::size_t>(IMAP[i] - 1)] : 0;
  }
  const std::size_t nel = std::min(count_of(NEL), MELPR.size());
  for (std::size_t e = 0; e < nel; ++e) {
    const std::int32_t p = MELPR[e];
    if (p >= 1 && static_cast<std::size_t>(p) <= n)
      MELPR[e] = ISCR[static_cast<std::size_t>(p - 1)];
  }
}

void ShriPrp01(Units& io, RealSpan PROP, std::int32_t MXPR, std::int32_t& NPR, double TOL,
               std::int32_t NEL, IntSpan MELPR, IntSpan MPRTYP, IntSpan MEXPR, IntSpan IMAP,
               IntSpan ISCR, int LPU, std::int32_t& status, double* largest_change) {
  const std::size_t row_arrays = std::min({MPRTYP.size(), MEXPR.size(), IMAP.size(), ISCR.size()});
  const std::string why = refusal(PROP, MXPR, NPR, TOL, NEL, MELPR, row_arrays);
  if (!why.empty()) {
    report_error(io, LPU > 0 ? LPU : LTO, "ShriPrp01", {why});
    status = -1;
    return;
  }
  const std::size_t npr = count_of(NPR);
  MKPMAP(PROP, MXPR, static_cast<std::int32_t>(npr), TOL, IMAP);
  const auto nnew = static_cast<std::int32_t>(std::count(IMAP.begin(), IMAP.begin() + npr, 0));
  if (LPU > 0) list_merge(io, static_cast<std::int32_t>(npr), nnew, IMAP, MEXPR);
  if (largest_change) *largest_change = largest_merge_change(PROP, MXPR, NPR, IMAP);
  if (nnew == static_cast<std::int32_t>(npr)) return;
  RENPRP(static_cast<std::int32_t>(npr), IMAP, ISCR, NEL, MELPR);
  compact(PROP, static_cast<std::size_t>(MXPR), npr, IMAP, MPRTYP, MEXPR);
  NPR = nnew;
}

}  // namespace velkan
