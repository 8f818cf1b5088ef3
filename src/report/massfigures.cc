// Mass, length and centre of mass of a set of beams.
#include "report/massfigures.h"

#include <cmath>
#include <vector>

namespace velkan {
namespace {

// What one beam adds: its length, its mass and its midpoint.
struct BeamMass {
  bool known = false;
  bool has_density = false;
  double length = 0, mass = 0, x = 0, y = 0, z = 0;
};

const ModelNode* node_at(const ModelFile& file, std::int64_t p) {
  return p < 0 ? nullptr : &file.nodes[static_cast<std::size_t>(p)];
}

// The density of a MISOIEP material; NaN for a material without one.
double density_of(const ModelMaterial& m) {
  if (m.keyword != kIsotropicMaterial || m.values.size() < 4) return std::nan("");
  return m.values[3];
}

BeamMass beam_mass(const ModelFile& file, const ModelLookup& look, const ModelBeam& b) {
  BeamMass out;
  const ModelNode* a = node_at(file, look.node(b.node1));
  const ModelNode* e = node_at(file, look.node(b.node2));
  const std::int64_t section = look.section(b.section);
  const std::int64_t material = look.material(b.material);
  if (!a || !e || section < 0 || material < 0) return out;
  const double dx = e->x - a->x, dy = e->y - a->y, dz = e->z - a->z;
  out.length = std::sqrt(dx * dx + dy * dy + dz * dz);
  const ModelMaterial& m = file.materials[static_cast<std::size_t>(material)];
  out.has_density = m.keyword == kIsotropicMaterial;
  const double area = file.sections[static_cast<std::size_t>(section)].area;
  out.mass = out.has_density ? density_of(m) * area * out.length : 0.0;
  out.x = 0.5 * (a->x + e->x);
  out.y = 0.5 * (a->y + e->y);
  out.z = 0.5 * (a->z + e->z);
  out.known = std::isfinite(out.length) && std::isfinite(out.mass) && std::isfinite(out.x) &&
              std::isfinite(out.y) && std::isfinite(out.z);
  return out;
}

}  // namespace

MassFigures mass_of(const ModelFile& file, const ModelLookup& look,
                    std::span<const std::size_t> beams) {
  MassFigures f;
  std::vector<bool> seen(file.nodes.size());
  const auto see = [&](std::int32_t number) {
    const std::int64_t p = look.node(number);
    if (p < 0 || seen[static_cast<std::size_t>(p)]) return;
    seen[static_cast<std::size_t>(p)] = true;
    ++f.nodes;
  };
  double mx = 0, my = 0, mz = 0;
  for (const std::size_t i : beams) {
    ++f.beams;
    if (i >= file.beams.size()) {
      ++f.left_out;
      continue;
    }
    const ModelBeam& b = file.beams[i];
    see(b.node1);
    see(b.node2);
    const BeamMass m = beam_mass(file, look, b);
    if (!m.known) {
      ++f.left_out;
      continue;
    }
    if (!m.has_density) ++f.without_density;
    f.length += m.length;
    f.mass += m.mass;
    mx += m.mass * m.x;
    my += m.mass * m.y;
    mz += m.mass * m.z;
  }
  if (f.mass != 0) {
    f.x = mx / f.mass;
    f.y = my / f.mass;
    f.z = mz / f.mass;
  }
  return f;
}

MassFigures mass_of(const ModelFile& file, std::span<const std::size_t> beams) {
  return mass_of(file, ModelLookup(file), beams);
}

}  // namespace velkan
