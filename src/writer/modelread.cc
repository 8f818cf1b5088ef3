// Checked reads of model-store arrays and integer conversions of reals.
#include "writer/modelread.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velkan {
namespace {

constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
constexpr double kHighest = std::numeric_limits<std::int32_t>::max();

std::int32_t clamped_int(double whole) {
  if (std::isnan(whole)) return 0;
  return static_cast<std::int32_t>(std::clamp(whole, kLowest, kHighest));
}

}  // namespace

bool holds(ConstIntSpan v, std::int64_t pos) {
  return pos >= 1 && static_cast<std::uint64_t>(pos) <= v.size();
}

std::int32_t entry(ConstIntSpan v, std::int64_t pos) {
  return holds(v, pos) ? v[static_cast<std::size_t>(pos - 1)] : 0;
}

ConstIntSpan leading(ConstIntSpan v, std::int64_t n) {
  if (n < 1) return v.first(0);
  return v.first(std::min(v.size(), static_cast<std::size_t>(n)));
}

std::int32_t external_or_zero(ConstIntSpan ex, std::int32_t index) {
  return entry(ex, index);
}

std::int32_t external_or_index(ConstIntSpan ex, std::int32_t index) {
  return holds(ex, index) ? entry(ex, index) : index;
}

double RealRows::word(std::int64_t row, std::int64_t k) const {
  if (row < 1 || k < 1 || k > row_length_) return 0.0;
  const std::int64_t pos = (row - 1) * row_length_ + (k - 1);
  if (pos < 0 || static_cast<std::uint64_t>(pos) >= table_.size()) return 0.0;
  return table_.get(static_cast<std::size_t>(pos));
}

std::int32_t nearest_int(double v) {
  return clamped_int(std::round(v));
}

std::int32_t truncated_int(double v) {
  return clamped_int(std::trunc(v));
}

}  // namespace velkan
