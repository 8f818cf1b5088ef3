// The figures of a whole model file: how many records of each kind it holds,
// and the length, mass and centre of mass of all its beams.
#pragma once

#include <cstdint>
#include <iosfwd>

#include "report/massfigures.h"
#include "report/modelfile.h"

namespace velkan {

struct ModelFigures {
  std::int64_t nodes = 0;
  std::int64_t fixed_nodes = 0;  // all six boundary codes 1
  std::int64_t beams = 0, sections = 0, surfaces = 0;
  std::int64_t materials = 0, isotropic = 0, curves = 0, references = 0;  // MISOIEP, HYPELAST, MREF
  std::int64_t time_dependent = 0;
  std::int64_t hinge_references = 0;  // MREF materials that a beam names
  std::int64_t seabed_springs = 0;
  MassFigures all_beams;
};

ModelFigures figures_of(const ModelFile& file);

// One line per figure, the name left and the value right-aligned; reals
// with every digit they need to read back as the same double.
void write_figures(const ModelFigures& figures, std::ostream& out);

}  // namespace velkan
