// Marking for the coarser mesh (MRKSKP). Each segment is walked from its first node;
// the start element is the one whose walk reaches the segment's last node, and
// the walked elements are grouped nSkip at a time, the first of each group
// stretched to the group's far end. A hinge element is never part of a group.
#include "process/meshmarking.h"

#include <algorithm>
#include <string>

#include "platform/consoleunits.h"
#include "platform/numfmt.h"
#include "process/errorreport.h"
#include "process/meshwalk.h"
#include "store/indexchecks.h"
#include "store/numberlookup.h"

namespace velkan {
namespace {

struct Segment {
  std::int32_t first, last;  // internal node numbers
  std::int64_t skip;         // elements per group, at least 1
};

struct Marking {
  const Mesh& mesh;
  ConstIntSpan mnpc, mpmnpc, mnpex, melex, mhinge;
  IntSpan mskpel, mscra;

  void keep(std::int32_t elem) { mskpel[static_cast<std::size_t>(elem - 1)] = 0; }
  bool is_hinge(std::int32_t elem) const { return mhinge[static_cast<std::size_t>(elem - 1)] == 1; }

  // The slot of `elem` that does not hold `from` is moved to `to`.
  void stretch(std::int32_t elem, std::int32_t from, std::int32_t to) {
    const auto pos = static_cast<std::size_t>(mpmnpc[static_cast<std::size_t>(elem - 1)] - 1);
    mscra[mnpc[pos] == from ? pos + 1 : pos] = to;
  }

  // Groups of `skip` elements along the walk: the first of each group is kept
  // and ends where the group ends; the element that reaches the last node is
  // kept as it is, and the group before it ends where it begins. A hinge
  // element likewise ends the group before it and is kept as it is, so that
  // its spring stays where it was; the next group starts after it.
  void apply(const Walk& w, std::int64_t skip) {
    const auto m = static_cast<std::int64_t>(w.elems.size());
    const auto elem = [&](std::int64_t k) { return w.elems[static_cast<std::size_t>(k - 1)]; };
    const auto node = [&](std::int64_t k) { return w.nodes[static_cast<std::size_t>(k)]; };
    std::int64_t start = 1;
    while (start < m) {
      if (is_hinge(elem(start))) {
        keep(elem(start));
        ++start;
        continue;
      }
      const std::int64_t last = std::min(start + skip - 1, m - 1);
      std::int64_t end = start;
      while (end < last && !is_hinge(elem(end + 1))) ++end;
      stretch(elem(start), node(start - 1), node(end));
      keep(elem(start));
      start = end + 1;
    }
    keep(elem(m));
  }

  std::int32_t ext_node(std::int32_t n) const { return mnpex[static_cast<std::size_t>(n - 1)]; }
  std::int32_t ext_elem(std::int32_t e) const { return melex[static_cast<std::size_t>(e - 1)]; }
};

std::string why_stopped(const Marking& mk, const Walk& w) {
  switch (w.end) {
    case WalkEnd::kFreeEnd:
      return Line().a("   Free end at node").i(mk.ext_node(w.at), 10).str();
    case WalkEnd::kBranch:
      return Line()
          .a("   Branch at node")
          .i(mk.ext_node(w.at), 10)
          .a(" held by elements:")
          .i(static_cast<std::int64_t>(mk.mesh.elements_at(w.at).size()), 5)
          .str();
    case WalkEnd::kBadElement:
      return Line()
          .a("   Element")
          .i(mk.ext_elem(w.at), 10)
          .a(" has not two different model nodes")
          .str();
    case WalkEnd::kNotReached:
      return Line().a("   Last node not reached after").i(mk.mesh.nel(), 10).a(" elements").str();
    case WalkEnd::kReached:
      break;
  }
  return {};
}

void report_walk(Units& io, int lto, const Marking& mk, const Segment& s, std::string_view why) {
  const std::string seg = Line()
                              .a("   Segment from node")
                              .i(mk.ext_node(s.first), 10)
                              .a(" to node")
                              .i(mk.ext_node(s.last), 10)
                              .str();
  report_error(io, lto, "MRKSKP", {seg, why});
}

// Chooses the start element at the first node and walks the segment. With two
// elements at the node the usual choice G is the higher one while the lower is
// still marked for removal, else the lower; G - 1 is then kept. When G leads
// away from the last node, the walk starts on the other element and G is kept.
bool mark_segment(Units& io, int lto, Marking& mk, const Segment& s) {
  const ConstIntSpan at = mk.mesh.elements_at(s.first);
  if (at.size() == 1) {
    const Walk w = walk_to(mk.mesh, s.first, at[0], s.last);
    if (w.end != WalkEnd::kReached) {
      report_walk(io, lto, mk, s, why_stopped(mk, w));
      return false;
    }
    mk.apply(w, s.skip);
    return true;
  }
  if (at.size() != 2) {
    io.write(LTO,
             Line().a(" Illegal no of elem:").i(static_cast<std::int64_t>(at.size()), 5).str());
    return false;
  }
  const std::int32_t a = at[0], b = at[1];
  const std::int32_t g = mk.mskpel[static_cast<std::size_t>(a - 1)] == 1 ? b : a;
  const std::int32_t h = g == b ? a : b;
  const Walk wg = walk_to(mk.mesh, s.first, g, s.last);
  if (wg.end == WalkEnd::kReached) {
    if (g > 1) mk.keep(g - 1);
    mk.apply(wg, s.skip);
    return true;
  }
  const Walk wh = walk_to(mk.mesh, s.first, h, s.last);
  if (wh.end == WalkEnd::kReached) {
    mk.keep(g);
    mk.apply(wh, s.skip);
    return true;
  }
  report_walk(io, lto, mk, s, "   No walk from the first node reaches the last node");
  return false;
}

bool arrays_fit(std::int32_t nseg, ConstIntSpan segments, std::int32_t nel, std::int32_t nnp,
                ConstIntSpan mnpc, ConstIntSpan mpmnpc, ConstIntSpan mnpex, ConstIntSpan melex,
                ConstIntSpan mhinge, IntSpan mskpel, IntSpan mscra) {
  if (nel < 0 || nnp < 0 || !element_pointers_fit(mpmnpc, nel, mnpc.size())) return false;
  const std::int64_t entries = std::int64_t{mpmnpc[static_cast<std::size_t>(nel)]} - 1;
  return has_room(segments.size(), std::int64_t{std::max(nseg, 0)} * 3) &&
         has_room(mnpex.size(), nnp) && has_room(melex.size(), nel) &&
         has_room(mhinge.size(), nel) && has_room(mskpel.size(), nel) &&
         has_room(mscra.size(), entries);
}

}  // namespace

void MRKSKP(Units& io, std::int32_t NSEG, ConstIntSpan SEGMENTS, std::int32_t NEL, std::int32_t NNP,
            IntSpan MNPC, ConstIntSpan MPMNPC, ConstIntSpan MNPEX, ConstIntSpan MELEX,
            ConstIntSpan MHINGE, IntSpan MSKPEL, IntSpan MSCRA, int LTO, std::int32_t& status) {
  if (!arrays_fit(NSEG, SEGMENTS, NEL, NNP, MNPC, MPMNPC, MNPEX, MELEX, MHINGE, MSKPEL, MSCRA)) {
    report_error(io, LTO, "MRKSKP", {"   Connectivity arrays do not fit the model counts"});
    status = -1;
    return;
  }
  const std::optional<Mesh> mesh = Mesh::build(MNPC, MPMNPC, NEL, NNP);
  const auto entries = count_of(std::int64_t{MPMNPC[static_cast<std::size_t>(NEL)]} - 1);
  std::fill_n(MSKPEL.begin(), count_of(NEL), 1);
  std::copy_n(MNPC.begin(), entries, MSCRA.begin());
  Marking mk{*mesh, MNPC, MPMNPC, MNPEX, MELEX, MHINGE, MSKPEL, MSCRA};
  const FirstPositions node_of(MNPEX.first(count_of(NNP)));
  for (std::size_t k = 0; k < count_of(NSEG); ++k) {
    const ConstIntSpan row = SEGMENTS.subspan(3 * k, 3);
    const Segment s{node_of.find(row[0]), node_of.find(row[1]), std::max<std::int64_t>(row[2], 1)};
    if (s.first == 0 || s.last == 0 || !mark_segment(io, LTO, mk, s)) {
      status = -1;
      return;
    }
  }
  std::copy_n(MSCRA.begin(), entries, MNPC.begin());
}

}  // namespace velkan
