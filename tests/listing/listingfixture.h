// A store opened as the driver opens it and a listing file on unit 16, for
// running the listing readers on small listings.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "listing/elementtable.h"
#include "listing/listing.h"
#include "listing/modelsize.h"
#include "listing/nodetable.h"
#include "listing/propertytables.h"
#include "listing/resulttable.h"
#include "store/realspan.h"
#include "store/workarray.h"
#include "support/testio.h"

namespace velkan::test {

class ListingTest : public ::testing::Test {
 protected:
  ListingTest() { reset_store(); }
  // Opens a fresh store in the work array.
  void reset_store();
  // Writes the listing and opens it on unit 16.
  void load(const std::string& text);
  // One pass of a reader; returns its status.
  std::int32_t pass(void (*reader)(Units&, WorkArray&, int, int, int, std::int32_t&));
  // Size scan, nodes and elements of a listing.
  void read_mesh(const std::string& text);
  std::int32_t parameter(std::string_view name);
  void set_parameter(std::string_view name, std::int32_t value);
  IntSpan ints(std::string_view name);
  RealSpan reals(std::string_view name);
  std::string messages() { return io.file("fort.17"); }

  TestIo io;
  WorkArray wa{200000};
};

// Summary lines for a model of `nel` elements and `nnp` nodes.
std::string summary(int nel, int nnp);

}  // namespace velkan::test
