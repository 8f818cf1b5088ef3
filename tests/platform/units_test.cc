// The unit table: records, padding, line ends, backspace, implicit files.
#include "platform/units.h"

#include <gtest/gtest.h>

#include "support/testio.h"

namespace velkan {
namespace {

TEST(Units, ReadsPaddedRecordsAndDropsCarriageReturns) {
  test::TestIo io;
  const std::string path = io.dir.write("a.lis", "ab\r\ncdef\nlast");
  ASSERT_EQ(io.units.open(16, path, FileStatus::kOld), 0);
  std::string rec;
  EXPECT_EQ(io.units.read(16, rec, 4), 0);
  EXPECT_EQ(rec, "ab  ");
  EXPECT_EQ(io.units.read(16, rec, 3), 0);
  EXPECT_EQ(rec, "cde");
  EXPECT_EQ(io.units.read(16, rec, 6), 0);
  EXPECT_EQ(rec, "last  ");
  EXPECT_EQ(io.units.read(16, rec, 6), kEndOfFile);
}

}  // namespace
}  // namespace velkan
