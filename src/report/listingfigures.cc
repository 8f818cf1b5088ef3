// The listing's figures per riser and for the whole model, and the points of
// its drawing.
#include "report/listingfigures.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "process/riserchains.h"

namespace velkan {
namespace {

constexpr double kSeaWater = 1025.0;  // as the Shear7 export takes it

std::size_t at0(std::int64_t one_based) {
  return static_cast<std::size_t>(one_based - 1);
}

// One element as the figures see it.
struct Element {
  std::int32_t number = 0;
  bool hinge = false;
  double w7 = 0, mass_per_length = 0, diameter = 0, profile_mass = 0;
  double span = 0;  // the distance between its nodes
  Point3 mid;
};

class Reader {
 public:
  explicit Reader(const ListingArrays& a) : a_(a) {}

  std::optional<Point3> node(std::int32_t n) const {
    if (n < 1 || n > a_.NNP) return std::nullopt;
    const std::size_t i = 3 * at0(n);
    return Point3{a_.TCOORD.get(i), a_.TCOORD.get(i + 1), a_.TCOORD.get(i + 2)};
  }

  // Word k (from 1) of element e's property row.
  double word(std::int32_t e, std::size_t k) const {
    return a_.ELPROP.get(at0(e) * static_cast<std::size_t>(a_.row) + k - 1);
  }

  Element element(std::int32_t e) const {
    Element out;
    out.number = a_.MELEX[at0(e)];
    out.hinge = a_.MHINGE[at0(e)] == 1;
    constexpr double quarter_pi = std::numbers::pi / 4;
    const double w8 = word(e, 8), w9 = word(e, 9);
    out.w7 = word(e, 7);
    out.mass_per_length = word(e, 5) + quarter_pi * w8 * w8 * word(e, 27);
    out.diameter = w9;
    out.profile_mass = word(e, 5) + quarter_pi * w9 * w9 * kSeaWater * word(e, 19);
    const auto p = static_cast<std::size_t>(a_.MPMNPC[at0(e)]);
    const std::optional<Point3> n1 = node(a_.MNPC[p - 1]), n2 = node(a_.MNPC[p]);
    if (n1 && n2) {
      const double dx = n2->x - n1->x, dy = n2->y - n1->y, dz = n2->z - n1->z;
      out.span = std::sqrt(dx * dx + dy * dy + dz * dz);
      out.mid = {0.5 * (n1->x + n2->x), 0.5 * (n1->y + n2->y), 0.5 * (n1->z + n2->z)};
    } else if (n1 || n2) {
      out.mid = n1 ? *n1 : *n2;
    }
    return out;
  }

  std::int32_t node_number(std::int32_t n) const { return a_.MNPEX[at0(n)]; }
  bool hinge(std::int32_t e) const { return a_.MHINGE[at0(e)] == 1; }

 private:
  const ListingArrays& a_;
};

void count_zero(std::int64_t& count, std::int32_t& first, std::int32_t element) {
  if (count++ == 0) first = element;
}

void add(ListingSums& s, const Element& e) {
  ++s.elements;
  s.length_w7 += e.w7;
  s.length_nodes += e.span;
  if (e.hinge) {
    ++s.hinges;
    return;
  }
  s.length_w7_plain += e.w7;
  s.length_nodes_plain += e.span;
  const double m = e.mass_per_length;
  if (!s.has_mass_per_length || m < s.mass_per_length_min) {
    s.mass_per_length_min = m;
    s.min_element = e.number;
  }
  if (!s.has_mass_per_length || m > s.mass_per_length_max) {
    s.mass_per_length_max = m;
    s.max_element = e.number;
  }
  s.has_mass_per_length = true;
  const double mass = m * e.w7;
  s.mass += mass;
  s.moment_x += mass * e.mid.x;
  s.moment_y += mass * e.mid.y;
  s.moment_z += mass * e.mid.z;
  if (e.diameter == 0) count_zero(s.zero_diameter, s.first_zero_diameter, e.number);
  if (m == 0) count_zero(s.zero_mass, s.first_zero_mass, e.number);
  if (e.w7 == 0 || e.span == 0) count_zero(s.zero_length, s.first_zero_length, e.number);
}

void add(ListingProfile& p, const Element& e, bool first) {
  p.length += e.w7;
  p.mass += e.profile_mass * e.w7;
  if (first || e.profile_mass < p.mass_per_length_min) p.mass_per_length_min = e.profile_mass;
  if (first || e.profile_mass > p.mass_per_length_max) p.mass_per_length_max = e.profile_mass;
}

// The drawn points of a chain, its hinges kept.
std::vector<Point3> drawn_line(const Reader& r, const Chain& c, double tolerance, std::size_t most,
                               std::vector<Point3>* hinges) {
  LineThinner line(tolerance, tolerance, most);
  for (std::size_t k = 0; k < c.nodes.size(); ++k) {
    const bool hinge =
        (k < c.elems.size() && r.hinge(c.elems[k])) || (k > 0 && r.hinge(c.elems[k - 1]));
    line.add(r.node(c.nodes[k]).value_or(Point3{}), hinge);
    if (hinge && hinges && k < c.elems.size() && r.hinge(c.elems[k])) {
      hinges->push_back(r.element(c.elems[k]).mid);
    }
  }
  return line.take();
}

void extend(ListingFigures& f, const Reader& r, std::int32_t nnp) {
  for (std::int32_t n = 1; n <= nnp; ++n) {
    const Point3 p = *r.node(n);
    if (n == 1) f.low = f.high = p;
    f.low = {std::min(f.low.x, p.x), std::min(f.low.y, p.y), std::min(f.low.z, p.z)};
    f.high = {std::max(f.high.x, p.x), std::max(f.high.y, p.y), std::max(f.high.z, p.z)};
  }
}

}  // namespace

std::size_t drawn_per_line(std::size_t lines) {
  constexpr std::size_t kInAll = 20000, kAtLeast = 8;
  return std::clamp(kInAll / std::max<std::size_t>(lines, 1), kAtLeast, kDrawnPerRiser);
}

Point3 ListingSums::centre() const {
  if (mass == 0) return {};
  return {moment_x / mass, moment_y / mass, moment_z / mass};
}

// Every element is taken once, in listing order, into the whole model, the
// profile and the sums of its riser.
ListingFigures listing_figures(const ListingArrays& a) {
  ListingFigures f;
  const Reader r(a);
  extend(f, r, a.NNP);
  f.whole.nodes = a.NNP;
  const std::optional<RiserChains> chains =
      riser_chains(a.MNPC, a.MPMNPC, a.NEL, a.NNP, a.MNPEX, a.MELEX);
  constexpr std::int32_t kNoRiser = -1;
  std::vector<std::int32_t> riser_of(static_cast<std::size_t>(std::max(a.NEL, 0)), kNoRiser);
  if (chains) {
    for (std::size_t i = 0; i < chains->risers.size(); ++i) {
      for (const std::int32_t e : chains->risers[i].elems)
        riser_of[at0(e)] = static_cast<std::int32_t>(i);
    }
    f.risers.resize(chains->risers.size());
  }
  for (std::int32_t e = 1; e <= a.NEL; ++e) {
    const Element el = r.element(e);
    add(f.whole, el);
    add(f.profile, el, e == 1);
    if (const std::int32_t i = riser_of[at0(e)]; i != kNoRiser)
      add(f.risers[std::size_t(i)].sums, el);
  }
  if (!chains) return f;
  const double dx = f.high.x - f.low.x, dy = f.high.y - f.low.y, dz = f.high.z - f.low.z;
  const double tolerance = kDrawnTolerance * std::sqrt(dx * dx + dy * dy + dz * dz);
  const std::size_t most = drawn_per_line(chains->risers.size() + chains->apart.size());
  for (std::size_t i = 0; i < chains->risers.size(); ++i) {
    const Chain& c = chains->risers[i];
    ListingRiser& riser = f.risers[i];
    riser.first_node = r.node_number(c.first());
    riser.last_node = r.node_number(c.last());
    riser.nodes.reserve(c.nodes.size());
    for (const std::int32_t n : c.nodes) riser.nodes.push_back(r.node_number(n));
    riser.sums.nodes = static_cast<std::int64_t>(c.nodes.size());
    riser.drawn = drawn_line(r, c, tolerance, most, &riser.hinges);
  }
  f.elements_on_no_riser = static_cast<std::int64_t>(chains->lone.size());
  for (const Chain& c : chains->apart) {
    f.elements_on_no_riser += static_cast<std::int64_t>(c.elems.size());
    f.other_lines.push_back(drawn_line(r, c, tolerance, most, nullptr));
  }
  return f;
}

}  // namespace velkan
