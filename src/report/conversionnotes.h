// What a conversion changed that its model file cannot tell: the largest
// relative change that merging made to a value, the segments of the coarser
// mesh, the hinge stiffnesses and the sea-bed level. The conversion fills it
// where it knows each, when a report was asked for.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace velkan {

// The largest relative change that merging made to any value of one table,
// and how many rows it had before and after.
struct MergeNote {
  std::int64_t before = 0, after = 0;
  double largest_change = 0;
};

struct ConversionNotes {
  double merge_tolerance = 0;
  std::optional<MergeNote> materials, sections;
  bool coarsened = false;
  std::vector<std::int32_t> segments;  // (first node, last node, nSkip) per segment
  std::optional<double> hinge_axial, hinge_bending;
  std::optional<double> seabed_level;
  bool seabed_moved = false;  // the sea-bed items numbered away from the usual offsets
  double shear7_scale = 1.0;
};

}  // namespace velkan
