// Reads of model-store arrays for the writers. Every read is checked: an index
// outside its array never touches memory and yields a neutral value instead,
// so that damaged connectivity or index arrays cannot make a writer read
// beyond what it was given.
#pragma once

#include <cstdint>

#include "store/indexchecks.h"
#include "store/realspan.h"

namespace velkan {

// Single-precision 1.0E-6, widened: the threshold of the shear and spring tests.
inline constexpr double kSignificant = 9.999999974752427E-7;

// External number of `index` in `ex`; 0 when the index is no position of `ex`
// (nothing referenced, or an index the array does not hold).
std::int32_t external_or_zero(ConstIntSpan ex, std::int32_t index);
// External number of a positive `index` held by `ex`; any other index is
// returned as it stands.
std::int32_t external_or_index(ConstIntSpan ex, std::int32_t index);

// A table of rows of `row_length` 8-byte reals, one row per item.
class RealRows {
 public:
  RealRows(RealSpan table, std::int32_t row_length) : table_(table), row_length_(row_length) {}
  // Word k of row r, both counted from 1; 0.0 when the word lies outside the
  // row or the table.
  double word(std::int64_t row, std::int64_t k) const;
  std::int32_t row_length() const { return row_length_; }

 private:
  RealSpan table_;
  std::int32_t row_length_;
};

}  // namespace velkan
