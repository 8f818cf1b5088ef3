// Node section of the Vomar model file.
// Routines: UWRNOD.
#include "writer/nodesection.h"

#include <array>
#include <numeric>

#include "platform/numfmt.h"
#include "writer/conventions.h"
#include "writer/grouporder.h"
#include "writer/modelread.h"

namespace velkan {
namespace {

constexpr int kDofs = 6;
constexpr std::int64_t kAllSuppressed = 54;  // e.g. six codes 9: the node is not written

// The node's boundary codes as written: codes 4 and 5 become 0.
std::array<std::int32_t, kDofs> written_codes(ConstIntSpan NBOUN, std::int32_t node) {
  std::array<std::int32_t, kDofs> codes{};
  for (int d = 0; d < kDofs; ++d) {
    const std::int32_t c =
        entry_or_zero(NBOUN, static_cast<std::int64_t>(node - 1) * kDofs + d + 1);
    codes[d] = (c == 4 || c == 5) ? 0 : c;
  }
  return codes;
}

void write_node(Units& io, int unit, ConstIntSpan MNPEX, const RealRows& coords, ConstIntSpan NBOUN,
                std::int32_t node) {
  const auto codes = written_codes(NBOUN, node);
  const std::int64_t sum = std::accumulate(codes.begin(), codes.end(), std::int64_t{0});
  if (sum == kAllSuppressed) return;
  Line l;
  l.a(" NODE     ").i(entry_or_zero(MNPEX, node), 10);
  for (int k = 1; k <= 3; ++k) l.f(coords.word(node, k), 15, 3);
  if (sum != 0) {
    l.x(2);
    for (const std::int32_t c : codes) l.i(c, 2);
  }
  io.write(unit, l.str());
}

}  // namespace

void UWRNOD(Units& io, std::int32_t NNP, ConstIntSpan MNPEX, RealSpan TCOORD, ConstIntSpan NBOUN,
            IntSpan MSORT, int unit, std::int32_t& status) {
  order_list(NNP, MNPEX, MSORT);
  write_header(
      io, unit,
      {kQuoteLine,
       "'            Node ID            X              Y              Z    Boundary code"});
  const RealRows coords(TCOORD, 3);
  for (std::int32_t k = 1; k <= NNP; ++k) {
    const std::int32_t node = entry_or_zero(MSORT, k);
    if (node < 1) return write_failure(io, unit, "UWRNOD", status);
    write_node(io, unit, MNPEX, coords, NBOUN, node);
  }
}

}  // namespace velkan
