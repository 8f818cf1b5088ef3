// Status counts: every failure lowers the count, and no number of failures
// ever brings a status or the DMS error counter round to a value that reads
// as success.
#include <gtest/gtest.h>

#include "platform/int32arith.h"
#include "store/arraylookup.h"
#include "store/dmssetup.h"
#include "storefixture.h"

namespace velkan {
namespace {

TEST(Status, DecrementStopsAtTheLowestValue) {
  const struct Case {
    std::int32_t before, after;
  } cases[] = {
      {0, -1},
      {-1, -2},
      {INT32_MAX, INT32_MAX - 1},
      {INT32_MIN + 1, INT32_MIN},
      {INT32_MIN, INT32_MIN},
  };
  for (const Case& c : cases) {
    std::int32_t status = c.before;
    decrement(status);
    EXPECT_EQ(status, c.after) << c.before;
  }
}

using StatusTest = test::StoreTest;

TEST_F(StatusTest, FailuresAtTheLowestCountStayFailures) {
  open_store();
  ASSERT_EQ(status, 0);
  wa.word(3) = INT32_MIN;  // the DMS error counter
  status = INT32_MIN;
  EXPECT_EQ(ARGTIP(io.units, wa, "NOSUCH", 17, status), 0);
  EXPECT_EQ(status, INT32_MIN);
  EXPECT_EQ(DMSSTA(wa), INT32_MIN);
}

}  // namespace
}  // namespace velkan
