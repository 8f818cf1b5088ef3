// Node records: the two layouts, the boundary-code rules, ascending order and
// the failure line.
#include "writer/nodesection.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

#include "writer/writerfixture.h"

namespace velkan {
namespace {

using test::cat;
using test::rj;

const std::string kHead1 = "'";
const std::string kHead2 =
    "'            Node ID            X              Y              Z    Boundary code";

struct Nodes {
  std::vector<std::int32_t> mnpex;
  std::vector<std::int32_t> nboun;
  test::RealTable coords;
  std::vector<std::int32_t> msort;
  explicit Nodes(std::vector<std::int32_t> ex)
      : mnpex(ex), nboun(6 * ex.size()), coords(ex.size(), 3), msort(ex.size()) {
    std::iota(msort.begin(), msort.end(), 1);  // an earlier order must not leak into this one
  }
  std::int32_t write(test::ModelFile& f) {
    std::int32_t status = 0;
    UWRNOD(f.units, static_cast<std::int32_t>(mnpex.size()), mnpex, coords.span(), nboun, msort,
           test::kModelUnit, status);
    return status;
  }
};

struct CodeCase {
  std::array<std::int32_t, 6> codes;
  std::string tail;  // behind the Z field; "absent" when no record is written
};

TEST(Uwrnod, BoundaryCodesChooseTheLayout) {
  const std::string body =
      cat({" NODE     ", rj(17, 10), rj("1.000", 15), rj("0.250", 15), rj("-2.500", 15)});
  const CodeCase cases[] = {
      {{0, 0, 0, 0, 0, 0}, ""},
      {{1, 1, 1, 0, 0, 0}, "   1 1 1 0 0 0"},
      {{4, 4, 4, 5, 5, 5}, ""},
      {{1, 4, 1, 5, 0, 0}, "   1 0 1 0 0 0"},
      {{9, 9, 9, 9, 9, 9}, "absent"},
      {{10, 8, 9, 9, 9, 9}, "absent"},
      {{-1, 0, 0, 0, 0, 0}, "  -1 0 0 0 0 0"},
      {{100, 0, 0, 0, 0, 0}, "  ** 0 0 0 0 0"},
  };
  for (const CodeCase& c : cases) {
    test::ModelFile f;
    Nodes n({16, 17, 18});
    n.coords.set_row(2, {1.0, 0.25, -2.5});
    std::copy(c.codes.begin(), c.codes.end(), n.nboun.begin() + 6);
    EXPECT_EQ(n.write(f), 0);
    const auto lines = f.lines();
    ASSERT_EQ(lines.size(), c.tail == "absent" ? 4u : 5u) << c.tail;
    EXPECT_EQ(lines[0], kHead1);
    EXPECT_EQ(lines[1], kHead2);
    EXPECT_EQ(lines[2].substr(10, 10), rj(16, 10));
    if (c.tail != "absent") {
      EXPECT_EQ(lines[3], body + c.tail);
      EXPECT_EQ(lines[3].size(), c.tail.empty() ? 65u : 79u);
    }
    EXPECT_EQ(lines.back().substr(10, 10), rj(18, 10));
    EXPECT_EQ(n.nboun[6 + 1], c.codes[1]);  // the store is not changed
  }
}

TEST(Uwrnod, AscendingExternalNumbersAndWideValues) {
  test::ModelFile f;
  Nodes n({30, 10, 20});
  n.coords.set_row(1, {3.0, 0.0, 0.0});
  n.coords.set_row(2, {1.0e12, 0.0, -0.0004});
  EXPECT_EQ(n.write(f), 0);
  const std::string zeros = rj("0.000", 15) + rj("0.000", 15);
  EXPECT_EQ(f.lines(),
            (std::vector<std::string>{kHead1, kHead2,
                                      cat({" NODE     ", rj(10, 10), std::string(15, '*'),
                                           rj("0.000", 15), rj("-0.000", 15)}),
                                      cat({" NODE     ", rj(20, 10), rj("0.000", 15), zeros}),
                                      cat({" NODE     ", rj(30, 10), rj("3.000", 15), zeros})}));
  EXPECT_EQ(n.msort, (std::vector<std::int32_t>{2, 3, 1}));
}

TEST(Uwrnod, NoNodesGivesTheHeaderOnly) {
  test::ModelFile f;
  Nodes n({});
  EXPECT_EQ(n.write(f), 0);
  EXPECT_EQ(f.lines(), (std::vector<std::string>{kHead1, kHead2}));
}

TEST(Uwrnod, UnorderableNumbersFailAfterTheRecordsBefore) {
  const std::vector<std::int32_t> cases[] = {{5, 5}, {0, 7}, {7, -3}};
  for (const auto& ex : cases) {
    test::ModelFile f;
    Nodes n(ex);
    EXPECT_EQ(n.write(f), -1);
    const auto lines = f.lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2].substr(0, 20), " NODE     " + rj(ex[0] == 0 ? 7 : ex[0], 10));
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "  *** ERROR IN UWRNOD ***");
  }
}

}  // namespace
}  // namespace velkan
