// The writing order of one record group.
#include "writer/grouporder.h"

#include <algorithm>

#include "writer/modelread.h"

namespace velkan {
namespace {

// Appends the item holding the number at place j of the group; false when j
// is no place of the group or its number is not found.
bool trace_place(ConstIntSpan keys, std::int32_t j, const FirstPositions& first, GroupOrder& out) {
  if (!is_position(keys, j)) return false;
  const std::int32_t item = first.find(entry_or_zero(keys, j));
  if (item < 1) return false;
  out.items.push_back(item);
  return true;
}

void by_order_list(ConstIntSpan keys, const FirstPositions& first, bool skip_empty, IntSpan MSORT,
                   GroupOrder& out) {
  const auto m = static_cast<std::int32_t>(keys.size());
  order_list(m, keys, MSORT);
  for (std::int32_t k = 1; k <= m; ++k) {
    const std::int32_t j = entry_or_zero(MSORT, k);
    if (j < 1 && skip_empty) continue;
    if (!trace_place(keys, j, first, out)) {
      out.failed = true;
      return;
    }
  }
}

void by_places(ConstIntSpan keys, const FirstPositions& first, GroupOrder& out) {
  const auto m = static_cast<std::int32_t>(keys.size());
  const KeyPlaces places(keys, m);
  for (std::int32_t k = 1; k <= m; ++k) {
    if (!trace_place(keys, places(k), first, out)) {
      out.failed = true;
      return;
    }
  }
}

}  // namespace

void order_list(std::int32_t n, ConstIntSpan keys, IntSpan order) {
  const std::size_t clear = std::min(order.size(), static_cast<std::size_t>(std::max(n, 0)));
  std::fill_n(order.begin(), clear, 0);
  IVORD(n, 0, keys, order);
}

GroupOrder order_group(std::span<const std::int32_t> members, ConstIntSpan external,
                       const FirstPositions& first, Ranking ranking, IntSpan MSCRA, IntSpan MSORT) {
  GroupOrder out;
  const std::size_t m = members.size();
  if (MSCRA.size() < m || (ranking != Ranking::kPlaceByPlace && MSORT.size() < m)) {
    out.failed = true;
    return out;
  }
  for (std::size_t k = 0; k < m; ++k) MSCRA[k] = entry_or_zero(external, members[k]);
  const ConstIntSpan keys = MSCRA.first(m);
  out.items.reserve(m);
  if (ranking == Ranking::kPlaceByPlace) {
    by_places(keys, first, out);
  } else {
    by_order_list(keys, first, ranking == Ranking::kOrderListSkip, MSORT, out);
  }
  return out;
}

}  // namespace velkan
