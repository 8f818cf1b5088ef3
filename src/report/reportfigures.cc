// The model file's figures per riser of the listing, the differences to the
// listing's, and the model's supports, hinges and sea bed.
#include "report/reportfigures.h"

#include <algorithm>
#include <cmath>

#include "report/modellookup.h"
#include "report/numberindex.h"

namespace velkan {
namespace {

constexpr std::int64_t kNone = -1;
constexpr std::size_t kMarksDrawn = 1000;

double percent(double change, double of) {
  return of == 0 ? 0.0 : 100.0 * change / of;
}

bool fixed(const ModelNode& n) {
  return std::all_of(n.codes.begin(), n.codes.end(), [](std::int8_t c) { return c == 1; });
}

Point3 at(const ModelNode& n) {
  return {n.x, n.y, n.z};
}

// Where each node number of the listing's risers lies: its riser and its
// position along it. A node on two risers is an end of both (a branch); the
// first riser holds it in the index, the others are found by their ends.
class RiserIndex {
 public:
  explicit RiserIndex(const ListingFigures& f) : f_(f) {
    std::vector<std::int32_t> numbers;
    for (const ListingRiser& r : f.risers) {
      starts_.push_back(numbers.size());
      numbers.insert(numbers.end(), r.nodes.begin(), r.nodes.end());
    }
    index_ = NumberIndex(numbers);
  }

  struct Place {
    std::int64_t riser = kNone;
    std::size_t position = 0;
  };

  Place of(std::int32_t node) const {
    const std::int64_t p = index_.find(node);
    if (p < 0) return {};
    const auto i = static_cast<std::size_t>(p);
    const auto r = static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), i) -
                                            starts_.begin() - 1);
    return {static_cast<std::int64_t>(r), i - starts_[r]};
  }

  // The node's place on riser r, when it is one of its ends.
  std::optional<std::size_t> end_of(std::int64_t r, std::int32_t node) const {
    if (r < 0) return std::nullopt;
    const std::vector<std::int32_t>& nodes = f_.risers[static_cast<std::size_t>(r)].nodes;
    if (nodes.front() == node) return 0;
    if (nodes.back() == node) return nodes.size() - 1;
    return std::nullopt;
  }

  // The riser of a beam between two nodes, with the beam's lower position on
  // it; none when the two nodes lie on no riser together.
  std::optional<std::pair<std::size_t, std::size_t>> beam(std::int32_t n1, std::int32_t n2) const {
    const Place a = of(n1), b = of(n2);
    if (a.riser < 0 || b.riser < 0) return std::nullopt;
    if (a.riser == b.riser)
      return std::pair{std::size_t(a.riser), std::min(a.position, b.position)};
    if (const auto e = end_of(b.riser, n1))
      return std::pair{std::size_t(b.riser), std::min(*e, b.position)};
    if (const auto e = end_of(a.riser, n2))
      return std::pair{std::size_t(a.riser), std::min(*e, a.position)};
    return std::nullopt;
  }

 private:
  const ListingFigures& f_;
  std::vector<std::size_t> starts_;  // of each riser's nodes in the index
  NumberIndex index_;
};

// Whether a material is a spring reference (the material of a hinge beam),
// remembered for the material asked last: beams come in runs of one material.
class References {
 public:
  References(const ModelFile& file, const ModelLookup& look) : file_(file), look_(look) {}
  bool operator()(std::int32_t material) {
    if (material == last_ && known_) return answer_;
    const std::int64_t m = look_.material(material);
    answer_ = m >= 0 && file_.materials[static_cast<std::size_t>(m)].keyword == kSpringReferences;
    last_ = material;
    known_ = true;
    return answer_;
  }

 private:
  const ModelFile& file_;
  const ModelLookup& look_;
  std::int32_t last_ = 0;
  bool known_ = false, answer_ = false;
};

// The beams of one riser in their order along it, drawn as lines: a line
// goes on while each beam begins where the one before it ended.
std::vector<std::vector<Point3>> drawn_beams(const ModelFile& file, const ModelLookup& look,
                                             References& is_reference,
                                             std::span<const std::size_t> beams, double tolerance,
                                             std::size_t most) {
  std::vector<std::vector<Point3>> lines;
  LineThinner line(tolerance, tolerance, most);
  std::int32_t last = 0;
  const auto close = [&] {
    if (line.size() >= 2) lines.push_back(line.take());
    line.take();
  };
  for (const std::size_t b : beams) {
    const ModelBeam& beam = file.beams[b];
    const std::int64_t p1 = look.node(beam.node1), p2 = look.node(beam.node2);
    if (p1 < 0 || p2 < 0) continue;
    const ModelNode& a = file.nodes[static_cast<std::size_t>(p1)];
    const ModelNode& e = file.nodes[static_cast<std::size_t>(p2)];
    const bool on = line.size() > 0 && (beam.node1 == last || beam.node2 == last);
    const bool hinge = is_reference(beam.material);
    const ModelNode& from = on && beam.node2 == last ? e : a;
    const ModelNode& to = &from == &a ? e : a;
    if (!on) {
      close();
      line.add(at(from), true);
    } else if (hinge) {
      line.add(at(from), true);  // already taken, or passed over: taken now
    }
    line.add(at(to), hinge);
    last = to.number;
  }
  close();
  return lines;
}

// The segments of the coarser mesh on riser r, and the listing's elements of
// it that none covers.
void coarsening_of(const RiserIndex& index, const ConversionNotes& notes, std::size_t r,
                   std::size_t elements, ModelRiser& m) {
  std::vector<bool> covered(elements, false);
  for (std::size_t s = 0; s + 2 < notes.segments.size(); s += 3) {
    const auto place = index.beam(notes.segments[s], notes.segments[s + 1]);
    if (!place || place->first != r) continue;
    const RiserIndex::Place a = index.of(notes.segments[s]), b = index.of(notes.segments[s + 1]);
    std::size_t from =
        a.riser == std::int64_t(r) ? a.position : *index.end_of(std::int64_t(r), notes.segments[s]);
    std::size_t to = b.riser == std::int64_t(r)
                         ? b.position
                         : *index.end_of(std::int64_t(r), notes.segments[s + 1]);
    if (from > to) std::swap(from, to);
    for (std::size_t k = from; k < to && k < elements; ++k) covered[k] = true;
    ++m.segments;
    if (notes.segments[s + 2] > 1) ++m.grouping_segments;
  }
  m.elements_on_no_segment = std::count(covered.begin(), covered.end(), false);
}

double stiffness_of(const ModelFile& file, const ModelLookup& look, std::int32_t curve) {
  const std::int64_t c = look.material(curve);
  if (c < 0) return std::nan("");
  const std::vector<double>& v = file.materials[static_cast<std::size_t>(c)].values;
  if (v.size() < 4 || v[3] == v[1]) return std::nan("");
  return (v[2] - v[0]) / (v[3] - v[1]);
}

void hinges_of(const ModelFile& file, const ModelLookup& look, References& is_reference,
               ReportFigures& out) {
  for (const ModelBeam& b : file.beams) {
    if (!is_reference(b.material)) continue;
    ++out.hinge_beams;
    if (out.hinge_axial) continue;
    const ModelMaterial& m = file.materials[static_cast<std::size_t>(look.material(b.material))];
    if (m.references.size() < 5) continue;
    out.hinge_axial = stiffness_of(file, look, m.references[0]);
    out.hinge_bending = stiffness_of(file, look, m.references[4]);
  }
}

void seabed_of(const ModelFile& file, const ModelLookup& look, SeabedFigures& s) {
  s.springs = static_cast<std::int64_t>(file.springs.size());
  const std::size_t step = file.springs.size() / kMarksDrawn + 1;
  for (std::size_t i = 0; i < file.springs.size(); ++i) {
    const ModelSpring& sp = file.springs[i];
    const std::int64_t offset = std::int64_t{sp.number} - sp.node;
    if (std::find(s.offsets.begin(), s.offsets.end(), offset) == s.offsets.end()) {
      s.offsets.push_back(offset);
    }
    const std::int64_t n = look.node(sp.node);
    if (n >= 0 && i % step == 0) s.nodes.push_back(at(file.nodes[static_cast<std::size_t>(n)]));
  }
}

void nodes_of(const ModelFile& file, ReportFigures& out) {
  out.model_nodes = static_cast<std::int64_t>(file.nodes.size());
  std::vector<const ModelNode*> fixed_nodes;
  for (const ModelNode& n : file.nodes) {
    if (fixed(n)) fixed_nodes.push_back(&n);
    out.low = {std::min(out.low.x, n.x), std::min(out.low.y, n.y), std::min(out.low.z, n.z)};
    out.high = {std::max(out.high.x, n.x), std::max(out.high.y, n.y), std::max(out.high.z, n.z)};
  }
  out.fixed_nodes = static_cast<std::int64_t>(fixed_nodes.size());
  const std::size_t step = fixed_nodes.size() / kMarksDrawn + 1;
  for (std::size_t i = 0; i < fixed_nodes.size(); i += step)
    out.fixed_marks.push_back(at(*fixed_nodes[i]));
}

// The figures of every beam: those of the risers and of the beams on none
// added up, the centre weighted by their masses; the nodes are all the file's.
MassFigures whole_model(const ModelFile& file, const std::vector<RiserReport>& risers,
                        const MassFigures& apart) {
  MassFigures all;
  double mx = 0, my = 0, mz = 0;
  const auto add = [&](const MassFigures& m) {
    all.beams += m.beams;
    all.length += m.length;
    all.mass += m.mass;
    all.without_density += m.without_density;
    all.left_out += m.left_out;
    mx += m.mass * m.x;
    my += m.mass * m.y;
    mz += m.mass * m.z;
  };
  for (const RiserReport& r : risers) add(r.model.mass);
  add(apart);
  all.nodes = static_cast<std::int64_t>(file.nodes.size());
  if (all.mass != 0) {
    all.x = mx / all.mass;
    all.y = my / all.mass;
    all.z = mz / all.mass;
  }
  return all;
}

}  // namespace

Difference difference_of(const ListingSums& listing, const MassFigures& model) {
  Difference d;
  d.length = model.length - listing.length_nodes;
  d.length_percent = percent(d.length, listing.length_nodes);
  d.mass = model.mass - listing.mass;
  d.mass_percent = percent(d.mass, listing.mass);
  const Point3 c = listing.centre();
  const double dx = model.x - c.x, dy = model.y - c.y, dz = model.z - c.z;
  d.centre_shift = std::sqrt(dx * dx + dy * dy + dz * dz);
  d.centre_shift_percent = percent(d.centre_shift, listing.length_nodes);
  return d;
}

namespace {

// What every riser's figures are taken with.
struct Context {
  const ListingFigures& listing;
  const ModelFile& file;
  const ConversionNotes& notes;
  const ModelLookup look;
  const RiserIndex index;
  References is_reference;
  double tolerance = 0;
  std::size_t most = 0;

  Context(const ListingFigures& l, const ModelFile& f, const ConversionNotes& n)
      : listing(l), file(f), notes(n), look(f), index(l), is_reference(f, look) {
    const double dx = l.high.x - l.low.x, dy = l.high.y - l.low.y, dz = l.high.z - l.low.z;
    tolerance = kDrawnTolerance * std::sqrt(dx * dx + dy * dy + dz * dz);
    most = drawn_per_line(l.risers.size() + l.other_lines.size());
  }

  const ModelNode* node(std::int32_t number) const {
    const std::int64_t p = look.node(number);
    return p < 0 ? nullptr : &file.nodes[static_cast<std::size_t>(p)];
  }

  // The beams of each riser in their order along it (positions and beams in
  // 32 bits: a file holds fewer beams than that); the others into `out`.
  std::vector<std::vector<std::size_t>> beams_of_risers(ReportFigures& out,
                                                        std::vector<std::size_t>& apart) const {
    std::vector<std::vector<std::pair<std::uint32_t, std::uint32_t>>> on(listing.risers.size());
    for (std::size_t b = 0; b < file.beams.size(); ++b) {
      const ModelBeam& beam = file.beams[b];
      if (const auto place = index.beam(beam.node1, beam.node2)) {
        on[place->first].emplace_back(static_cast<std::uint32_t>(place->second),
                                      static_cast<std::uint32_t>(b));
        continue;
      }
      ++out.beams_on_no_riser;
      apart.push_back(b);
      const ModelNode *a = node(beam.node1), *e = node(beam.node2);
      if (a && e && out.beams_on_no_riser_drawn.size() < kMarksDrawn) {
        out.beams_on_no_riser_drawn.push_back({at(*a), at(*e)});
      }
    }
    std::vector<std::vector<std::size_t>> beams(on.size());
    for (std::size_t r = 0; r < on.size(); ++r) {
      if (!std::is_sorted(on[r].begin(), on[r].end())) std::sort(on[r].begin(), on[r].end());
      beams[r].reserve(on[r].size());
      for (const auto& [position, b] : on[r]) beams[r].push_back(b);
      on[r] = {};
    }
    return beams;
  }

  RiserReport riser(std::size_t r, std::span<const std::size_t> beams) {
    const ListingRiser& lr = listing.risers[r];
    RiserReport rr;
    rr.number = r + 1;
    rr.listing = &lr;
    rr.model.mass = mass_of(file, look, beams);
    for (const std::size_t b : beams) {
      if (!is_reference(file.beams[b].material)) continue;
      ++rr.model.hinges;
      const ModelNode *a = node(file.beams[b].node1), *e = node(file.beams[b].node2);
      if (a && e)
        rr.model.hinge_marks.push_back(
            {0.5 * (a->x + e->x), 0.5 * (a->y + e->y), 0.5 * (a->z + e->z)});
    }
    for (const std::int32_t end : {lr.first_node, lr.last_node}) {
      const ModelNode* n = node(end);
      if (!n) continue;
      ++rr.model.ends_in_model;
      if (fixed(*n)) ++rr.model.fixed_ends;
    }
    rr.model.drawn = drawn_beams(file, look, is_reference, beams, tolerance, most);
    if (notes.coarsened) {
      coarsening_of(index, notes, r, static_cast<std::size_t>(lr.sums.elements), rr.model);
    }
    rr.difference = difference_of(lr.sums, rr.model.mass);
    return rr;
  }
};

}  // namespace

ReportFigures report_figures(const ListingFigures& listing, const ModelFile& file,
                             const ConversionNotes& notes) {
  ReportFigures out;
  out.low = listing.low;
  out.high = listing.high;
  Context c(listing, file, notes);
  std::vector<std::size_t> apart;
  std::vector<std::vector<std::size_t>> beams = c.beams_of_risers(out, apart);
  for (std::size_t r = 0; r < listing.risers.size(); ++r) {
    out.risers.push_back(c.riser(r, beams[r]));
    beams[r] = {};
  }
  out.model = whole_model(file, out.risers, mass_of(file, c.look, apart));
  out.whole = difference_of(listing.whole, out.model);
  out.sections = static_cast<std::int64_t>(file.sections.size());
  out.surfaces = static_cast<std::int64_t>(file.surfaces.size());
  out.materials = static_cast<std::int64_t>(file.materials.size());
  nodes_of(file, out);
  hinges_of(file, c.look, c.is_reference, out);
  seabed_of(file, c.look, out.seabed);
  return out;
}

}  // namespace velkan
