// The work array: zero-filled from the start, views clamped to the block, and
// clearing that writes exactly the words a caller could have written.
#include "store/workarray.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "store/arraylookup.h"
#include "store/arrayviews.h"
#include "storefixture.h"

namespace velkan {
namespace {

std::int64_t nonzero_words(WorkArray& wa) {
  const IntSpan all = wa.all();
  return std::count_if(all.begin(), all.end(), [](std::int32_t w) { return w != 0; });
}

TEST(WorkArray, ComesZeroFilledAndClampsViewsToTheBlock) {
  WorkArray wa(3000000);  // larger than a large page
  ASSERT_TRUE(wa.ok());
  EXPECT_EQ(wa.untouched_from(), 1);
  EXPECT_EQ(wa.ints(2999999, 10).size(), 2u);
  EXPECT_EQ(wa.reals(1500000, 10).size(), 1u);
  EXPECT_TRUE(wa.ints(3000002, 1).empty());
  EXPECT_EQ(nonzero_words(wa), 0);
  EXPECT_FALSE(WorkArray(0).ok());
  EXPECT_FALSE(WorkArray(-5).ok());
}

// Words 1..100 written through one kind of access, then words `first`..
// `first`+`count`-1 cleared: exactly the written words in that range become 0.
struct ClearCase {
  std::string what;
  std::function<void(WorkArray&)> write;  // makes words 1..100 non-zero
  std::int32_t first;
  std::int64_t count;
  std::int64_t left_nonzero;
};

TEST(WorkArray, ClearingZeroesEveryWordThatCouldHaveBeenWritten) {
  const auto by_ints = [](WorkArray& wa) {
    for (std::int32_t& w : wa.ints(1, 100)) w = 7;
  };
  const auto by_words = [](WorkArray& wa) {
    for (std::int32_t i = 1; i <= 100; ++i) wa.word(i) = 7;
  };
  const auto by_reals = [](WorkArray& wa) {
    RealSpan r = wa.reals(1, 50);
    r.fill(std::nextafter(1.0, 2.0));  // no zero word in it
  };
  const auto by_all = [](WorkArray& wa) { std::fill_n(wa.all().begin(), 100, 7); };
  const std::vector<ClearCase> cases = {
      {"whole range", by_ints, 1, 100, 0},
      {"middle", by_words, 11, 80, 20},
      {"overlapping the end of what was reached", by_ints, 91, 1000, 90},
      {"reals", by_reals, 1, 100, 0},
      {"reals, odd start", by_reals, 2, 10, 90},
      {"all", by_all, 1, 50, 50},
      {"before the block", by_ints, -10, 20, 91},
      {"nothing", by_ints, 5, 0, 100},
      {"negative count", by_ints, 5, -3, 100},
      {"beyond the block", by_ints, 900, 200, 100},
  };
  for (const ClearCase& c : cases) {
    WorkArray wa(1000);
    c.write(wa);
    wa.clear(c.first, c.count);
    EXPECT_EQ(nonzero_words(wa), c.left_nonzero) << c.what;
  }
}

TEST(WorkArray, ClearingNeverReachedWordsLeavesThemUnreached) {
  WorkArray wa(1000);
  wa.ints(1, 10)[9] = 3;
  wa.clear(1, 1000);
  EXPECT_EQ(wa.untouched_from(), 11);
  EXPECT_EQ(wa.ints(10, 1)[0], 0);
}

// A stretch no view has entered stays unreached below later views: clearing
// it writes nothing, and it still reads as zeros.
TEST(WorkArray, ClearingSkipsStretchesNoViewEnteredBelowLaterOnes) {
  constexpr std::int32_t kStretch = 1 << 19;
  WorkArray wa(4 * kStretch);
  ASSERT_TRUE(wa.ok());
  wa.ints(10, 5)[0] = 1;                // first stretch
  wa.ints(3 * kStretch + 1, 1)[0] = 4;  // last stretch
  wa.ints(kStretch - 1, 3)[2] = 2;      // from the first into the second
  EXPECT_TRUE(wa.reached(kStretch + 1));
  EXPECT_TRUE(wa.reached(2 * kStretch));       // entered, though past that view's end
  EXPECT_FALSE(wa.reached(2 * kStretch + 1));  // below the highest view, never entered
  EXPECT_FALSE(wa.reached(3 * kStretch));
  EXPECT_TRUE(wa.reached(3 * kStretch + 1));
  EXPECT_FALSE(wa.reached(0));
  wa.clear(1, 4 * kStretch);
  EXPECT_FALSE(wa.reached(2 * kStretch + 1));
  EXPECT_EQ(nonzero_words(wa), 0);
}

class FreshArraysTest : public test::StoreTest {
 protected:
  FreshArraysTest() : StoreTest(1000000) {}
};

// Arrays booked and cleared before any view of them is made stay unreached:
// their pages are never written with zeros. An array viewed, written and then
// cleared is all zeros again.
TEST_F(FreshArraysTest, BookedArraysAreClearedWithoutWritingFreshStorage) {
  open_store();
  const std::int32_t pos = book_array(io.units, wa, "ELPROP", 400000, "STRU", "RE", 17, status);
  ASSERT_GT(pos, 0);
  const std::int64_t fresh = wa.untouched_from();
  EXPECT_LE(fresh, 2 * static_cast<std::int64_t>(pos) - 1);
  EXPECT_FALSE(wa.reached(2 * static_cast<std::int64_t>(pos) - 1));  // booked, prepared, unwritten
  ARZERO(io.units, wa, "ELPROP", 17, status);
  EXPECT_EQ(wa.untouched_from(), fresh);
  RealSpan r = real_view(wa, pos, 400000);
  r[399999] = 2.5;
  r[0] = -1.0;
  ARZERO(io.units, wa, "ELPROP", 17, status);
  EXPECT_EQ(r.get(0), 0.0);
  EXPECT_EQ(r.get(399999), 0.0);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(int_view(wa, 0, 5).empty());
  EXPECT_TRUE(real_view(wa, 0, 5).empty());
}

}  // namespace
}  // namespace velkan
