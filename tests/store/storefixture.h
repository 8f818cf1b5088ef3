// A work array with the DMS opened as the converter opens it: 203 slots, only
// the book-keeping cleared, messages on unit 17.
#pragma once

#include <gtest/gtest.h>

#include "store/dmssetup.h"
#include "store/registersetup.h"
#include "store/workarray.h"
#include "support/testio.h"

namespace velkan::test {

class StoreTest : public ::testing::Test {
 protected:
  explicit StoreTest(std::int32_t words = 20000) : wa(words) {}
  void open_dms() { DMSOPN(io.units, wa, wa.size(), -203, 0, 17, status); }
  void open_store() {
    open_dms();
    ARINIT(io.units, wa, {}, 8, 8, 200, 1, 17, status);
  }
  std::string messages() { return io.file("fort.17"); }

  TestIo io;
  WorkArray wa;
  std::int32_t status = 0;
};

}  // namespace velkan::test
