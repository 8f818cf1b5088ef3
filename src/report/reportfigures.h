// The figures of a conversion report: the listing's, taken before the
// conversion, beside those of the model file read back after it was put in
// place, per riser and for the whole model, with the differences and what
// the conversion changed on the way. The beams of a riser are those whose two
// nodes lie on the riser's chain in the listing (a coarsened riser keeps its
// end nodes and some of its nodes between them).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "report/conversionnotes.h"
#include "report/listingfigures.h"
#include "report/massfigures.h"
#include "report/modelfile.h"

namespace velkan {

// The model's figures against the listing's: absolute, and in per cent of the
// listing's value (of the riser's length for the centre of mass); the per
// cent is 0 where the listing's value is 0.
struct Difference {
  double length = 0, length_percent = 0;
  double mass = 0, mass_percent = 0;
  double centre_shift = 0, centre_shift_percent = 0;
};

Difference difference_of(const ListingSums& listing, const MassFigures& model);

struct ModelRiser {
  MassFigures mass;
  std::int64_t hinges = 0;      // its beams whose material is a spring reference
  std::int64_t fixed_ends = 0;  // of its two end nodes, those fixed in all six codes
  std::int64_t ends_in_model = 0;
  std::vector<std::vector<Point3>> drawn;  // its beams as lines, thinned
  std::vector<Point3> hinge_marks;         // midpoints of its hinge beams
  // Coarsening: the segments on this riser, those grouping elements (nSkip
  // above 1), and the listing's elements that no segment covers.
  std::int64_t segments = 0, grouping_segments = 0, elements_on_no_segment = 0;
};

struct RiserReport {
  std::size_t number = 0;  // from 1
  const ListingRiser* listing = nullptr;
  ModelRiser model;
  Difference difference;
};

struct SeabedFigures {
  std::int64_t springs = 0;
  std::vector<std::int64_t> offsets;  // spring number minus node, each once
  std::vector<Point3> nodes;          // the spring nodes, at most a thousand
};

struct ReportFigures {
  std::vector<RiserReport> risers;
  MassFigures model;  // every beam, and every node of the file
  Difference whole;
  std::int64_t model_nodes = 0, fixed_nodes = 0;
  std::int64_t sections = 0, surfaces = 0, materials = 0;
  std::int64_t hinge_beams = 0;
  // The stiffness of the curves the hinge beams' references name (axial:
  // the first reference, bending: the fifth); none without hinge beams.
  std::optional<double> hinge_axial, hinge_bending;
  std::int64_t beams_on_no_riser = 0;
  std::vector<std::vector<Point3>> beams_on_no_riser_drawn;
  std::vector<Point3> fixed_marks;  // fixed nodes, at most a thousand
  SeabedFigures seabed;
  Point3 low, high;  // of the listing's and the model's nodes
};

ReportFigures report_figures(const ListingFigures& listing, const ModelFile& file,
                             const ConversionNotes& notes);

}  // namespace velkan
