// Prompts and the run stamp.
#include "driver/prompts.h"

#include <gtest/gtest.h>

#include "lineinput/charutil.h"
#include "support/testio.h"

namespace velkan {
namespace {

TEST(Prompts, AsklinWritesABlankAndAtMostEightyCharacters) {
  test::TestIo io;
  const std::string long_prompt(100, 'x');
  ASKLIN(io.units, 6, long_prompt, 100);
  ASKLIN(io.units, 6, "Select:  ", 9);
  EXPECT_EQ(io.console(), " " + std::string(80, 'x') + " Select:  ");
}

TEST(Prompts, RunStampHasLeadingZerosAndIsPaddedToItsLength) {
  EXPECT_EQ(run_stamp({2007, 3, 5, 14, 7, 9}, 80), padded(" Date : 2007-03-05 14:07:09", 80));
  EXPECT_EQ(run_stamp({2007, 1, 1, 0, 0, 1}, 27), " Date : 2007-01-01 00:00:01");
  EXPECT_EQ(run_stamp({107, 1, 1, 0, 0, 1}, 12), " Date : 2007");
  EXPECT_EQ(RUNSTP(80, 6).size(), 80u);
}

}  // namespace
}  // namespace velkan
