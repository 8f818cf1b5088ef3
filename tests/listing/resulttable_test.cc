// The element result reader.
#include <gtest/gtest.h>

#include "listingfixture.h"
#include "store/arrayviews.h"

namespace velkan {
namespace {

using test::ListingTest;

const std::string kMesh = test::summary(2, 3) +
                          "*** KINEMATIC VARIABLES ***\n"
                          "  1 0 0 0 0 0 0 0\n  2 0 0 0 0 0 0 0\n  3 0 0 0 0 0 0 0\n"
                          "  Page 2\n"
                          "*** ELEMENT DATA ***\n"
                          "  10 1 2 0 0 0 0 0 0\n  20 2 3 0 0 0 0 0 0\n";
constexpr std::string_view kTitle = "1)        Element Effective Tensions.   ";

class ResultTest : public ListingTest {
 protected:
  std::int32_t read_results(const std::string& table, std::string_view title = kTitle) {
    reset_store();
    read_mesh(kMesh + table);
    std::int32_t status = 0;
    elres = book_reals(io.units, wa, "ELRES", 6, "STRU", 17, status);
    TRX_OPEN(io.units, 16, 6, status);
    TRX_GtERes(io.units, wa, title, elres, 16, 6, 17, status);
    return status;
  }
  std::vector<double> values() {
    std::vector<double> v;
    for (std::size_t i = 0; i < elres.size(); ++i) v.push_back(elres.get(i));
    return v;
  }
  RealSpan elres;
};

TEST_F(ResultTest, RowsOfSixItemsGiveThreeValuesPerElement) {
  const std::string table =
      "    1)        Element Effective Tensions.\n  Elem ...\n"
      "  10 0.0 1.0 2.0 3.0 4.0\n  20 0.0 5.0 6.0 7.0 8.0 9.0\n  20 0 5 6 7 8\n"
      "  2)        Element y-Shear Forces.\n  10 0 9 9 9 9\n";
  ASSERT_EQ(read_results(table), 0);
  EXPECT_EQ(values(), (std::vector<double>{1, 2, 4, 5, 6, 8}));
  EXPECT_NE(io.console().find("\n       2 *ELEMENT RESULT   * lines read.\n"
                              "         Totally    2 Result lines Stored.\n\n"),
            std::string::npos);
}

TEST_F(ResultTest, TwoTimeStepsKeepTheSecondValues) {
  const std::string table =
      "1)        Element Effective Tensions.\n"
      "  10 0 1 1 1 1\n  20 0 1 1 1 1\n  10 1 2 2 2 2\n  20 1 3 3 3 3\n";
  ASSERT_EQ(read_results(table), 0);
  EXPECT_EQ(values(), (std::vector<double>{2, 2, 2, 3, 3, 3}));
}

TEST_F(ResultTest, TheTableMustEndWithTheLastElement) {
  const std::string cases[] = {
      "1)        Element Effective Tensions.\n  20 0 1 1 1 1\n  10 0 1 1 1 1\n",
      "1)        Element Effective Tensions.\n  10 0 1 1 1 1\n  20 0 1 1 1 1\n  99 0 1 1 1 1\n",
      "no table at all\n",
  };
  for (const std::string& table : cases) EXPECT_EQ(read_results(table), -1) << table;
  EXPECT_NE(io.console().find("Illegal Element     :    99\n"), std::string::npos);
  EXPECT_EQ(test::lines_of(messages()).size(), 0u);
}

TEST_F(ResultTest, ElementsWithoutARowAreCounted) {
  const std::string title = "1)        Element Effective Tensions.\n";
  const std::string one_missing =
      " *** 1 of 2 elements have no row under 1)        Element Effective Tensions.: their "
      "values are 0\n";
  struct Case {
    std::string table, line;
  } cases[] = {
      {title + "  10 0 1 1 1 1\n  20 0 1 1 1 1\n", ""},
      {title + "  20 0 1 1 1 1\n", one_missing},
      {title + "  99 0 1 1 1 1\n  20 0 1 1 1 1\n", one_missing},  // no element of the model
      {title + "  20 0 1 1 1 1\n  20 1 2 2 2 2\n", one_missing},  // two time steps
  };
  for (const Case& c : cases) {
    const std::size_t before = messages().size(), shown = io.console().size();
    ASSERT_EQ(read_results(c.table), 0) << c.table;
    EXPECT_EQ(messages().substr(before), c.line) << c.table;
    const std::string console = io.console().substr(shown);
    EXPECT_EQ(console.substr(console.find("Result lines Stored.\n\n")),
              "Result lines Stored.\n\n" + c.line);
  }
}

TEST_F(ResultTest, WhatTheReaderFoundOfItsTable) {
  const std::string title = "1)        Element Effective Tensions.\n";
  struct Case {
    std::string table;
    std::int32_t status;
    bool found, whole;
    std::int64_t missing;
  } cases[] = {
      {"no table at all\n", -1, false, false, 0},
      {title + "  20 0 1 1 1 1\n", 0, true, true, 1},
      {title + "  20 0 1 1 1 1\n  10 0 1 1 1 1\n", -1, true, true, 0},  // ends with another
      {title + "  10 0 NaN 1 1 1\n  20 0 1 1 1 1\n", -1, true, false, 0},
  };
  for (const Case& c : cases) {
    reset_store();
    read_mesh(kMesh + c.table);
    std::int32_t status = 0;
    const RealSpan results = book_reals(io.units, wa, "ELRES", 6, "STRU", 17, status);
    TRX_OPEN(io.units, 16, 6, status);
    TableRows rows{true, true, 99};
    velkan::read_results(io.units, wa, kTitle, results, 16, 6, 17, status, rows);
    EXPECT_EQ(status, c.status) << c.table;
    EXPECT_EQ(rows.found, c.found) << c.table;
    EXPECT_EQ(rows.read_whole, c.whole) << c.table;
    if (c.whole) {
      EXPECT_EQ(rows.missing, c.missing) << c.table;
    }
  }
}

TEST_F(ResultTest, ABlankTitleMatchesTheFirstRecord) {
  ASSERT_EQ(read_results("  10 0 1 1 1 1\n  20 0 1 1 1 1\n", "        "), 0);
}

}  // namespace
}  // namespace velkan
