// Checked reads of model-store arrays.
#include "writer/modelread.h"

namespace velkan {

std::int32_t external_or_zero(ConstIntSpan ex, std::int32_t index) {
  return entry_or_zero(ex, index);
}

std::int32_t external_or_index(ConstIntSpan ex, std::int32_t index) {
  return is_position(ex, index) ? entry_or_zero(ex, index) : index;
}

double RealRows::word(std::int64_t row, std::int64_t k) const {
  if (row < 1 || k < 1 || k > row_length_) return 0.0;
  const std::int64_t pos = (row - 1) * row_length_ + (k - 1);
  if (pos < 0 || static_cast<std::uint64_t>(pos) >= table_.size()) return 0.0;
  return table_.get(static_cast<std::size_t>(pos));
}

}  // namespace velkan
