// The node and element readers.
#include <gtest/gtest.h>

#include "listingfixture.h"

namespace velkan {
namespace {

using test::ListingTest;

// Rows of eight items: number, z, two codes, x, two codes, y.
std::string node_row(const std::string& number, double x, double y, double z) {
  return "  " + number + "  " + std::to_string(z) + "  0 0  " + std::to_string(x) + "  0 0  " +
         std::to_string(y) + "\n";
}

const std::string kNodes =
    "                    *** KINEMATIC VARIABLES ***\n"
    "                    ===========================\n"
    "    Node     Z      Fix     X     Fix     Y\n"
    "\n" +
    node_row("11", 1.5, 2.5, -3.5) + "* a comment inside the table\n\n" +
    node_row("12.0", 4, 5, 6) + node_row("13", 7, 8, 9) + "  End of table\n" +
    node_row("99", 0, 0, 0);

const std::string kElements =
    "*** ELEMENT DATA ***\n"
    "   Elem  N1  N2  a b c d e f\n"
    "   1  11  12  0 0 0 0 0 0\n"
    "   2  12  13  0 0 0 0 0\n"      // 8 items: not an element row
    "   3  12  13  0 0 0 0 0 0 0\n"  // 10 items: not an element row
    "   7  13  77  0 0 0 0 0 0\n";   // node 77 is not a node of the model

TEST_F(ListingTest, NodesAndElementsAreReadInListingOrder) {
  read_mesh(test::summary(2, 3) + kNodes + kElements);
  EXPECT_EQ(std::vector<std::int32_t>(ints("MNPEX").begin(), ints("MNPEX").end()),
            (std::vector<std::int32_t>{11, 12, 13}));
  const RealSpan xyz = reals("TCOORD");
  EXPECT_EQ(xyz.get(0), 1.5);
  EXPECT_EQ(xyz.get(1), 2.5);
  EXPECT_EQ(xyz.get(2), -3.5);
  EXPECT_EQ(xyz.get(8), 9.0);
  EXPECT_EQ(std::vector<std::int32_t>(ints("MELEX").begin(), ints("MELEX").end()),
            (std::vector<std::int32_t>{1, 7}));
  EXPECT_EQ(std::vector<std::int32_t>(ints("MNPC").begin(), ints("MNPC").end()),
            (std::vector<std::int32_t>{1, 2, 3, 0}));
  EXPECT_EQ(std::vector<std::int32_t>(ints("MPMNPC").begin(), ints("MPMNPC").end()),
            (std::vector<std::int32_t>{1, 3, 5}));
  const std::string console = io.console();
  EXPECT_NE(console.find("\n       3 *JOINT COORDINATES* lines read.\n"
                         "         Totally    3 Nodes Generated.\n\n"),
            std::string::npos);
  EXPECT_NE(console.find("Illegal nodes for elem:     7\n"), std::string::npos);
  EXPECT_NE(console.find("\n       2 *ELEMENT DATA     * lines read.\n"
                         "         Totally    2 Elems Generated.\n\n"),
            std::string::npos);
}

TEST_F(ListingTest, CountsThatDoNotMatchFailWithoutAMessage) {
  struct Case {
    std::string listing;
    void (*reader)(Units&, WorkArray&, int, int, int, std::int32_t&);
  } cases[] = {
      {test::summary(0, 4) + kNodes, TRX_Node},
      {test::summary(0, 2) + kNodes, TRX_Node},
      {test::summary(1, 3) + kNodes + kElements, TRX_Elem},
      {test::summary(3, 3) + kNodes + kElements, TRX_Elem},
  };
  for (const Case& c : cases) {
    reset_store();
    load(c.listing);
    ASSERT_EQ(pass(TRX_Size), 0);
    if (c.reader == TRX_Elem) {
      ASSERT_EQ(pass(TRX_Node), 0);
    }
    EXPECT_EQ(pass(c.reader), -1);
  }
  EXPECT_EQ(messages(), "");
}

TEST_F(ListingTest, AShortNodeRowFailsAndNamesItsLine) {
  load(test::summary(0, 2) + kNodes.substr(0, kNodes.find("  11")) + "  11  1.0  0 0  2.0\n");
  ASSERT_EQ(pass(TRX_Size), 0);
  EXPECT_EQ(pass(TRX_Node), -1);
  EXPECT_EQ(
      messages(),
      "*** ERROR IN TRX_Node ***\nNode row with fewer than 8 items in line 7 of the listing\n");
}

TEST_F(ListingTest, NoTitleAndNoNodesIsASuccess) {
  load("nothing here\n");
  ASSERT_EQ(pass(TRX_Size), 0);
  EXPECT_EQ(pass(TRX_Node), 0);
  EXPECT_EQ(pass(TRX_Elem), 0);
  EXPECT_NE(io.console().find("         Totally    0 Nodes Generated."), std::string::npos);
}

}  // namespace
}  // namespace velkan
