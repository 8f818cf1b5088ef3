// Filling and copying integer and real vectors (IASET, DASET, IACOPY).
#include "store/vectorfill.h"

#include <algorithm>

namespace velkan {

void IASET(IntSpan v, std::int64_t rows, std::int64_t cols, std::int32_t value) {
  const auto n = static_cast<std::size_t>(
      std::clamp<std::int64_t>(rows * cols, 0, static_cast<std::int64_t>(v.size())));
  std::fill_n(v.begin(), n, value);
}

void DASET(RealSpan v, std::int64_t rows, std::int64_t cols, double value) {
  const auto n = static_cast<std::size_t>(
      std::clamp<std::int64_t>(rows * cols, 0, static_cast<std::int64_t>(v.size())));
  v.subspan(0, n).fill(value);
}

void IACOPY(ConstIntSpan from, IntSpan to, std::int64_t count) {
  const auto n = static_cast<std::size_t>(std::clamp<std::int64_t>(
      count, 0, static_cast<std::int64_t>(std::min(from.size(), to.size()))));
  std::copy_n(from.begin(), n, to.begin());
}

}  // namespace velkan
