// Allocation of the work array and its typed views.
#include "store/workarray.h"

namespace velkan {

WorkArray::WorkArray(std::int32_t nwiwa) {
  if (nwiwa <= 0) return;
  // calloc: large blocks come zero-filled from the system at no extra cost.
  words_.reset(static_cast<std::int32_t*>(
      std::calloc(static_cast<std::size_t>(nwiwa), sizeof(std::int32_t))));
  if (words_) nwiwa_ = nwiwa;
}

IntSpan WorkArray::ints(std::int32_t pos, std::int64_t count) {
  // Clamp to the block so a bad position can never reach outside it.
  const std::int64_t first = pos - 1;
  if (first < 0 || first > nwiwa_ || count < 0) return {};
  const std::int64_t n = count < nwiwa_ - first ? count : nwiwa_ - first;
  return IntSpan(words_.get() + first, static_cast<std::size_t>(n));
}

RealSpan WorkArray::reals(std::int32_t pos, std::int64_t count) {
  const std::int64_t first_word = 2 * (static_cast<std::int64_t>(pos) - 1);
  if (first_word < 0 || first_word > nwiwa_ || count < 0) return {};
  const std::int64_t room = (nwiwa_ - first_word) / 2;
  const std::int64_t n = count < room ? count : room;
  auto* base = reinterpret_cast<std::byte*>(words_.get() + first_word);
  return RealSpan(base, static_cast<std::size_t>(n));
}

}  // namespace velkan
