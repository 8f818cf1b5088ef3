// Counting a model file's records and weighing its beams.
#include "report/modelfigures.h"

#include <charconv>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

namespace velkan {
namespace {

constexpr std::size_t kNameWidth = 28;
constexpr std::size_t kValueWidth = 24;

std::int64_t fixed_nodes(const ModelFile& file) {
  std::int64_t n = 0;
  for (const ModelNode& node : file.nodes) {
    bool fixed = true;
    for (const std::int8_t c : node.codes) fixed = fixed && c == 1;
    n += fixed ? 1 : 0;
  }
  return n;
}

std::int64_t hinge_references(const ModelFile& file, const ModelLookup& look) {
  std::vector<bool> named(file.materials.size());
  std::int64_t n = 0;
  for (const ModelBeam& b : file.beams) {
    const std::int64_t m = look.material(b.material);
    if (m < 0 || named[static_cast<std::size_t>(m)]) continue;
    if (file.materials[static_cast<std::size_t>(m)].keyword != kSpringReferences) continue;
    named[static_cast<std::size_t>(m)] = true;
    ++n;
  }
  return n;
}

std::string full_digits(double v) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

void put(std::ostream& out, std::string_view name, const std::string& value) {
  std::string line(name);
  line.resize(kNameWidth, ' ');
  if (value.size() < kValueWidth) line.append(kValueWidth - value.size(), ' ');
  out << line << value << '\n';
}

void put(std::ostream& out, std::string_view name, std::int64_t value) {
  put(out, name, std::to_string(value));
}

}  // namespace

ModelFigures figures_of(const ModelFile& file) {
  ModelFigures f;
  f.nodes = static_cast<std::int64_t>(file.nodes.size());
  f.fixed_nodes = fixed_nodes(file);
  f.beams = static_cast<std::int64_t>(file.beams.size());
  f.sections = static_cast<std::int64_t>(file.sections.size());
  f.surfaces = static_cast<std::int64_t>(file.surfaces.size());
  f.materials = static_cast<std::int64_t>(file.materials.size());
  for (const ModelMaterial& m : file.materials) {
    f.isotropic += m.keyword == kIsotropicMaterial ? 1 : 0;
    f.curves += m.keyword == kCurveMaterial ? 1 : 0;
    f.references += m.keyword == kSpringReferences ? 1 : 0;
  }
  f.time_dependent = static_cast<std::int64_t>(file.time_dependent.size());
  f.seabed_springs = static_cast<std::int64_t>(file.springs.size());
  const ModelLookup look(file);
  f.hinge_references = hinge_references(file, look);
  std::vector<std::size_t> all(file.beams.size());
  std::iota(all.begin(), all.end(), std::size_t{0});
  f.all_beams = mass_of(file, look, all);
  return f;
}

void write_figures(const ModelFigures& f, std::ostream& out) {
  put(out, "  nodes", f.nodes);
  put(out, "  fixed nodes", f.fixed_nodes);
  put(out, "  beams", f.beams);
  put(out, "  cross-sections", f.sections);
  put(out, "  surface geometries", f.surfaces);
  put(out, "  materials", f.materials);
  put(out, "    MISOIEP", f.isotropic);
  put(out, "    HYPELAST", f.curves);
  put(out, "    MREF", f.references);
  put(out, "  time-dependent materials", f.time_dependent);
  put(out, "  hinge references", f.hinge_references);
  put(out, "  sea-bed springs", f.seabed_springs);
  const MassFigures& m = f.all_beams;
  put(out, "  length along the nodes", full_digits(m.length));
  put(out, "  mass", full_digits(m.mass));
  const bool centre = m.mass != 0;
  put(out, "  centre of mass X", centre ? full_digits(m.x) : "-");
  put(out, "  centre of mass Y", centre ? full_digits(m.y) : "-");
  put(out, "  centre of mass Z", centre ? full_digits(m.z) : "-");
  put(out, "  beams without density", m.without_density);
  put(out, "  beams left out", m.left_out);
}

}  // namespace velkan
