// The first position of each number in a list of record numbers, found in
// constant time: a table indexed by number where the numbers lie close
// together (nodes and elements numbered along a riser), a hash table where
// they spread (the sea-bed numbers far above the others).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace velkan {

class NumberIndex {
 public:
  NumberIndex() = default;
  explicit NumberIndex(std::span<const std::int32_t> numbers);
  // The first position (from 0) holding `number`; -1 when none does.
  std::int64_t find(std::int32_t number) const;

 private:
  struct Slot {
    std::int32_t number = 0;
    std::int64_t position = -1;  // -1: empty
  };
  std::int64_t low_ = 0;
  std::vector<std::int64_t> direct_;  // direct_[number - low_], -1 for none
  std::vector<Slot> slots_;           // open addressing, a power of two long
};

}  // namespace velkan
