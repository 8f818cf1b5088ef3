// Listing reader fixture.
#include "listingfixture.h"

#include "store/arrayviews.h"
#include "store/dmssetup.h"
#include "store/fileopen.h"
#include "store/registersetup.h"
#include "store/structurerecords.h"

namespace velkan::test {

void ListingTest::reset_store() {
  std::int32_t status = 0;
  DMSOPN(io.units, wa, wa.size(), -203, 0, 17, status);
  ARINIT(io.units, wa, {}, 8, 8, 200, 1, 17, status);
  const IntSpan mstru = book_ints(io.units, wa, "MSTRU", 610, "STRU", 17, status);
  STROPN(io.units, mstru, 610, 1, 1, 17, status);
}

void ListingTest::load(const std::string& text) {
  const std::string path = io.dir.write("model.lis", text);
  std::int32_t status = 0;
  OPNTXT(io.units, path, 16, 1, status);
  ASSERT_EQ(status, 0);
}

std::int32_t ListingTest::pass(void (*reader)(Units&, WorkArray&, int, int, int, std::int32_t&)) {
  std::int32_t status = 0;
  TRX_OPEN(io.units, 16, 6, status);
  reader(io.units, wa, 16, 6, 17, status);
  return status;
}

void ListingTest::read_mesh(const std::string& text) {
  load(text);
  ASSERT_EQ(pass(TRX_Size), 0);
  ASSERT_EQ(pass(TRX_Node), 0);
  ASSERT_EQ(pass(TRX_Elem), 0);
}

std::int32_t ListingTest::parameter(std::string_view name) {
  std::int32_t status = 0;
  return GTSTRU(io.units, ints("MSTRU"), name, 17, status);
}

void ListingTest::set_parameter(std::string_view name, std::int32_t value) {
  std::int32_t status = 0;
  PTSTRU(io.units, ints("MSTRU"), name, value, 17, status);
}

IntSpan ListingTest::ints(std::string_view name) {
  std::int32_t status = 0;
  return find_ints(io.units, wa, name, 17, status);
}

RealSpan ListingTest::reals(std::string_view name) {
  std::int32_t status = 0;
  return find_reals(io.units, wa, name, 17, status);
}

std::string summary(int nel, int nnp) {
  return "   Total No. of Structural Elements       :  " + std::to_string(nel) +
         "\n   No. of Nodes                           :  " + std::to_string(nnp) + "\n";
}

}  // namespace velkan::test
