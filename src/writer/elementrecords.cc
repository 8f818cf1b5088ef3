// The record layouts of the element section.
#include "writer/elementrecords.h"

#include <array>
#include <numeric>
#include <vector>

#include "platform/numfmt.h"
#include "writer/conventions.h"

namespace velkan {
namespace {

constexpr int kWide = 10;

std::int64_t sum_of(std::span<const std::int64_t> v) {
  return std::accumulate(v.begin(), v.end(), std::int64_t{0});
}

// Beam values: Elem ID, np1, np2, material, geom, lcoor, ecc1, ecc2. Five
// values without lcoor and eccentricities, six with a positive lcoor alone,
// otherwise all eight.
void write_beam(Units& io, int unit, std::string_view keyword, const ElementFields& f,
                std::int32_t e, bool wide) {
  const std::array<std::int64_t, 8> v{f.id(e),   f.node(e, 0), f.node(e, 1), f.material(e),
                                      f.geom(e), f.lcoor(e),   f.ecc(e, 0),  f.ecc(e, 1)};
  const std::int64_t eccs = v[6] + v[7];
  const std::size_t n = (v[5] + eccs == 0) ? 5 : (eccs == 0 && v[5] > 0) ? 6 : 8;
  static constexpr std::array<int, 8> kNarrow{9, 9, 9, 9, 9, 8, 8, 8};
  Line l;
  l.a(keyword);
  if (wide) {
    put_ints(l, v, kWide, n);
  } else {
    put_ints(l, v, kNarrow, n);
  }
  io.write(unit, l.str());
}

// Spring values: Elem ID, np1, material, lcoor (transformation), ecc1.
void write_spring(Units& io, int unit, const ElementFields& f, std::int32_t e, bool wide) {
  const std::array<std::int64_t, 5> v{f.id(e), f.node(e, 0), f.material(e), f.transform(e),
                                      f.ecc(e, 0)};
  const std::size_t n = (v[3] + v[4] == 0) ? 3 : (v[4] == 0 && v[3] > 0) ? 4 : 5;
  Line l;
  l.a(" SPRNG2GR ");
  put_ints(l, v, wide ? kWide : 9, n);
  io.write(unit, l.str());
}

// Shell values: Elem ID, `nodes` node numbers, material, geom, then one
// eccentricity per node; the eccentricities only when they do not sum to 0.
struct ShellValues {
  std::vector<std::int64_t> head;  // Elem ID, nodes, material, geom
  std::vector<std::int64_t> eccs;
  bool with_eccs() const { return sum_of(eccs) != 0; }
};

ShellValues shell_values(const ElementFields& f, std::int32_t e, int nodes, int node_step) {
  ShellValues s;
  s.head.push_back(f.id(e));
  for (int i = 0; i < nodes; ++i) s.head.push_back(f.node(e, i * node_step));
  s.head.push_back(f.material(e));
  s.head.push_back(f.geom(e));
  for (int i = 0; i < nodes; ++i) s.eccs.push_back(f.ecc(e, i));
  return s;
}

void write_shell_wide(Units& io, int unit, std::string_view keyword, const ShellValues& s) {
  Line l;
  l.a(keyword);
  put_ints(l, s.head, kWide, s.head.size());
  if (s.with_eccs()) put_ints(l, s.eccs, kWide, s.eccs.size());
  io.write(unit, l.str());
}

// Narrow shell: eccentricities on a continuation line of 44 blanks.
void write_shell_narrow(Units& io, int unit, std::string_view keyword, const ShellValues& s) {
  Line l;
  l.a(keyword);
  put_ints(l, s.head, 9, s.head.size());
  io.write(unit, l.str());
  if (!s.with_eccs()) return;
  l.clear().x(44);
  put_ints(l, s.eccs, 9, s.eccs.size());
  io.write(unit, l.str());
}

void write_shell(Units& io, int unit, std::string_view keyword, const ShellValues& s, bool wide) {
  if (wide) return write_shell_wide(io, unit, keyword, s);
  write_shell_narrow(io, unit, keyword, s);
}

// Narrow membrane: eccentricities as I7 on the same line.
void write_membrane(Units& io, int unit, const ElementFields& f, std::int32_t e, bool wide) {
  const ShellValues s = shell_values(f, e, 4, 1);
  if (wide) return write_shell_wide(io, unit, " MEMBRANE ", s);
  Line l;
  l.a(" MEMBRANE ");
  put_ints(l, s.head, 9, s.head.size());
  if (s.with_eccs()) put_ints(l, s.eccs, 7, s.eccs.size());
  io.write(unit, l.str());
}

void write_solid(Units& io, int unit, const ElementFields& f, std::int32_t e) {
  Line l;
  l.a(" SOLID8 ").i(f.id(e), 8);
  for (int i = 0; i < 8; ++i) l.i(f.node(e, i), 7);
  l.i(f.material(e), 8);
  io.write(unit, l.str());
}

// Keyword line with the node count, the nodes four to a line, the material.
void write_super(Units& io, int unit, const ElementFields& f, std::int32_t e) {
  const NodeRange r = f.held_nodes(e);
  Line l;
  l.a(" SUPERELM ").i(f.id(e), 9).i(r.count(), 9);
  io.write(unit, l.str());
  for (std::int64_t pos = r.lo; pos < r.hi; pos += 4) {
    l.clear().x(30);
    for (std::int64_t q = pos; q < r.hi && q < pos + 4; ++q) l.i(f.node_at(q), 9);
    io.write(unit, l.str());
  }
  io.write(unit, "'            Mater. ID ");
  io.write(unit, l.clear().x(10).i(f.material(e), 9).str());
}

void write_buoy(Units& io, int unit, const ElementFields& f, std::int32_t e, int nodes) {
  Line l;
  l.a(nodes == 1 ? " BUOYELEM " : " BUOYELM4 ").i(f.id(e), 9);
  for (int i = 0; i < nodes; ++i) l.i(f.node(e, i), 9);
  l.i(f.material_or_index(e), 9).i(f.geom(e), 9);
  io.write(unit, l.str());
}

}  // namespace

void write_element(Units& io, int unit, ElementKind kind, const ElementFields& f, std::int32_t e,
                   bool wide) {
  switch (kind) {
    case ElementKind::kBeam:
      return write_beam(io, unit, " BEAM     ", f, e, wide);
    case ElementKind::kZeroLengthBeam:
      return write_beam(io, unit, "#BEAM     ", f, e, wide);
    case ElementKind::kSpring:
      return write_spring(io, unit, f, e, wide);
    case ElementKind::kMembrane:
      return write_membrane(io, unit, f, e, wide);
    case ElementKind::kQuadShell:
      return write_shell(io, unit, " QUADSHEL ", shell_values(f, e, 4, 1), wide);
    case ElementKind::kQuadShellCorner:
      return write_shell(io, unit, " QUADSHEL ", shell_values(f, e, 4, 2), false);
    case ElementKind::kTriShell:
      return write_shell(io, unit, " TRISHELL ", shell_values(f, e, 3, 1), wide);
    case ElementKind::kSolid:
      return write_solid(io, unit, f, e);
    case ElementKind::kSuperElement:
      return write_super(io, unit, f, e);
    case ElementKind::kBuoy:
      return write_buoy(io, unit, f, e, 1);
    case ElementKind::kBuoy4:
      return write_buoy(io, unit, f, e, 4);
  }
}

}  // namespace velkan
