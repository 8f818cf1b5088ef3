// The figures of a listing as the readers stored it, taken before the
// conversion changes the model: per riser (the chains of two-node elements)
// and for the whole model, from every element. Mass per length is the
// structure's (W5) plus the contents' (pi/4 W8^2 W27), as the material
// builder makes the density; the mass of an element is that times its length
// W7. Hinge elements carry no data of their own in the listing: they count as
// hinges, with their length, but without mass. What the drawings need is
// kept as a few thousand points per riser.
#pragma once

#include <cstdint>
#include <vector>

#include "report/drawingpoints.h"
#include "store/realspan.h"

namespace velkan {

// Sums over a set of elements.
struct ListingSums {
  std::int64_t nodes = 0, elements = 0, hinges = 0;
  double length_w7 = 0;     // sum of W7
  double length_nodes = 0;  // sum of the distances between the element's nodes
  // W7 and the node distance summed over the elements that are no hinge.
  double length_w7_plain = 0, length_nodes_plain = 0;
  // Mass per length of the elements that are no hinge, smallest and largest,
  // with the FlexCom number of an element that has it; none without such.
  bool has_mass_per_length = false;
  double mass_per_length_min = 0, mass_per_length_max = 0;
  std::int32_t min_element = 0, max_element = 0;
  double mass = 0;
  double moment_x = 0, moment_y = 0, moment_z = 0;  // sums of mass times midpoint
  // Elements (no hinge) with a hydrodynamic diameter W9 of 0, a mass per
  // length of 0, a length (W7 or between the nodes) of 0; with the first.
  std::int64_t zero_diameter = 0, zero_mass = 0, zero_length = 0;
  std::int32_t first_zero_diameter = 0, first_zero_mass = 0, first_zero_length = 0;

  Point3 centre() const;  // of mass; the origin for no mass
};

struct ListingRiser {
  std::int32_t first_node = 0, last_node = 0;  // FlexCom numbers
  std::vector<std::int32_t> nodes;             // FlexCom numbers in walk order
  ListingSums sums;
  std::vector<Point3> drawn;   // the line as drawn
  std::vector<Point3> hinges;  // midpoints of the hinge elements
};

// The Shear7 export's view of the same elements, in listing order: mass per
// length W5 + pi/4 W9^2 1025 W19, and its integral over the lengths W7.
struct ListingProfile {
  double length = 0, mass = 0;
  double mass_per_length_min = 0, mass_per_length_max = 0;
};

struct ListingFigures {
  std::vector<ListingRiser> risers;
  ListingSums whole;
  ListingProfile profile;
  std::int64_t elements_on_no_riser = 0;
  std::vector<std::vector<Point3>> other_lines;  // chains that are no riser, as drawn
  Point3 low, high;                              // of every node
};

// The store's arrays that the figures are taken from, all with internal
// numbers from 1: ELPROP with its packed rows of `row` reals.
struct ListingArrays {
  std::int32_t NEL = 0, NNP = 0;
  ConstIntSpan MNPEX, MELEX, MNPC, MPMNPC, MHINGE;
  RealSpan TCOORD, ELPROP;
  std::int32_t row = 0;
};

// Riser points drawn at most per riser, and how far a drawn line may stray
// from the points it stands for, relative to the extent of the model (a
// drawing 720 points wide shows a third of a point).
inline constexpr std::size_t kDrawnPerRiser = 2000;
// Points drawn at most per line when a model has `lines` lines (risers and
// chains apart): 2000, fewer for many lines, so that a drawing of every line
// keeps about 20,000 points, but never fewer than 8.
std::size_t drawn_per_line(std::size_t lines);
inline constexpr double kDrawnTolerance = 5e-4;

ListingFigures listing_figures(const ListingArrays& a);

}  // namespace velkan
