// Number-to-position tables.
#include "report/numberindex.h"

#include <algorithm>

namespace velkan {
namespace {

std::size_t slot_of(std::int32_t number, std::size_t mask) {
  std::uint32_t h = static_cast<std::uint32_t>(number) * 0x9E3779B9u;
  h ^= h >> 16;
  return static_cast<std::size_t>(h) & mask;
}

}  // namespace

NumberIndex::NumberIndex(std::span<const std::int32_t> numbers) {
  if (numbers.empty()) return;
  const auto [lo, hi] = std::minmax_element(numbers.begin(), numbers.end());
  const std::int64_t range = static_cast<std::int64_t>(*hi) - *lo + 1;
  const auto n = static_cast<std::int64_t>(numbers.size());
  if (range <= 2 * n + 1024) {
    low_ = *lo;
    direct_.assign(static_cast<std::size_t>(range), -1);
    for (std::int64_t i = n; i-- > 0;) {  // the first position is written last
      direct_[static_cast<std::size_t>(numbers[static_cast<std::size_t>(i)] - low_)] = i;
    }
    return;
  }
  std::size_t size = 16;
  while (size < 2 * numbers.size()) size *= 2;
  slots_.assign(size, Slot{});
  const std::size_t mask = size - 1;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    std::size_t s = slot_of(numbers[i], mask);
    while (slots_[s].position >= 0 && slots_[s].number != numbers[i]) s = (s + 1) & mask;
    if (slots_[s].position < 0) slots_[s] = Slot{numbers[i], static_cast<std::int64_t>(i)};
  }
}

std::int64_t NumberIndex::find(std::int32_t number) const {
  if (!direct_.empty()) {
    const std::int64_t at = number - low_;
    return at >= 0 && at < static_cast<std::int64_t>(direct_.size())
               ? direct_[static_cast<std::size_t>(at)]
               : -1;
  }
  if (slots_.empty()) return -1;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t s = slot_of(number, mask);; s = (s + 1) & mask) {
    if (slots_[s].position < 0) return -1;
    if (slots_[s].number == number) return slots_[s].position;
  }
}

}  // namespace velkan
