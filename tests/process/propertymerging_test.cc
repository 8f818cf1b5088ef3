// Merging of equal properties: the merge map, the renumbering of the elements,
// the compaction with cleared tails, the console listing and the refusals.
#include "process/propertymerging.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "process/realvec.h"
#include "support/testio.h"

namespace velkan {
namespace {

using Ints = std::vector<std::int32_t>;
using Lines = std::vector<std::string>;

// A table of properties numbered 11, 12, ... with the types 1, 2, ...
struct Table {
  std::int32_t mxpr, npr;
  std::vector<double> prop;
  Ints melpr, typ, ext, imap, iscr;

  Table(std::int32_t width, std::vector<double> rows, Ints elements)
      : mxpr(width),
        npr(static_cast<std::int32_t>(rows.size()) / width),
        prop(std::move(rows)),
        melpr(std::move(elements)),
        imap(npr, -5),
        iscr(npr, -5) {
    for (std::int32_t i = 1; i <= npr; ++i) {
      typ.push_back(i);
      ext.push_back(10 + i);
    }
  }
  std::int32_t run(Units& io, double tol, int lpu) {
    std::int32_t status = 0;
    ShriPrp01(io, test::reals(prop), mxpr, npr, tol, static_cast<std::int32_t>(melpr.size()), melpr,
              typ, ext, imap, iscr, lpu, status);
    return status;
  }
};

TEST(ShriPrp01, MergesIntoTheLowestEqualRow) {
  struct Case {
    const char* name;
    std::int32_t mxpr;
    std::vector<double> rows;
    Ints melpr, imap, melpr_after, ext_after, typ_after;
    std::vector<double> prop_after;
  };
  const double step = 0.8e-6;  // two steps exceed the tolerance
  // name, width, rows, element rows; IMAP; element rows, numbers, types and table after
  const std::vector<Case> cases = {
      // clang-format off
      {"three equal, one different", 2, {1, 5, 1, 5, 1, 5, 2, 5}, {4, 3, 2, 1, 4},
       {0, 1, 1, 0}, {2, 1, 1, 1, 2}, {11, 14, 0, 0}, {1, 4, 0, 0}, {1, 5, 2, 5, 0, 0, 0, 0}},
      {"relative 1e-7 merges, 1e-5 does not", 1, {1.0, 1.0 + 1e-7, 1.0 + 1e-5}, {3, 2, 1},
       {0, 1, 0}, {2, 1, 1}, {11, 13, 0}, {1, 3, 0}, {1.0, 1.0 + 1e-5, 0}},
      {"opposite signs stay apart", 1, {1.0, -1.0}, {1, 2},
       {0, 0}, {1, 2}, {11, 12}, {1, 2}, {1.0, -1.0}},
      {"zero rows merge only with zero rows", 2, {0, 0, 1e-100, 0, 0, 1, 0, -0.0}, {1, 2, 3, 4},
       {0, 1, 0, 1}, {1, 1, 2, 1}, {11, 13, 0, 0}, {1, 3, 0, 0}, {0, 0, 0, 1, 0, 0, 0, 0}},
      {"chain not transitive", 1, {1.0, 1.0 + step, 1.0 + 2 * step}, {3, 2, 1},
       {0, 1, 2}, {1, 1, 1}, {11, 0, 0}, {1, 0, 0}, {1.0, 0, 0}},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestIo io;
    Table t(c.mxpr, c.rows, c.melpr);
    EXPECT_EQ(t.run(io.units, 1e-6, 0), 0);
    EXPECT_EQ(t.imap, c.imap);
    EXPECT_EQ(t.melpr, c.melpr_after);
    EXPECT_EQ(t.ext, c.ext_after);
    EXPECT_EQ(t.typ, c.typ_after);
    EXPECT_EQ(t.prop, c.prop_after);
    EXPECT_EQ(t.npr, std::count(c.imap.begin(), c.imap.end(), 0));
    EXPECT_EQ(io.console(), "");  // no listing without a message unit
  }
}

TEST(ShriPrp01, ListsTheMergeOnTheConsole) {
  const std::string dashes = " ---------------------------------------";
  const std::string equals = " =======================================";
  const std::vector<std::pair<std::vector<double>, Lines>> cases = {
      {{7, 7, 7, 8},
       {dashes, " Size before merge       :          4", " New size                :          2",
        " ", "   Property      is merged with ", "        12              11",
        "        13              11", equals, "", "", ""}},
      {{1, 2, 3, 4},
       {dashes, " Size before merge       :          4", " New size                :          4",
        " Unique Properties, no changes .........", equals, "", "", ""}},
  };
  for (const auto& [rows, lines] : cases) {
    test::TestIo io;
    Table t(1, rows, {4, 3, 2, 1});
    EXPECT_EQ(t.run(io.units, 1e-6, 17), 0);
    EXPECT_EQ(test::lines_of(io.console()), lines);
    EXPECT_EQ(io.file("fort.17"), "");
  }
}

TEST(ShriPrp01, RefusesBadArgumentsWithoutChangingAnything) {
  const std::vector<std::tuple<double, Ints, std::string>> cases = {
      {0.0, {1, 2}, "   Merge tolerance is not positive:  0.0000E+00"},
      {-1e-6, {1, 2}, "   Merge tolerance is not positive: -1.0000E-06"},
      {1e-6, {1, 3}, "   Property index         3 of element         2"},
  };
  for (const auto& [tol, melpr, detail] : cases) {
    test::TestIo io;
    Table t(1, {5, 5}, melpr);
    EXPECT_EQ(t.run(io.units, tol, 17), -1);
    EXPECT_EQ(test::lines_of(io.file("fort.17")),
              (Lines{"", "  *** ERROR IN ShriPrp01 ***", detail}));
    EXPECT_EQ(t.npr, 2);
    EXPECT_EQ(t.melpr, melpr);
    EXPECT_EQ(t.ext, (Ints{11, 12}));
  }
}

}  // namespace
}  // namespace velkan
