// Node-element connectivity: lists in rising element order, the stopping
// errors and the report of nodes without elements.
#include "store/connectivity.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/testio.h"

namespace velkan {
namespace {

using Ints = std::vector<std::int32_t>;

struct Case {
  const char* name;
  std::int32_t nnp;
  Ints mnpc;  // two nodes per element; node n is FlexCom 100+n, element e 1000+e
  std::int32_t mxelnp;
  int lpu;
  std::int32_t status;
  std::vector<std::string> lines;
};

TEST(Mkelnp, ReportsFailuresAndUnconnectedNodes) {
  const std::string head = "  *** ERROR IN MKELNP ***";
  const std::vector<Case> cases = {
      // clang-format off
      {"limit", 4, {1, 2, 2, 3, 2, 4}, 2, 6, -1,
       {"", head, "", "", "   Number of elements pr. node exceeds limit  ",
        "   Limit                               2", "   Calculated number of elem.          3",
        "   Node causing the error            102"}},
      {"node zero", 3, {1, 2, 0, 3}, 5, 6, -1,
       {"", head, "", "", "   Element       1002 connected to illegal node:          0"}},
      {"node above NNP", 3, {1, 2, 2, 4}, 5, -6, -1,
       {"", head, "", "", "   Element       1002 connected to illegal node:          4"}},
      {"unconnected, checked", 5, {1, 2, 2, 3}, 5, 6, -2,
       {"", "", "   No elements connected to node:        104",
        "", "", "   No elements connected to node:        105"}},
      {"unconnected, silent", 5, {1, 2, 2, 3}, 5, -6, 0, {}},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestIo io;
    Ints mpmnpc, melex, mnpex, counts(c.nnp), lists(c.nnp * c.mxelnp);
    for (std::int32_t n = 1; n <= c.nnp; ++n) mnpex.push_back(100 + n);
    const auto nel = static_cast<std::int32_t>(c.mnpc.size() / 2);
    for (std::int32_t e = 0; e <= nel; ++e) mpmnpc.push_back(2 * e + 1);
    for (std::int32_t e = 1; e <= nel; ++e) melex.push_back(1000 + e);
    std::int32_t status = 0;
    MKELNP(io.units, c.mnpc, mpmnpc, nel, c.nnp, c.mxelnp, counts, lists, melex, mnpex, c.lpu,
           status);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(test::lines_of(io.console()), c.lines);
  }
}

TEST(Mkelnp, ListsElementsInRisingOrderPerNode) {
  test::TestIo io;
  const Ints mnpc = {1, 2, 2, 3, 4, 2}, mpmnpc = {1, 3, 5, 7, 9}, melex = {1, 2, 3},
             mnpex = {1, 2, 3, 4};
  Ints counts(4, -7), lists(12, -7);
  std::int32_t status = 0;
  MKELNP(io.units, mnpc, mpmnpc, 3, 4, 3, counts, lists, melex, mnpex, 6, status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(counts, (Ints{1, 3, 1, 1}));
  EXPECT_EQ(lists, (Ints{1, 0, 0, 1, 2, 3, 2, 0, 0, 3, 0, 0}));
  // Pointers that run past the node list are refused.
  const Ints bad = {1, 3, 9, 11};
  MKELNP(io.units, mnpc, bad, 3, 4, 3, counts, lists, melex, mnpex, 6, status);
  EXPECT_EQ(status, -1);
  EXPECT_NE(io.console().find("   Element          2 has node pointers outside the node list"),
            std::string::npos);
}

}  // namespace
}  // namespace velkan
