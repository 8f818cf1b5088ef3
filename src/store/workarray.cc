// Allocation of the work array, its typed views, and clearing that leaves
// never-reached words alone.
#include "store/workarray.h"

#include <algorithm>

#include "platform/zeroedmemory.h"

namespace velkan {

void WorkArray::Release::operator()(std::int32_t* p) const {
  release_zeroed_memory(p, bytes);
}

WorkArray::WorkArray(std::int32_t NWIWA) {
  if (NWIWA <= 0) return;
  const std::size_t bytes = static_cast<std::size_t>(NWIWA) * sizeof(std::int32_t);
  words_ = std::unique_ptr<std::int32_t[], Release>(
      static_cast<std::int32_t*>(obtain_zeroed_memory(bytes)), Release{bytes});
  if (!words_) return;
  nwiwa_ = NWIWA;
  pages_ = std::make_unique<PagePreparer>(words_.get(), bytes);
}

void WorkArray::reach_further(std::int64_t last) {
  untouched_ = last < nwiwa_ ? last : nwiwa_;
  if (pages_) pages_->prepare(static_cast<std::size_t>(untouched_) * sizeof(std::int32_t));
}

IntSpan WorkArray::ints(std::int32_t pos, std::int64_t count) {
  // Clamp to the block so a bad position can never reach outside it.
  const std::int64_t first = pos - 1;
  if (first < 0 || first > nwiwa_ || count < 0) return {};
  const std::int64_t n = count < nwiwa_ - first ? count : nwiwa_ - first;
  reach(first + n);
  return IntSpan(words_.get() + first, static_cast<std::size_t>(n));
}

RealSpan WorkArray::reals(std::int32_t pos, std::int64_t count) {
  const std::int64_t first_word = 2 * (static_cast<std::int64_t>(pos) - 1);
  if (first_word < 0 || first_word > nwiwa_ || count < 0) return {};
  const std::int64_t room = (nwiwa_ - first_word) / 2;
  const std::int64_t n = count < room ? count : room;
  reach(first_word + 2 * n);
  auto* base = reinterpret_cast<std::byte*>(words_.get() + first_word);
  return RealSpan(base, static_cast<std::size_t>(n));
}

IntSpan WorkArray::all() {
  reach(nwiwa_);
  return IntSpan(words_.get(), static_cast<std::size_t>(nwiwa_));
}

void WorkArray::clear(std::int32_t first, std::int64_t count) {
  const std::int64_t from = std::max<std::int64_t>(first, 1);
  const std::int64_t to = std::min<std::int64_t>(first + std::max<std::int64_t>(count, 0) - 1,
                                                 std::min<std::int64_t>(untouched_, nwiwa_));
  if (to < from) return;
  std::fill(words_.get() + (from - 1), words_.get() + to, 0);
}

}  // namespace velkan
