// Zero-filled memory from the system: zeros in every byte, room for the whole
// request, alignment for 8-byte reals, and no block for an impossible size.
#include "platform/zeroedmemory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace velkan {
namespace {

TEST(ZeroedMemory, BlocksAreZeroAlignedAndWritable) {
  for (const std::size_t bytes : {std::size_t{1}, std::size_t{4096}, (std::size_t{3} << 20) + 5}) {
    auto* p = static_cast<unsigned char*>(obtain_zeroed_memory(bytes));
    ASSERT_NE(p, nullptr) << bytes;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % alignof(double), 0u);
    const std::vector<unsigned char> zeros(bytes, 0);
    EXPECT_EQ(std::memcmp(p, zeros.data(), bytes), 0) << bytes;
    std::memset(p, 0xA5, bytes);  // the whole request is ours
    release_zeroed_memory(p, bytes);
  }
  EXPECT_EQ(obtain_zeroed_memory(0), nullptr);
  release_zeroed_memory(nullptr, 0);
}

}  // namespace
}  // namespace velkan
