// A listing read as a conversion reads it (the same four passes over it, each
// checked against the listing's state), into a store of its own sized for
// its model, and then every result table it has. The readers' console lines
// and messages stay inside: nothing reaches the console or any file.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "listing/listing.h"
#include "listing/listingstate.h"
#include "listing/propertytables.h"
#include "listing/resulttable.h"
#include "platform/units.h"
#include "store/realspan.h"
#include "store/workarray.h"

namespace velkan {

// What the result reader found of one table, and whether it refused a table
// that the listing has. A refused table whose rows were all read ends with a
// row of another element than the last (a Shear7 export of it fails); one
// read only in part holds a number that is not finite.
struct ResultTable {
  TableRows rows;
  bool refused = false;
};

class ListingModel {
 public:
  ListingModel();
  ~ListingModel();
  ListingModel(const ListingModel&) = delete;
  ListingModel& operator=(const ListingModel&) = delete;

  // False with the reason in failure() when the listing cannot be opened or
  // read, when it is cut short or changes while it is read, or when it has no
  // elements.
  bool read(std::string_view listing);
  // One line, as the console shows the reasons of a run: " *** ...".
  const std::string& failure() const { return failure_; }

  std::int32_t NEL = 0, NNP = 0;
  ConstIntSpan MNPEX, MELEX, MNPC, MPMNPC, MHINGE;
  RealSpan TCOORD;
  std::array<TableRows, kPropertyTables> properties{};
  std::array<ResultTable, kResultTitles.size()> results{};

 private:
  bool open(std::string_view listing);
  bool read_counts();
  bool read_model();
  bool read_results();
  bool fail(std::string line);
  bool pass(const std::function<void(std::int32_t&)>& reader, std::string_view what);

  std::istringstream in_;
  std::ostringstream said_;  // what the readers wrote on the console and as messages
  Units io_;
  std::string name_;
  ListingState state_;
  std::unique_ptr<WorkArray> wa_;
  std::int64_t words_ = 0;  // the work array that the model needs
  std::string failure_;
};

}  // namespace velkan
