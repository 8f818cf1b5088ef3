// The risers overview: the listing read into its own store, its chains, and
// four blocks of plain aligned text. Node and element numbers are FlexCom's.
#include "commandline/riseroverview.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "commandline/listingmodel.h"
#include "commandline/texttable.h"
#include "lineinput/charutil.h"
#include "listing/listing.h"
#include "listing/propsections.h"
#include "platform/numfmt.h"
#include "platform/stop.h"
#include "process/meshmarking.h"
#include "process/riserchains.h"

namespace velkan {
namespace {

using Align = TextTable::Align;
constexpr Align L = Align::kLeft, R = Align::kRight;

// Three decimals, as the listing prints coordinates, in full digits (a field
// wide enough for any real); never "-0.000".
std::string decimals(double v) {
  std::string s(left_justified(fmt_f(v, 330, 3)));
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string counted(std::int64_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

struct Overview {
  const ListingModel& m;
  const RiserChains& chains;
  std::ostream& out;

  std::string node(std::int32_t n) const {
    if (n < 1 || n > m.NNP) return "-";
    return std::to_string(m.MNPEX[static_cast<std::size_t>(n - 1)]);
  }
  std::string elem(std::int32_t e) const {
    return std::to_string(m.MELEX[static_cast<std::size_t>(e - 1)]);
  }
  double coord(std::int32_t n, std::size_t k) const {
    return m.TCOORD.get(3 * static_cast<std::size_t>(n - 1) + k);
  }
  bool hinge(std::int32_t e) const { return m.MHINGE[static_cast<std::size_t>(e - 1)] == 1; }

  void risers(std::string_view listing) const;
  void riser_row(TextTable& table, std::size_t number, const Chain& c) const;
  void apart() const;
  std::string why(const Chain& c) const;
  void counts() const;
  void coarsening_limits() const;
  void tables() const;
};

void Overview::risers(std::string_view listing) const {
  out << " Risers of the listing " << listing
      << ": chains of two-node elements connected end to end\n\n";
  if (chains.risers.empty()) {
    out << " No riser: no chain of two elements or more that --coarsen can walk.\n\n";
    return;
  }
  TextTable table({R, R, R, R, R, R, R, R, L, L});
  table.add({"Riser", "First node", "Last node", "Elements", "Nodes", "Length", "Lowest Z",
             "Highest Z", "To coarsen", "Hinge elements"});
  for (std::size_t r = 0; r < chains.risers.size(); ++r) {
    riser_row(table, r + 1, chains.risers[r]);
  }
  table.write(out, " ");
  out << "\n --coarsen F:L:K walks a riser from F to L and makes every K elements one:"
         " K (nSkip) is\n yours to choose, 1 keeps the riser as it is. Elements on no segment"
         " are removed.\n\n";
}

void Overview::riser_row(TextTable& table, std::size_t number, const Chain& c) const {
  double length = 0.0, low = coord(c.first(), 2), high = low;
  for (std::size_t k = 1; k < c.nodes.size(); ++k) {
    const std::int32_t a = c.nodes[k - 1], b = c.nodes[k];
    length +=
        std::hypot(coord(b, 0) - coord(a, 0), coord(b, 1) - coord(a, 1), coord(b, 2) - coord(a, 2));
    low = std::min(low, coord(b, 2));
    high = std::max(high, coord(b, 2));
  }
  std::string hinges;
  for (const std::int32_t e : c.elems) {
    if (hinge(e)) hinges += (hinges.empty() ? "" : ", ") + elem(e);
  }
  table.add({std::to_string(number), node(c.first()), node(c.last()),
             std::to_string(c.elems.size()), std::to_string(c.nodes.size()), decimals(length),
             decimals(low), decimals(high),
             "--coarsen " + node(c.first()) + ":" + node(c.last()) + ":1",
             hinges.empty() ? "none" : hinges});
}

std::string Overview::why(const Chain& c) const {
  switch (c.kind) {
    case ChainKind::kDetached:
      return "detached";
    case ChainKind::kLoop:
      return "closed loop";
    case ChainKind::kBranch:
    case ChainKind::kRiser:
      break;
  }
  if (c.first() == c.last()) return "loop from branch node " + node(c.first());
  if (c.first_held >= kBranchElements) {
    return "between branches at nodes " + node(c.first()) + " and " + node(c.last());
  }
  return "branch at node " + node(c.last());
}

void Overview::apart() const {
  std::size_t count = chains.lone.size();
  for (const Chain& c : chains.apart) count += c.elems.size();
  if (count == 0) {
    out << " Elements on no riser: none\n\n";
    return;
  }
  out << " Elements on no riser: " << count << "\n\n";
  TextTable table({R, R, R, R, R, L});
  table.add({"Elements", "First element", "Last element", "First node", "Last node", "Why"});
  for (const Chain& c : chains.apart) {
    table.add({std::to_string(c.elems.size()), elem(c.elems.front()), elem(c.elems.back()),
               node(c.first()), node(c.last()), why(c)});
  }
  static const char* const kLoneWhy[] = {"not two nodes", "its two nodes are one",
                                         "a node not in the model"};
  for (const LoneElement& l : chains.lone) {
    const auto at = static_cast<std::size_t>(m.MPMNPC[static_cast<std::size_t>(l.elem - 1)] - 1);
    const bool two = l.why != LoneReason::kNotTwoNodes;
    table.add({"1", elem(l.elem), elem(l.elem), two ? node(m.MNPC[at]) : "-",
               two ? node(m.MNPC[at + 1]) : "-", kLoneWhy[static_cast<int>(l.why)]});
  }
  table.write(out, " ");
  out << '\n';
}

void Overview::counts() const {
  const auto hinges = std::count(m.MHINGE.begin(), m.MHINGE.end(), 1);
  out << " Model\n";
  TextTable table({L, R});
  table.add({"Nodes", std::to_string(m.NNP)});
  table.add({"Elements", std::to_string(m.NEL)});
  table.add({"Hinge elements", std::to_string(hinges)});
  table.write(out, "   ");
  coarsening_limits();
  out << '\n';
}

// What makes the coarser mesh fail on the whole model, whatever the segments:
// a node without elements, a node of more elements than it takes, an element
// with a node that is not in the model.
void Overview::coarsening_limits() const {
  std::vector<std::int64_t> held(static_cast<std::size_t>(m.NNP), 0);
  for (const std::int32_t n : m.MNPC) {
    if (n >= 1 && n <= m.NNP) ++held[static_cast<std::size_t>(n - 1)];
  }
  const auto smallest = [&](auto is) {
    std::int64_t n = 0;
    std::int32_t first = 0;
    for (std::size_t k = 0; k < held.size(); ++k) {
      if (!is(held[k])) continue;
      if (n++ == 0 || m.MNPEX[k] < first) first = m.MNPEX[k];
    }
    return std::make_pair(n, first);
  };
  const auto [free_nodes, first_free] = smallest([](std::int64_t h) { return h == 0; });
  const auto [crowded, first_crowded] =
      smallest([](std::int64_t h) { return h > kMaxElemsPerNode; });
  std::int64_t outside = 0;
  std::string first_outside;
  for (const LoneElement& l : chains.lone) {
    if (l.why != LoneReason::kNoNode) continue;
    if (outside++ == 0) first_outside = elem(l.elem);
  }
  const std::string fails = " *** --coarsen fails on this listing: ";
  if (free_nodes > 0) {
    out << fails << counted(free_nodes, "node", "nodes")
        << " held by no element (the first: " << first_free << ")\n";
  }
  if (crowded > 0) {
    out << fails << counted(crowded, "node", "nodes") << " held by more than " << kMaxElemsPerNode
        << " elements (the first: " << first_crowded << ")\n";
  }
  if (outside > 0) {
    out << fails << counted(outside, "element", "elements")
        << " with a node not in the model (the first: " << first_outside << ")\n";
  }
}

void Overview::tables() const {
  TextTable table({L, L, R, L});
  table.add({"Table", "In listing", "Elements without a row"});
  for (std::size_t t = 0; t < kPropSections.size(); ++t) {
    const TableRows& rows = m.properties[t];
    table.add({std::string(kPropSections[t].title), rows.found ? "yes" : "no",
               rows.found ? std::to_string(rows.missing) : "-"});
  }
  const std::string last = elem(m.NEL);
  for (std::size_t t = 0; t < kResultTitles.size(); ++t) {
    const ResultTable& r = m.results[t];
    std::string note;
    if (r.refused) {
      note = r.rows.read_whole ? "its last row is not of the last element, " + last
                               : "a number in it is not finite";
    }
    table.add({std::string(trimmed(kResultTitles[t])), r.rows.found ? "yes" : "no",
               r.rows.read_whole ? std::to_string(r.rows.missing) : "-", note});
  }
  table.write(out, " ");
  out << "\n Under " << kPropSections[kFluidSection - 1].title
      << ": the elements that name a fluid set that has no row.\n";
}

}  // namespace

int show_risers(std::string_view listing, std::ostream& out) {
  try {
    ListingModel m;
    if (!m.read(listing)) {
      out << m.failure() << '\n';
      return 1;
    }
    const std::optional<RiserChains> chains =
        riser_chains(m.MNPC, m.MPMNPC, m.NEL, m.NNP, m.MNPEX, m.MELEX);
    if (!chains) {
      out << " *** The elements of the listing " << trimmed(listing) << " do not fit its counts.\n";
      return 1;
    }
    std::ostringstream text;  // written whole, or not at all
    const Overview o{m, *chains, text};
    o.risers(trimmed(listing));
    o.apart();
    o.counts();
    o.tables();
    out << text.str();
    return 0;
  } catch (const std::bad_alloc&) {
    out << " *** Out of memory: the system gave the run no more memory.\n";
  } catch (const ProgramStop&) {
    out << " *** The listing " << trimmed(listing) << " cannot be read: its end came twice.\n";
  }
  return 1;
}

}  // namespace velkan
