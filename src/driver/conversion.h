// What the driver hands to a conversion sequence: the units, the dialogue, the
// store and the run's names and counts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "driver/dialogue.h"
#include "driver/fileunits.h"
#include "listing/listingstate.h"
#include "platform/units.h"
#include "report/conversionnotes.h"
#include "store/workarray.h"

namespace velkan {

struct Conversion {
  Units& io;
  Dialogue& ask;
  WorkArray& wa;
  std::string listing_name;  // as typed, up to its last non-blank
  std::string stamp;         // the run stamp
  std::int32_t nel = 0;
  std::int32_t nnp = 0;
  std::int32_t mxgepr = 0;
  std::int32_t mxmapr = 0;
  // The listing as its first pass found it; every pass is checked against it.
  ListingState listing_state{};
  // What the conversion changed, noted for the report; none without one.
  ConversionNotes* notes = nullptr;
  // Called before the node, element or property arrays change (the coarser
  // mesh), while a report may still be taking the listing's figures.
  std::function<void()> before_mesh_changes{};
};

}  // namespace velkan
