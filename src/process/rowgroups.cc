// Grouping of identical rows through an open-addressing hash table of groups.
#include "process/rowgroups.h"

#include <bit>

namespace velkan {
namespace {

std::uint64_t value_bits(double v) {
  if (v == 0.0) v = 0.0;  // -0 behaves as +0 in every comparison
  return std::bit_cast<std::uint64_t>(v);
}

// Four independent lanes, so that the multiplications of one row overlap
// instead of waiting for each other; the lanes are mixed at the end.
std::uint64_t row_hash(RealSpan prop, std::size_t first, std::size_t width) {
  constexpr std::uint64_t kOdd = 0x9e3779b97f4a7c15ULL;
  std::uint64_t lane[4] = {0x243f6a8885a308d3ULL, 0x13198a2e03707344ULL, 0xa4093822299f31d0ULL,
                           0x082efa98ec4e6c89ULL};
  std::size_t k = 0;
  for (; k + 4 <= width; k += 4) {
    for (std::size_t j = 0; j < 4; ++j)
      lane[j] = (lane[j] ^ value_bits(prop.get(first + k + j))) * kOdd;
  }
  for (; k < width; ++k) lane[k % 4] = (lane[k % 4] ^ value_bits(prop.get(first + k))) * kOdd;
  std::uint64_t h = width;
  for (const std::uint64_t l : lane) {
    h = (h ^ (l ^ (l >> 29))) * kOdd;
    h ^= h >> 32;
  }
  return h;
}

bool same_values(RealSpan prop, std::size_t a, std::size_t b, std::size_t width) {
  for (std::size_t k = 0; k < width; ++k) {
    if (value_bits(prop.get(a + k)) != value_bits(prop.get(b + k))) return false;
  }
  return true;
}

}  // namespace

RowGroups group_identical_rows(RealSpan prop, std::size_t width, std::size_t rows) {
  RowGroups g;
  g.group_of.resize(rows);
  std::size_t slots = 16;
  while (slots < 2 * rows) slots *= 2;
  std::vector<std::uint32_t> table(slots, 0);  // group + 1, 0 for an empty slot
  std::vector<std::uint64_t> hashes;           // hash of each group's rows
  for (std::size_t r = 0; r < rows; ++r) {
    const std::uint64_t h = row_hash(prop, r * width, width);
    std::size_t s = static_cast<std::size_t>(h) & (slots - 1);
    for (;; s = (s + 1) & (slots - 1)) {
      const std::uint32_t entry = table[s];
      if (entry == 0) {
        table[s] = static_cast<std::uint32_t>(g.lowest.size()) + 1;
        g.group_of[r] = static_cast<std::uint32_t>(g.lowest.size());
        g.lowest.push_back(static_cast<std::uint32_t>(r));
        hashes.push_back(h);
        break;
      }
      const std::uint32_t grp = entry - 1;
      if (hashes[grp] == h && same_values(prop, g.lowest[grp] * width, r * width, width)) {
        g.group_of[r] = grp;
        break;
      }
    }
  }
  return g;
}

}  // namespace velkan
