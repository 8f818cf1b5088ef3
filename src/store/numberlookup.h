// Number lookup on integer vectors: counting, first position, and the output
// order of signed keys. The classes give the same answers as the plain
// routines in near-linear time, for lookups repeated over one vector.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "store/realspan.h"

namespace velkan {

// Number of entries equal to `value`.
std::int32_t IVCNT(std::int32_t value, ConstIntSpan v);
// First position (1-based) holding `value`; 0 if none.
std::int32_t IVFND(std::int32_t value, ConstIntSpan v);
// Order of n keys: positive keys ascending, then negative keys -1, -2, ...
// order[place-1] receives the 1-based key position; zero keys are skipped and
// their places keep what they held. `nneg` is the number of negative keys.
void IVORD(std::int32_t n, std::int32_t nneg, ConstIntSpan keys, IntSpan order);
// Position of the key that IVORD puts at place r; 0 if none (or a zero key).
std::int32_t IVKTH(ConstIntSpan keys, std::int32_t n, std::int32_t r);
// `s` becomes `length` blanks, then character k is the low byte of v[k-1].
void IVTOCH(std::string& s, int length, ConstIntSpan v, int count);

// IVFND over one vector, answered from a table indexed by value when the
// values lie in a range not much wider than the vector (as numbers of nodes
// and elements do), from a sorted index otherwise.
class FirstPositions {
 public:
  explicit FirstPositions(ConstIntSpan v);
  std::int32_t find(std::int32_t value) const;

 private:
  std::int64_t low_ = 0;              // the smallest value, when direct_ is used
  std::vector<std::int32_t> direct_;  // direct_[value - low_] = first position, 0 for none
  std::vector<std::pair<std::int32_t, std::int32_t>> index_;  // (value, first position)
};

// IVKTH for every place r over one key vector, computed once.
class KeyPlaces {
 public:
  KeyPlaces(ConstIntSpan keys, std::int32_t n);
  std::int32_t operator()(std::int32_t r) const;

 private:
  std::vector<std::int32_t> at_;  // at_[r-1] = IVKTH(keys, n, r)
};

}  // namespace velkan
