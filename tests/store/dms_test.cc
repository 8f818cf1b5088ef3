// The DMS core: layout after opening, allocation and alignment, names, messages.
#include <gtest/gtest.h>

#include "platform/numfmt.h"
#include "store/dmsallocation.h"
#include "store/dmsnames.h"
#include "store/dmssetup.h"
#include "store/vectorfill.h"
#include "storefixture.h"

namespace velkan {
namespace {

using test::StoreTest;

class DmsTest : public StoreTest {
 protected:
  void open_named() {
    open_dms();
    DMSANN(io.units, wa, 1, 0, 0);
  }
  std::int32_t define_and_place(std::string_view name, std::int32_t dim, std::int32_t words) {
    DMSDFN(io.units, wa, name, 0, dim, words, 0);
    return DMSPTR(io.units, wa, name, 0);
  }
  std::int32_t start_of(std::string_view name) { return DMSAIN(io.units, wa, name, 3); }
};

TEST_F(DmsTest, OpenLaysOutTheBookKeepingAndTheNameTable) {
  open_named();
  EXPECT_EQ(status, 0);
  EXPECT_EQ(DMSINF(wa, 1), 203);
  EXPECT_EQ(DMSINF(wa, 3), 1);     // only the book-keeping was cleared
  EXPECT_EQ(DMSINF(wa, 4), 1016);  // next free word after the name table
  EXPECT_EQ(DMSINF(wa, 6), 610);   // the high-water mark is not moved by the name table
  EXPECT_EQ(DMSINF(wa, 7), 11);    // implicit numbering starts at 11
  EXPECT_EQ(DMSGET(wa, kColStart, 3), 610);
  EXPECT_EQ(DMSMOD(io.units, wa), 1);
  EXPECT_EQ(define_and_place("FIRST", 5, 1), 1016);
  EXPECT_EQ(DMSGET(wa, kColStart, 3), 1020);
}

TEST_F(DmsTest, OpenRejectsTooFewSlotsOrWords) {
  struct Case {
    std::int32_t nwiwa, nla;
  } cases[] = {{20000, 10}, {30, -11}, {33, 11}};
  for (const Case& c : cases) {
    test::TestIo io;
    WorkArray small(c.nwiwa);
    std::int32_t st = 0;
    DMSOPN(io.units, small, c.nwiwa, c.nla, 0, 17, st);
    EXPECT_EQ(st, -1) << c.nla;
    const auto lines = test::lines_of(io.file("fort.17"));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3], " *** ERROR RETURN - K O R LIBRARY ROUTINE DMSOPN ***");
    EXPECT_EQ(lines[4],
              "     ILLEGAL PARAMETER(S) : NWIWA, NLA  =" + fmt_i(c.nwiwa, 8) + fmt_i(c.nla, 8));
  }
}

TEST_F(DmsTest, TwoWordArraysAlignAndEmptyArraysTakeOneWord) {
  open_named();
  EXPECT_EQ(define_and_place("EMPTY", 0, 1), 1016);
  EXPECT_EQ(DMSINF(wa, 4), 1017);  // an empty array still takes a word
  EXPECT_EQ(define_and_place("REALS", 3, 2), 509);
  EXPECT_EQ(start_of("REALS"), 1017);  // odd start: (1017-1)/2+1 = 509
  EXPECT_EQ(define_and_place("ODD", 1, 1), 1023);
  EXPECT_EQ(define_and_place("MORE", 2, 2), 513);
  EXPECT_EQ(start_of("MORE"), 1025);  // next free was even (1024): moved to 1025
  EXPECT_EQ(DMSINF(wa, 6), 1028);
  EXPECT_EQ(DMSSTA(wa), 0);
}

TEST_F(DmsTest, AllocatingBeyondTheWorkArrayReportsTheExcess) {
  open_named();
  DMSDFN(io.units, wa, "BIG", 0, 20000 - 1015 + 7, 1, 0);
  EXPECT_EQ(DMSPTR(io.units, wa, "BIG", 0), 0);
  EXPECT_EQ(DMSINF(wa, 4), 1016);  // next free word unchanged
  EXPECT_EQ(start_of("BIG"), 0);   // and the array got no storage
  EXPECT_EQ(DMSSTA(wa), -1);
  const auto lines = test::lines_of(messages());
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[3], " *** ERROR return from a  K O R  library routine");
  EXPECT_EQ(lines[4], "     Available primary (\"core\") storage (of   20000 words)");
  EXPECT_EQ(lines[5], "     exceeded (by      7 words) for array number   11");
  EXPECT_EQ(lines[6], "     Occured for array  BIG");
}

TEST_F(DmsTest, SecondAllocationWarnsAndReturnsTheFirstPosition) {
  open_named();
  const std::int32_t pos = define_and_place("TWICE", 4, 2);
  const std::int32_t number = DMSNUM(io.units, wa, "TWICE", 0);
  std::int32_t again = 0, st = 0;
  DMSALC(io.units, wa, number, again, 0, st);
  EXPECT_EQ(again, pos);
  EXPECT_EQ(st, 0);
  EXPECT_EQ(DMSSTA(wa), 0);
  const auto lines = test::lines_of(messages());
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3], " *** WARNING from a  K O R  library routine");
  EXPECT_EQ(lines[4], "     Primary storage requested for an array (no.   11 )");
  EXPECT_EQ(lines[5], "     already occupying storage  -  old storage used");
}

TEST_F(DmsTest, IllegalNamesAreReportedAndCounted) {
  open_named();
  struct Case {
    std::string_view name;
    std::string line;
  } cases[] = {{"TOOLONGNM", "     Array name  TOOLONGNM  is too long"},
               {"A B", "     Illegal character encountered in array name  A B"}};
  for (const Case& c : cases) {
    test::TestIo local;
    DMSOPN(local.units, wa, wa.size(), -203, 0, 17, status);
    DMSANN(local.units, wa, 1, 0, 0);
    DMSDFN(local.units, wa, c.name, 0, 1, 1, 0);
    EXPECT_EQ(DMSSTA(wa), -1);
    const auto lines = test::lines_of(local.file("fort.17"));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[4], c.line);
    EXPECT_EQ(lines[5], "     Detected by a DMS-routine called with label     0");
    EXPECT_EQ(lines[6], "     Occured for array  " + std::string(c.name));
  }
}

TEST_F(DmsTest, NameOptionDecidesWhetherCaseMatters) {
  for (const std::int32_t option : {0, 1}) {
    WorkArray w(5000);
    std::int32_t st = 0;
    DMSOPN(io.units, w, w.size(), -203, 0, 17, st);
    DMSANN(io.units, w, 1, option, 0);
    DMSDFN(io.units, w, "abc", 0, 1, 1, 0);
    DMSDFN(io.units, w, "ABC", 0, 1, 1, 0);
    EXPECT_EQ(DMSNUM(io.units, w, "ABC", 0), option == 0 ? 12 : 11);
    EXPECT_EQ(DMSSTA(w), option == 0 ? 0 : -1);  // option 1: the name exists already
  }
}

TEST_F(DmsTest, AttributeQueriesAreSilentAndLeaveTheStatus) {
  open_named();
  define_and_place("KNOWN", 7, 2);
  EXPECT_EQ(DMSAIN(io.units, wa, "KNOWN", 1), 7);
  EXPECT_EQ(DMSAIN(io.units, wa, "KNOWN", 2), 2);
  EXPECT_EQ(DMSAIN(io.units, wa, "UNKNOWN", 1), -1);
  EXPECT_EQ(DMSAIN(io.units, wa, "BAD NAME", 1), -1);
  EXPECT_EQ(DMSSTA(wa), 0);
  EXPECT_EQ(messages(), "");
}

TEST_F(DmsTest, NamesEncodeAsBaseHundredDigits) {
  open_named();
  std::int32_t n1 = 0, n2 = 0;
  DMSNCV(io.units, wa, "MSTRU", 0, n1, n2);
  EXPECT_EQ(n1, 47535452);
  EXPECT_EQ(n2, 55000000);
}

TEST_F(DmsTest, VectorUtilitiesStayInsideTheirVectors) {
  std::vector<std::int32_t> a(4, 1), b(3, 0);
  IASET(a, 2, 3, 9);  // 6 requested, 4 available
  EXPECT_EQ(a, (std::vector<std::int32_t>{9, 9, 9, 9}));
  IACOPY(a, b, 10);
  EXPECT_EQ(b, (std::vector<std::int32_t>{9, 9, 9}));
  std::vector<std::int32_t> words(6, 0);
  RealSpan r(reinterpret_cast<std::byte*>(words.data()), 3);
  DASET(r, 1, 2, 2.5);
  EXPECT_EQ(r.get(0), 2.5);
  EXPECT_EQ(r.get(1), 2.5);
  EXPECT_EQ(r.get(2), 0.0);
}

}  // namespace
}  // namespace velkan
