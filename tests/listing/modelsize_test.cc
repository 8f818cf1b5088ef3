// The model size scan.
#include <gtest/gtest.h>

#include "listingfixture.h"

namespace velkan {
namespace {

using test::ListingTest;

TEST_F(ListingTest, SizeScanReadsTheNumberAfterTheColon) {
  struct Case {
    std::string listing;
    std::int32_t nel, nnp;
  } cases[] = {
      {"Total No. of Structural Elements       :   120\n", 120, 0},
      {"          Total No. of Structural Elements       : 120.4\nNo. of Nodes                     "
       "      : 7\n",
       120, 7},
      {"Total No. of Structural Elements       :120\n", 0, 0},
      {"Total No. of Structural Elements       :  many\n", 0, 0},
      {test::summary(3, 4) + "No. of Support Nodes                   :   99\n" +
           test::summary(5, 6),
       5, 6},
      {"Total No. of Structural Elements      :   12\n", 0, 0},
  };
  for (const Case& c : cases) {
    load(c.listing);
    ASSERT_EQ(pass(TRX_Size), 0);
    EXPECT_EQ(parameter("NEL"), c.nel) << c.listing;
    EXPECT_EQ(parameter("NNP"), c.nnp) << c.listing;
  }
  EXPECT_EQ(parameter("MXGEPR"), 30);
  EXPECT_EQ(parameter("MXMAPR"), 58);
  EXPECT_EQ(parameter("IDPROG"), 13);
  EXPECT_NE(io.console().find("          Number of Nodes        :     6\n"
                              "          Number of Elements     :     5\n"),
            std::string::npos);
}

}  // namespace
}  // namespace velkan
