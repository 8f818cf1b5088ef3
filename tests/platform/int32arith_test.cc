// 32-bit arithmetic: the line reader's accumulators wrap modulo 2^32, while a
// status count stops at the lowest value (tested with the store's counters).
#include "platform/int32arith.h"

#include <gtest/gtest.h>

namespace velkan {
namespace {

TEST(Int32Arith, AccumulatorsWrapModulo2To32) {
  EXPECT_EQ(wrap_add(INT32_MAX, 1), INT32_MIN);
  EXPECT_EQ(wrap_add(INT32_MIN, -1), INT32_MAX);
  EXPECT_EQ(wrap_add(-5, 3), -2);
  EXPECT_EQ(wrap_neg(INT32_MIN), INT32_MIN);
  EXPECT_EQ(wrap_neg(7), -7);
  // 214748364 * 10 + 8 = 2147483648 = 2^31, which wraps to -2^31.
  EXPECT_EQ(wrap_digit(214748364, 8), INT32_MIN);
  EXPECT_EQ(wrap_digit(214748364, 7), INT32_MAX);
  EXPECT_EQ(wrap_digit(-3, 4), -26);
}

TEST(Int32Arith, DecrementDoesNotWrapWhereTheAccumulatorsDo) {
  std::int32_t status = INT32_MIN;
  decrement(status);
  EXPECT_EQ(status, INT32_MIN);
  EXPECT_EQ(wrap_add(INT32_MIN, -1), INT32_MAX);
}

}  // namespace
}  // namespace velkan
