// Named arrays: the register after initialisation, booking, lookup and clearing.
#include <gtest/gtest.h>

#include "store/arraybooking.h"
#include "store/arraylookup.h"
#include "store/dmsallocation.h"
#include "store/dmsnames.h"
#include "store/dmssetup.h"
#include "store/registersetup.h"
#include "storefixture.h"

namespace velkan {
namespace {

using test::StoreTest;

class ArraysTest : public StoreTest {
 protected:
  std::int32_t book(std::string_view name, std::int64_t n, std::string_view type = "STRU",
                    std::string_view dtype = "IN") {
    std::int32_t pos = 0;
    ARBOOK(io.units, wa, name, pos, n, type, dtype, 17, status);
    return pos;
  }
  IntSpan numraf() { return wa.ints(DMSPTR(io.units, wa, "NUMRAF", 0), 20); }
  // Word w of the register record of array `number`.
  std::int32_t record(std::int32_t number, int w) {
    return wa.ints(DMSPTR(io.units, wa, "KEYRAF", 0),
                   2030)[static_cast<std::size_t>((number - 1) * 10 + w - 1)];
  }
};

TEST_F(ArraysTest, InitialisationRegistersItsOwnArrays) {
  open_store();
  ASSERT_EQ(status, 0);
  EXPECT_EQ(numraf()[0], 3);
  EXPECT_EQ(numraf()[6], 10);
  EXPECT_EQ(numraf()[7], 203);
  EXPECT_EQ(numraf()[8], 8);
  EXPECT_EQ(numraf()[9], 100);
  EXPECT_EQ(record(13, 4), 51);  // IARRNM is of type "-AR-"
  EXPECT_EQ(record(13, 5), 3);
  book("MSTRU", 610);
  EXPECT_EQ(DMSNUM(io.units, wa, "MSTRU", 0), 14);
  EXPECT_EQ(DMSINF(wa, 4), 3472 + 610);
}

TEST_F(ArraysTest, InitialisationNeedsEnoughSlots) {
  open_dms();
  ARINIT(io.units, wa, {}, 8, 8, 201, 1, 17, status);
  EXPECT_EQ(status, -1);
  const auto lines = test::lines_of(messages());
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1], "  *** ERROR IN ARINIT ***");
  EXPECT_EQ(lines[4], "      Required :      204");
  EXPECT_EQ(lines[5], "      Available:      203");
}

TEST_F(ArraysTest, BookingAgainIsALookup) {
  open_store();
  const std::int32_t pos = book("MSTRU", 610);
  const std::int32_t free_before = ARFREE(wa);
  EXPECT_EQ(book("MSTRU  ", 610), pos);
  EXPECT_EQ(ARFREE(wa), free_before);
  EXPECT_EQ(numraf()[0], 4);
  EXPECT_EQ(status, 0);
}

TEST_F(ArraysTest, BookingFailuresLeaveATextAndDecrementTheStatus) {
  struct Case {
    std::int64_t length;
    std::string_view dtype;
    std::string detail;
  } cases[] = {
      {611, "IN", "Re-allocatng with new lengthfor array: MSTRU"},
      {610, "RE", "Re-allocatng with new data-type for array: MSTRU"},
      {100000, "IN", "Insufficient space for array HUGE"},
  };
  for (const Case& c : cases) {
    test::TestIo local;
    WorkArray w(20000);
    std::int32_t st = 0, pos = 0;
    DMSOPN(local.units, w, w.size(), -203, 0, 17, st);
    ARINIT(local.units, w, {}, 8, 8, 200, 1, 17, st);
    ARBOOK(local.units, w, "MSTRU", pos, 610, "STRU", "IN", 17, st);
    const std::string_view name = c.length == 100000 ? "HUGE" : "MSTRU";
    ARBOOK(local.units, w, name, pos, c.length, "STRU", c.dtype, 17, st);
    EXPECT_EQ(st, -1) << c.detail;
    EXPECT_EQ(local.file("fort.17"), "*** ERROR IN ARBOOK ***\n" + c.detail + "\n");
    EXPECT_EQ(DMSAIN(local.units, w, "HUGE", 1), -1);  // nothing was defined
  }
}

TEST_F(ArraysTest, ScratchArraysAreRegisteredWithoutPositionOrGroup) {
  open_store();
  const std::int32_t pos = book("MSORT", 10, "SCRA");
  EXPECT_GT(pos, 0);
  const std::int32_t k = DMSNUM(io.units, wa, "MSORT", 0);
  EXPECT_EQ(record(k, 1), 1);
  EXPECT_EQ(record(k, 3), 10);
  EXPECT_EQ(record(k, 4), 0);
  EXPECT_EQ(record(k, 5), 0);
  EXPECT_EQ(record(k, 10), 0);
  EXPECT_EQ(numraf()[0], 3);
  const std::int32_t r = book("TREAL", 4, "STRU", "RE");
  const std::int32_t kr = DMSNUM(io.units, wa, "TREAL", 0);
  EXPECT_EQ(record(kr, 1), 3);
  EXPECT_EQ(record(kr, 8), 1);
  EXPECT_EQ(record(kr, 10), r);
}

TEST_F(ArraysTest, LookupOfAMissingNameFails) {
  open_store();
  EXPECT_EQ(ARGTIP(io.units, wa, "NOSUCH", 17, status), 0);
  EXPECT_EQ(status, -1);
  const auto lines = test::lines_of(messages());
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 4], "     Pointer requested for an undefined array (NOSUCH)");
  EXPECT_EQ(lines.back(), "  *** ERROR IN ARGTIP ***");
}

TEST_F(ArraysTest, ClearingSetsTheWholeArrayToZero) {
  open_store();
  const std::int32_t pos = book("TCOORD", 3, "STRU", "RE");
  RealSpan r = wa.reals(pos, 3);
  r.fill(7.5);
  ARZERO(io.units, wa, "TCOORD", 17, status);
  EXPECT_EQ(r.get(0), 0.0);
  EXPECT_EQ(r.get(2), 0.0);
  EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace velkan
