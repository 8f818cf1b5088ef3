// Pages prepared ahead of use keep what the program writes while they are
// prepared, and stay zero where it has not written; the preparer stops before
// its block is given back, whatever was announced.
#include "platform/pagepreparer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/zeroedmemory.h"

namespace velkan {
namespace {

TEST(PagePreparer, PreparingLeavesTheBlockAsTheProgramWroteIt) {
  constexpr std::size_t kBytes = std::size_t{96} << 20;
  constexpr std::size_t kWords = kBytes / sizeof(std::uint32_t);
  // Announcements in any order: growing, shrinking, beyond the block, tiny.
  for (const std::size_t first : {std::size_t{40} << 20, std::size_t{1} << 10, kBytes * 2}) {
    auto* block = static_cast<std::uint32_t*>(obtain_zeroed_memory(kBytes));
    ASSERT_NE(block, nullptr);
    {
      PagePreparer pages(block, kBytes);
      pages.prepare(0, first);
      // Written while the worker prepares, in steps across the announcements.
      for (std::size_t w = 0; w < kWords / 2; w += 1021) block[w] = static_cast<std::uint32_t>(w);
      pages.prepare(first / 2, first);
      pages.prepare(first, kBytes - 5);
      pages.prepare(kBytes + 1, kBytes + 7);  // beyond the block
      pages.prepare(first, first / 3);        // empty
      for (std::size_t w = (kWords / 2 + 1020) / 1021 * 1021; w < kWords; w += 1021)
        block[w] = static_cast<std::uint32_t>(w);
    }
    std::size_t wrong = 0;
    for (std::size_t w = 0; w < kWords; ++w) {
      const std::uint32_t want = w % 1021 == 0 ? static_cast<std::uint32_t>(w) : 0;
      wrong += block[w] != want;
    }
    EXPECT_EQ(wrong, 0u) << first;
    release_zeroed_memory(block, kBytes);
  }
  PagePreparer nothing(nullptr, 0);  // no block: nothing to prepare
  nothing.prepare(0, kBytes);
}

}  // namespace
}  // namespace velkan
