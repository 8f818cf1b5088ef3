// A Shear7 model file read back: its points (length coordinate from 0 to 1,
// scaled tension, mass per length) and the figures of the profile, checked
// against the listing's.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/units.h"

namespace velkan {

struct Shear7Point {
  double s = 0, tension = 0, mass_per_length = 0;
};

struct Shear7Figures {
  bool readable = false;
  std::string fault;  // why the file could not be read back, "" when it was
  std::vector<Shear7Point> points;
  double length = 0;  // the listing's total length, which the coordinates are divided by
  double tension_min = 0, tension_max = 0, mass_min = 0, mass_max = 0;
  std::size_t tension_min_at = 0, tension_max_at = 0;  // point positions, from 0
  std::size_t mass_min_at = 0, mass_max_at = 0;
  // The integral of mass per length over the length: each point's mass per
  // length up to the next point, the coordinates times the length.
  double mass = 0;
};

// Reads the points of the Shear7 file `name` through `unit` (opened as an
// existing file and closed again); `length` is the listing's total length.
Shear7Figures shear7_figures(Units& io, int unit, std::string_view name, double length);

}  // namespace velkan
