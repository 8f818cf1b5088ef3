// Counts and positions from the data against the arrays they index: room for a
// count and a position are different questions, asked here side by side.
#include "store/indexchecks.h"

#include <gtest/gtest.h>

#include <vector>

namespace velkan {
namespace {

TEST(IndexChecks, RoomForACountAndAPositionInTheArray) {
  const std::vector<std::int32_t> three = {7, 8, 9};
  const struct Case {
    std::int64_t n;
    bool room, position;
    std::int32_t entry;
    std::size_t count;
  } cases[] = {
      {-1, true, false, 0, 0},  // a negative count needs no room; no position
      {0, true, false, 0, 0},   // positions count from 1
      {1, true, true, 7, 1},
      {3, true, true, 9, 3},    // the last position
      {4, false, false, 0, 4},  // one beyond
      {INT64_MIN, true, false, 0, 0},
      {INT64_MAX, false, false, 0, static_cast<std::size_t>(INT64_MAX)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(has_room(three.size(), c.n), c.room) << c.n;
    EXPECT_EQ(is_position(three, c.n), c.position) << c.n;
    EXPECT_EQ(entry_or_zero(three, c.n), c.entry) << c.n;
    EXPECT_EQ(count_of(c.n), c.count) << c.n;
  }
  EXPECT_FALSE(is_position({}, 1));
  EXPECT_TRUE(has_room(0, 0));
}

}  // namespace
}  // namespace velkan
