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
  stretch_.assign(stretch_of(NWIWA - 1) + 1, 0);
  pages_ = std::make_unique<PagePreparer>(words_.get(), bytes);
}

void WorkArray::reach_further(std::int64_t first, std::int64_t end) {
  end = std::min<std::int64_t>(end, nwiwa_);
  if (end <= first) return;
  untouched_ = std::max(untouched_, end);
  for (std::size_t s = stretch_of(first); s <= stretch_of(end - 1); ++s) {
    stretch_[s] |= kEntered;
    announce(s);
  }
}

void WorkArray::expect_use(std::int64_t first, std::int64_t count, bool ahead) {
  const std::int64_t from = std::max<std::int64_t>(first, 1) - 1;
  const std::int64_t end =
      std::min<std::int64_t>(first - 1 + std::max<std::int64_t>(count, 0), nwiwa_);
  if (end <= from) return;
  const std::size_t low = stretch_of(from), high = stretch_of(end - 1);
  for (std::size_t k = 0; k <= high - low; ++k) announce(ahead ? high - k : low + k);
}

void WorkArray::announce(std::size_t stretch) {
  if (stretch_[stretch] & kAnnounced) return;
  stretch_[stretch] |= kAnnounced;
  constexpr std::size_t kStretchBytes = (std::size_t{1} << kStretchShift) * sizeof(std::int32_t);
  if (pages_) pages_->prepare(stretch * kStretchBytes, (stretch + 1) * kStretchBytes);
}

bool WorkArray::reached(std::int64_t w) const {
  return w >= 1 && w <= untouched_ && (stretch_[stretch_of(w - 1)] & kEntered) != 0;
}

IntSpan WorkArray::ints(std::int32_t pos, std::int64_t count) {
  // Clamp to the block so a bad position can never reach outside it.
  const std::int64_t first = pos - 1;
  if (first < 0 || first > nwiwa_ || count < 0) return {};
  const std::int64_t n = count < nwiwa_ - first ? count : nwiwa_ - first;
  reach(first, first + n);
  return IntSpan(words_.get() + first, static_cast<std::size_t>(n));
}

RealSpan WorkArray::reals(std::int32_t pos, std::int64_t count) {
  const std::int64_t first_word = 2 * (static_cast<std::int64_t>(pos) - 1);
  if (first_word < 0 || first_word > nwiwa_ || count < 0) return {};
  const std::int64_t room = (nwiwa_ - first_word) / 2;
  const std::int64_t n = count < room ? count : room;
  reach(first_word, first_word + 2 * n);
  auto* base = reinterpret_cast<std::byte*>(words_.get() + first_word);
  return RealSpan(base, static_cast<std::size_t>(n));
}

IntSpan WorkArray::all() {
  reach(0, nwiwa_);
  return IntSpan(words_.get(), static_cast<std::size_t>(nwiwa_));
}

void WorkArray::clear(std::int32_t first, std::int64_t count) {
  // 0-based words [from, end) that some view may have reached.
  std::int64_t from = std::max<std::int64_t>(first, 1) - 1;
  const std::int64_t end = std::min<std::int64_t>(
      static_cast<std::int64_t>(first) - 1 + std::max<std::int64_t>(count, 0), untouched_);
  while (from < end) {
    const std::size_t s = stretch_of(from);
    const std::int64_t stop = std::min(end, static_cast<std::int64_t>(s + 1) << kStretchShift);
    if (stretch_[s] & kEntered) std::fill(words_.get() + from, words_.get() + stop, 0);
    from = stop;
  }
}

}  // namespace velkan
