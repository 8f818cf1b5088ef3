// Node-element connectivity: one pass over the elements appends each element to
// the lists of its nodes, so every list comes out in rising element order.
// Routines: MKELNP.
#include "store/connectivity.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/int32arith.h"
#include "platform/numfmt.h"
#include "store/indexchecks.h"

namespace velkan {
namespace {

// The head of a stopping error: an empty line, the routine line, two empty lines.
void error_head(Units& io, int unit) {
  io.newline(unit);
  io.write(unit, "  *** ERROR IN MKELNP ***");
  io.newline(unit);
  io.newline(unit);
}

}  // namespace

void MKELNP(Units& io, ConstIntSpan MNPC, ConstIntSpan MPMNPC, std::int32_t NEL, std::int32_t NNP,
            std::int32_t MXELNP, IntSpan MNELNP, IntSpan MELNP, ConstIntSpan MELEX,
            ConstIntSpan MNPEX, int LPU, std::int32_t& status) {
  const int unit = LPU >= 0 ? LPU : (LPU == INT_MIN ? 0 : -LPU);  // no overflow at INT_MIN
  const std::int64_t nel = std::max(NEL, 0);
  const std::int64_t nnp = std::max(NNP, 0);
  const std::int64_t limit = std::max(MXELNP, 0);
  if (!has_room(MNELNP.size(), nnp) || !has_room(MELNP.size(), limit * nnp) ||
      !has_room(MPMNPC.size(), nel + 1)) {
    error_head(io, unit);
    io.write(unit,
             Line().a("   Arrays too short for nodes/elements: ").i(NNP, 10).i(NEL, 10).str());
    status = -1;
    return;
  }
  std::fill_n(MNELNP.begin(), count_of(nnp), 0);
  std::fill_n(MELNP.begin(), count_of(limit * nnp), 0);

  for (std::int64_t i = 1; i <= nel; ++i) {
    const std::int64_t first = MPMNPC[count_of(i - 1)];
    const std::int64_t end = MPMNPC[count_of(i)];
    if (end > first && (first < 1 || !has_room(MNPC.size(), end - 1))) {
      error_head(io, unit);
      io.write(unit, Line()
                         .a("   Element ")
                         .i(entry_or_zero(MELEX, i), 10)
                         .a(" has node pointers outside the node list")
                         .str());
      status = -1;
      return;
    }
    for (std::int64_t p = first; p < end; ++p) {
      const std::int32_t g = MNPC[count_of(p - 1)];
      if (g < 1 || g > NNP) {
        error_head(io, unit);
        io.write(unit, Line()
                           .a("   Element ")
                           .i(entry_or_zero(MELEX, i), 10)
                           .a(" connected to illegal node: ")
                           .i(g, 10)
                           .str());
        status = -1;
        return;
      }
      const std::int64_t t = std::int64_t{MNELNP[count_of(g - 1)]} + 1;
      if (t > limit) {
        error_head(io, unit);
        io.write(unit, "   Number of elements pr. node exceeds limit  ");
        io.write(unit, Line().a("   Limit                      ").i(MXELNP, 10).str());
        io.write(unit, Line().a("   Calculated number of elem. ").i(t, 10).str());
        io.write(unit,
                 Line().a("   Node causing the error     ").i(entry_or_zero(MNPEX, g), 10).str());
        status = -1;
        return;
      }
      MNELNP[count_of(g - 1)] = static_cast<std::int32_t>(t);
      MELNP[count_of((g - 1) * limit + t - 1)] = static_cast<std::int32_t>(i);
    }
  }

  if (LPU <= 0) return;
  for (std::int64_t n = 1; n <= nnp; ++n) {
    if (MNELNP[count_of(n - 1)] != 0) continue;
    io.newline(unit);
    io.newline(unit);
    io.write(unit,
             Line().a("   No elements connected to node: ").i(entry_or_zero(MNPEX, n), 10).str());
    decrement(status);
  }
}

}  // namespace velkan
