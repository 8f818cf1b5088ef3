// The listing readers on faults: read errors wherever a reader reads, NUL
// bytes, and numbers that are not finite.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>

#include "listingfixture.h"
#include "platform/unitfile.h"
#include "store/arrayviews.h"

namespace velkan {
namespace {

using test::ListingTest;

const std::string kListing = test::summary(2, 3) +
                             "*** KINEMATIC VARIABLES ***\n"
                             "  1 0 0 0 0 0 0 0\n  2 0 0 0 0 0 0 0\n  3 0 0 0 0 0 0 0\n"
                             "  Page 2\n"
                             "*** ELEMENT DATA ***\n"
                             "  10 1 2 0 0 0 0 0 0\n  20 2 3 0 0 0 0 0 0\n"
                             "  Page 3\n"
                             "   *** ELEMENT PROPERTIES ***\n"
                             "   Elem\n"
                             "   10   1 2 3 4 5 6 7\n   20   1 2 3 4 5 6 7\n"
                             "  Page 4\n"
                             "1)        Element Effective Tensions.\n"
                             "  Elem\n"
                             "  10 0.0 500 450 500 400\n  20 0.0 400 350 400 300\n";

constexpr std::string_view kTensions = "1)        Element Effective Tensions.   ";

// The result reader over ELRES, which the test books beforehand.
void results(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr) {
  std::int32_t status = 0;
  TRX_GtERes(io, wa, kTensions, find_reals(io, wa, "ELRES", lpu, status), lunin, lunout, lpu, ierr);
}

using Reader = void (*)(Units&, WorkArray&, int, int, int, std::int32_t&);
constexpr Reader kReaders[] = {TRX_Size, TRX_Node, TRX_Elem, TRX_Prop, results};
constexpr std::string_view kErrorLines[] = {
    "*** ERROR IN TRX_Size ***", "*** ERROR IN TRX_Node ***", "*** ERROR IN TRX_Elem ***",
    "*** ERROR IN TRX_Prop ***", "*** ERROR IN TRX_GtERes  ***"};

class ListingFaults : public ListingTest {
 protected:
  // Reads `listing` with the readers before `failing` as they are, then runs
  // `failing` over the same listing opened afresh with its reads failing after
  // `fault_at` bytes; returns that reader's status.
  std::int32_t fail_reader(const std::string& listing, int failing, std::int64_t fault_at) {
    reset_store();
    io.units.close(17);
    std::filesystem::remove(io.dir.file("fort.17"));
    plant(std::numeric_limits<std::int64_t>::max());
    load(listing);
    for (int r = 0; r < failing; ++r) EXPECT_EQ(pass(kReaders[r]), 0) << r;
    std::int32_t status = 0;
    book_reals(io.units, wa, "ELRES", 6, "STRU", 17, status);
    plant(fault_at);
    load(listing);
    return pass(kReaders[failing]);
  }
  void plant(std::int64_t after) {
    io.units.plant_fault(16, PlantedFault{PlantedFault::Kind::kRead, after, io_error()});
  }
  std::string read_error_report(int reader) {
    return std::string(kErrorLines[reader]) + "\nRead error in the listing " +
           io.dir.file("model.lis") + ": " + io_error().text + "\n";
  }
};

TEST_F(ListingFaults, AReadErrorFailsEveryReaderWhereverItReads) {
  struct Case {
    int reader;
    std::string_view fault_before;  // the text the reads fail at
  } cases[] = {
      {0, "   No. of Nodes"},  // the size scan: the counts would be stored half read
      {1, "*** KINEMATIC"},    // title searches
      {2, "*** ELEMENT DATA"},  {3, "   *** ELEMENT PROPERTIES"},
      {4, "1)        Element"}, {1, "  2 0 0 0"},  // rows, through the line reader
      {2, "  20 2 3"},          {3, "   20   1 2"},
      {4, "  20 0.0"},          {3, "  Page 4"},  // the property reader's search for the next table
  };
  for (const Case& c : cases) {
    const auto at = static_cast<std::int64_t>(kListing.find(c.fault_before));
    EXPECT_EQ(fail_reader(kListing, c.reader, at), -1) << c.fault_before;
    EXPECT_NE(messages().find(read_error_report(c.reader)), std::string::npos)
        << c.fault_before << "\n"
        << messages();
  }
}

TEST_F(ListingFaults, AShortRowThatCannotBeReadAgainIsAReadErrorNotAnIllegalRow) {
  // The short row starts a few bytes before the end of the first chunk read:
  // reading it takes the next chunk, so reading it again for the hinge test
  // goes back to the file, where the reads fail from the byte after it on.
  const std::string head = test::summary(1, 2) +
                           "*** KINEMATIC VARIABLES ***\n"
                           "  1 0 0 0 0 0 0 0\n  2 0 0 0 0 0 0 0\n"
                           "  Page 2\n"
                           "*** ELEMENT DATA ***\n"
                           "  10 1 2 0 0 0 0 0 0\n"
                           "   *** ELEMENT PROPERTIES ***\n"
                           "   Elem\n";
  const std::string row = "   10   1 2 3\n";
  const std::size_t before_row = UnitFile::kChunk - 5;
  std::string padding;
  while (head.size() + padding.size() + 40 < before_row)
    padding += "*" + std::string(38, '-') + "\n";
  padding += "*" + std::string(before_row - head.size() - padding.size() - 2, '-') + "\n";
  const std::string listing = head + padding + row + "   end\n";
  ASSERT_EQ(listing.find(row), before_row);
  EXPECT_EQ(fail_reader(listing, 3, static_cast<std::int64_t>(before_row + row.size())), -1);
  EXPECT_NE(messages().find(read_error_report(3)), std::string::npos) << messages();
  EXPECT_EQ(io.console().find("Illegal no of Parameters"), std::string::npos);
}

TEST_F(ListingFaults, ANumberThatIsNotFiniteFailsTheReaderThatTakesItsRow) {
  const std::string detail = "Number that is not finite (NaN, Inf or beyond 1E308) in ";
  struct Case {
    std::string_view row, bad_row;
    int reader;
    std::string where;  // empty: the row is read as it is
  } cases[] = {
      {"  2 0 0 0 0 0 0 0\n", "  2 0 0 0 1E400 0 0 0\n", 1, "line 5 of the listing"},
      {"  2 0 0 0 0 0 0 0\n", "  2 NaN 0 0 0 0 0 0\n", 1, "line 5 of the listing"},
      {"  2 0 0 0 0 0 0 0\n", "  2 0 0 0 0 0 0 -Infinity\n", 1, "line 5 of the listing"},
      {"  2 0 0 0 0 0 0 0\n", "  2 0 0 0 1E200*1E200 0 0 0\n", 1, "line 5 of the listing"},
      {"  20 2 3 0 0 0 0 0 0\n", "  20 2 3 0 0 0 0 0 inf\n", 2, "line 10 of the listing"},
      {"   20   1 2 3 4 5 6 7\n", "   20   1 2 3 4 +NaN 6 7\n", 3,
       "the row of element 20 under *** ELEMENT PROPERTIES ***"},
      {"  20 0.0 400 350 400 300\n", "  20 0.0 400 350 400 9E999\n", 4, "line 20 of the listing"},
      // Words that only look alike are texts as before.
      {"  2 0 0 0 0 0 0 0\n", "  2 0 0 0 0 0 0 0 INFO\n", 1, ""},
      {"  20 0.0 400 350 400 300\n", "  20 0.0 400 350 NANO 300\n", 4, ""},
  };
  for (const Case& c : cases) {
    std::string listing = kListing;
    listing.replace(listing.find(c.row), c.row.size(), c.bad_row);
    EXPECT_EQ(fail_reader(listing, c.reader, std::numeric_limits<std::int64_t>::max()),
              c.where.empty() ? 0 : -1)
        << c.bad_row;
    if (!c.where.empty()) {
      EXPECT_NE(messages().find(std::string(kErrorLines[c.reader]) + "\n" + detail + c.where),
                std::string::npos)
          << c.bad_row << messages();
    }
  }
}

TEST_F(ListingFaults, ANulByteInTheColumnsReadFailsTheSizeScan) {
  struct Case {
    std::string listing;
    std::int32_t status;
  } cases[] = {
      {kListing.substr(0, 60) + std::string(1, '\0') + kListing.substr(60), -1},
      {std::string("  Page 1") + std::string(200, ' ') + std::string(1, '\0') + "\n" + kListing, 0},
  };
  for (const Case& c : cases) {
    reset_store();
    load(c.listing);
    EXPECT_EQ(pass(TRX_Size), c.status);
    if (c.status != 0) {
      EXPECT_NE(messages().find("*** ERROR IN TRX_Size ***\nNUL byte in line 2 of the listing: "
                                "not a text listing\n"),
                std::string::npos)
          << messages();
    }
  }
}

}  // namespace
}  // namespace velkan
