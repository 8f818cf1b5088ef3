// The element property reader.
#include <gtest/gtest.h>

#include <cstdlib>

#include "listing/propsections.h"
#include "listingfixture.h"
#include "store/arraylookup.h"
#include "store/dmssetup.h"

namespace velkan {
namespace {

using test::ListingTest;

const std::string kMesh =
    test::summary(3, 4) +
    "*** KINEMATIC VARIABLES ***\n"
    "  1 0 0 0 0 0 0 0\n  2 0 0 0 0 0 0 0\n  3 0 0 0 0 0 0 0\n  4 0 0 0 0 0 0 0\n"
    "  Page 2\n"
    "*** ELEMENT DATA ***\n"
    "  10 1 2 0 0 0 0 0 0\n  20 2 3 0 0 0 0 0 0\n  30 3 4 0 0 0 0 0 0\n";

const std::string kProperties =
    "           *** ELEMENT PROPERTIES ***\n"
    "   Elem   EIy  EIz  GJ  EA  Mass  P  L\n"
    "   10   1 2 3 4 5 6 7\n"
    "   20         Hinge Element\n"  // the text stands in columns 15..27
    "   30   1 2 3\n"
    "   40   1 2 3 4 5 6 7\n";
const std::string kDrag =
    "*** DRAG AND BUOYANCY DATA ***\n"
    "   Elem  a b c d e f set\n"
    "   10   11 12 13 14 15 16 3\n"
    "   30   11 12 13 14 15 16 101\n";
const std::string kInertia =
    "   *** ELEMENT DRAG AND INERTIA COEFFICIENTS ***\n"
    "   Elem  ...\n"
    "   10   21 22 23 24 25 26 0\n";
const std::string kStress =
    "*** ELEMENT PROPERTIES FOR STRESS CALCULATION ***\n"
    "   Elem  ...\n"
    "   10   31 32 33 34 35\n"
    "   20   31 32 33 34 35 36\n";
const std::string kFluid =
    "   *** INTERNAL FLUID DATA ***\n"
    "   Set\n"
    "   3  1  1025.0  0  0\n";

class PropTest : public ListingTest {
 protected:
  // Rows are kept packed: kPropertyRowReals reals each, the rest of the
  // booking of MXGEPR reals a row untouched.
  double word(int e, int w) {
    return reals("ELPROP").get(static_cast<std::size_t>((e - 1) * kPropertyRowReals + w - 1));
  }
};

TEST_F(PropTest, SectionsInAnyOrderLandInTheirWords) {
  for (const std::string& order :
       {kProperties + kDrag + kInertia + kStress + kFluid,
        kFluid + kStress + "  page footer\n" + kProperties + kInertia + kDrag}) {
    reset_store();
    read_mesh(kMesh + order);
    ASSERT_EQ(pass(TRX_Prop), 0);
    for (int w = 1; w <= 7; ++w) EXPECT_EQ(word(1, w), w);
    for (int w = 8; w <= 13; ++w) EXPECT_EQ(word(1, w), w + 3);
    EXPECT_EQ(word(1, 14), 3.0);
    EXPECT_EQ(word(1, 27), 1025.0);  // fluid set 3
    EXPECT_EQ(word(3, 14), 101.0);
    EXPECT_EQ(word(3, 27), 0.0);  // no such fluid set
    for (int w = 15; w <= 20; ++w) EXPECT_EQ(word(1, w), w + 6);
    for (int w = 21; w <= 25; ++w) EXPECT_EQ(word(1, w), w + 10);
    EXPECT_EQ(word(1, 26), 0.0);
    EXPECT_EQ(word(3, 4), 0.0);  // a short row keeps zeros for its missing items
    EXPECT_EQ(word(3, 3), 3.0);
    const RealSpan all = reals("ELPROP");  // the whole booking, 30 reals a row
    for (std::size_t w = 3 * kPropertyRowReals; w < all.size(); ++w) ASSERT_EQ(all.get(w), 0.0);
  }
}

TEST_F(PropTest, HingeRowsGetTheFixedValues) {
  read_mesh(kMesh + kProperties + kDrag + kStress);
  ASSERT_EQ(pass(TRX_Prop), 0);
  EXPECT_EQ(std::vector<std::int32_t>(ints("MHINGE").begin(), ints("MHINGE").end()),
            (std::vector<std::int32_t>{0, 1, 0}));
  for (int w = 1; w <= 25; ++w) {
    if (w >= 8 && w <= 20) continue;  // no drag or inertia row for element 20
    EXPECT_EQ(word(2, w), kHingeWords[static_cast<std::size_t>(w - 1)]) << w;
  }
  EXPECT_EQ(word(2, 26), 36.0);  // still from a seven-item stress row
  EXPECT_EQ(word(2, 7), 0.009999999776482582);
  const std::string console = io.console();
  EXPECT_NE(console.find("Hinge Element detected:      20\n"), std::string::npos);
  EXPECT_NE(console.find("Illegal no of Parameters     4\nLine:   30   1 2 3\n"),
            std::string::npos);
  EXPECT_NE(console.find("Illegal Element     :    40\n"), std::string::npos);
  EXPECT_NE(console.find("\nProcessing : *** ELEMENT PROPERTIES ***\nItem number:  1\n\n"),
            std::string::npos);
  EXPECT_NE(console.find("\n       3 *ELEMENT PROPERTY * lines read.\n"
                         "         Totally    3 Props Generated.\n\n"),
            std::string::npos);
}

TEST_F(PropTest, ElementsWithoutARowAreCountedForEveryTableTheListingHas) {
  const auto missing = [](int n, std::string_view title) {
    return " *** " + std::to_string(n) + " of 3 elements have no row under " + std::string(title) +
           ": their values are 0\n";
  };
  const std::string drag = missing(1, "*** DRAG AND BUOYANCY DATA ***");
  const std::string fluid_set_4 = "   *** INTERNAL FLUID DATA ***\n   Set\n   4  1  1.0  0  0\n";
  struct Case {
    std::string what, tables, lines;
  } cases[] = {
      {"every table", kProperties + kDrag + kInertia + kStress + kFluid,
       drag + missing(2, "*** ELEMENT DRAG AND INERTIA") +
           missing(1, "*** ELEMENT PROPERTIES FOR STRESS CALC")},
      {"a title without rows", kProperties + "*** DRAG AND BUOYANCY DATA ***\n   Elem\n",
       missing(3, "*** DRAG AND BUOYANCY DATA ***")},
      {"a table in two parts",
       kProperties + kDrag + "*** DRAG AND BUOYANCY DATA ***\n   Elem\n   20   1 2 3 4 5 6 0\n",
       ""},
      // Element 10 names fluid set 3, element 30 the set 101, which no table has.
      {"a fluid set without a row", kProperties + kDrag + fluid_set_4,
       drag + " *** 1 of 3 elements name a fluid set that has no row under *** INTERNAL FLUID DATA "
              "***: their internal fluid is 0\n"},
      {"no fluid table", kProperties + kDrag, drag},
  };
  for (const Case& c : cases) {
    reset_store();
    const std::size_t before = messages().size(), shown = io.console().size();
    read_mesh(kMesh + c.tables);
    ASSERT_EQ(pass(TRX_Prop), 0) << c.what;
    EXPECT_EQ(messages().substr(before), c.lines) << c.what;
    const std::string console = io.console().substr(shown);
    EXPECT_EQ(console.substr(console.find("Props Generated.\n\n")),
              "Props Generated.\n\n" + c.lines)
        << c.what;
  }
  // Without the console the lines still reach the message file.
  reset_store();
  read_mesh(kMesh + kProperties + kDrag);
  const std::size_t before = messages().size(), shown = io.console().size();
  std::int32_t status = 0;
  TRX_OPEN(io.units, 16, 0, status);
  TRX_Prop(io.units, wa, 16, 0, 17, status);
  ASSERT_EQ(status, 0);
  EXPECT_EQ(messages().substr(before), drag);
  EXPECT_EQ(io.console().find(drag, shown), std::string::npos);
}

// Per table: "-" when the listing has none, else the elements without a row
// (for the internal fluid, those that name a set without one).
TEST_F(PropTest, WhatTheReaderFoundOfEachTable) {
  const std::string fluid_set_4 = "   *** INTERNAL FLUID DATA ***\n   Set\n   4  1  1.0  0  0\n";
  const std::pair<std::string, std::string> cases[] = {
      {kProperties + kDrag + kInertia + kStress + kFluid, "0 1 2 1 0"},
      {kProperties + "*** DRAG AND BUOYANCY DATA ***\n   Elem\n", "0 3 - - -"},
      {kProperties + kDrag + fluid_set_4, "0 1 - - 1"},
      {"", "- - - - -"},
  };
  for (const auto& [tables, expected] : cases) {
    reset_store();
    read_mesh(kMesh + tables);
    std::array<TableRows, kPropertyTables> found;
    found.fill({true, false, 99});
    std::int32_t status = 0;
    TRX_OPEN(io.units, 16, 6, status);
    read_properties(io.units, wa, 16, 6, 17, status, found);
    ASSERT_EQ(status, 0);
    std::string got;
    for (const TableRows& t : found) {
      got += (got.empty() ? "" : " ") + (t.found ? std::to_string(t.missing) : "-");
      EXPECT_EQ(t.read_whole, t.found);
    }
    EXPECT_EQ(got, expected) << tables;
  }
}

TEST_F(PropTest, FluidSetOutsideTheTableFails) {
  read_mesh(kMesh + kFluid + "   101  1  1000.0  0  0\n");
  EXPECT_EQ(pass(TRX_Prop), -1);
  EXPECT_NE(io.console().find(" Internal Fluid Data:  3    1025.000\n"), std::string::npos);
}

TEST_F(PropTest, ATitleRightAfterATableStartsItsOwnTable) {
  // No text row between the two tables: the second title still ends the first.
  read_mesh(kMesh +
            "           *** ELEMENT PROPERTIES ***\n   10   1 2 3 4 5 6 7\n"
            "   *** DRAG AND BUOYANCY DATA ***\n   10   11 12 13 14 15 16 0\n");
  ASSERT_EQ(pass(TRX_Prop), 0);
  EXPECT_EQ(word(1, 1), 1.0);
  EXPECT_EQ(word(1, 8), 11.0);
}

// The words the readers book, known from the model's size before they run
// (their pages are prepared ahead), are the words they do book, up to the
// word that puts a real array on an even word.
TEST_F(PropTest, TheReadersBookTheWordsAnnouncedForThem) {
  load(kMesh + kProperties);
  ASSERT_EQ(pass(TRX_Size), 0);
  const std::int64_t before = DMSINF(wa, 4);
  const std::int64_t announced = node_table_words(parameter("NNP")) +
                                 element_table_words(parameter("NEL")) +
                                 property_table_words(parameter("NEL"), parameter("MXGEPR"));
  for (auto* reader : {TRX_Node, TRX_Elem, TRX_Prop}) ASSERT_EQ(pass(reader), 0);
  const std::int64_t booked = DMSINF(wa, 4) - before;
  EXPECT_LE(booked, announced);
  EXPECT_GE(booked, announced - 3);  // TCOORD, TCRGEO, ELPROP
  // ELPROP, prepared before TCRGEO, ends the property tables: it starts where
  // it is announced to, up to the alignment words.
  std::int32_t status = 0;
  const std::int64_t elprop = 2 * std::int64_t{ARGTIP(io.units, wa, "ELPROP", 17, status)} - 1;
  const std::int64_t rows = property_row_table_words(parameter("NEL"), parameter("MXGEPR"));
  EXPECT_LE(std::abs(elprop - (before + announced - rows)), 3);
}

}  // namespace
}  // namespace velkan
