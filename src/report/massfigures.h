// The mass of some beams of a model file, from the file's own numbers: the
// sum over the beams of density (the MISOIEP material's) times area (the
// GENBEAM cross-section's first value) times the length between the beam's
// two nodes, the length along the nodes, and the centre of mass (the beam
// midpoints weighted by their mass).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "report/modelfile.h"
#include "report/modellookup.h"

namespace velkan {

struct MassFigures {
  std::int64_t nodes = 0;  // distinct nodes of the beams
  std::int64_t beams = 0;
  double length = 0, mass = 0;
  double x = 0, y = 0, z = 0;  // the centre of mass; 0 when the mass is 0
  // Beams whose material has no density (spring references of a hinge):
  // their length is counted, their mass is 0.
  std::int64_t without_density = 0;
  // Beams left out of the length and the mass: a node, the cross-section or
  // the material is not in the file, or a value they need is not finite.
  std::int64_t left_out = 0;
};

// The figures of the beams at `beams`, positions in file.beams (positions
// beyond them count as left out). Sums run in the order given.
MassFigures mass_of(const ModelFile& file, const ModelLookup& lookup,
                    std::span<const std::size_t> beams);
// The same with a lookup made for the call.
MassFigures mass_of(const ModelFile& file, std::span<const std::size_t> beams);

}  // namespace velkan
