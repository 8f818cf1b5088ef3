// Listings made by the tests of the conversion report: risers given by
// their node coordinates and element properties, written as the readers
// take them, with the numbers the tests work their expected figures from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velkan::test {

struct GenNode {
  double x = 0, y = 0, z = 0;
};

// The words of an element that the figures use; the length W7 is the
// distance between its nodes when not given.
struct GenProps {
  double mass = 100;       // W5, kg/m
  double internal = 0.25;  // W8, internal diameter
  double outer = 0.3;      // W9, hydrodynamic diameter
  double added = 1.0;      // W19, CaN
  double ea = 5e9;         // W4
  double length = -1;      // W7; below 0: the distance between the nodes
  bool hinge = false;
};

struct GenRiser {
  std::int32_t first_node = 1, first_element = 1;  // numbered on from these
  std::vector<GenNode> nodes;
  std::vector<GenProps> elements;  // one per element; fewer: the last one repeated
};

// The contents density of every element (fluid set 1).
inline constexpr double kGenFluid = 850.0;

// A listing of the risers, with an effective-tension table (tension 1000 N
// per element number).
std::string generated_listing(const std::vector<GenRiser>& risers);

// The element lengths as the listing states them (W7, printed with six
// decimals) and as the model's beams take them (the node distances).
double listed_length(const GenRiser& r, std::size_t k);
double node_distance(const GenRiser& r, std::size_t k);
const GenProps& props_of(const GenRiser& r, std::size_t k);

}  // namespace velkan::test
