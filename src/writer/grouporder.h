// The writing order of one record group. The group's external numbers are
// gathered into the scratch array MSCRA in store order and ranked, either
// through an order list in MSORT or place by place; the number at each place
// is traced back to its item through the first match in the whole
// external-number array. So the k-th record written is the item with the
// k-th smallest external number.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "store/numberlookup.h"
#include "store/realspan.h"

namespace velkan {

enum class Ranking {
  kOrderList,      // order list in MSORT; a place the list leaves empty is a failure
  kOrderListSkip,  // order list in MSORT; a place left empty is passed over
  kPlaceByPlace,   // k-th smallest number for every place; no number at a place is a failure
};

struct GroupOrder {
  std::vector<std::int32_t> items;  // store positions (from 1), in writing order
  bool failed = false;              // the group breaks off after `items`
};

// `members`: store positions (from 1) of the group's items, in store order.
// `external`: the external numbers of all items; `first` finds a number in it.
// A scratch array shorter than the group is a failure before any item.
GroupOrder order_group(std::span<const std::int32_t> members, ConstIntSpan external,
                       const FirstPositions& first, Ranking ranking, IntSpan MSCRA, IntSpan MSORT);

// Order list of `n` keys into `order`: its first n places are cleared, then
// filled like IVORD with no negative keys. A place that no key reaches (a zero,
// negative or repeated number) stays 0.
void order_list(std::int32_t n, ConstIntSpan keys, IntSpan order);

}  // namespace velkan
