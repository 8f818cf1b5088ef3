// The coarser-mesh dialogue and the calls that coarsen the model.
#include "driver/coarsening.h"

#include <array>
#include <string>
#include <vector>

#include "driver/prompttexts.h"
#include "driver/vomarsteps.h"
#include "platform/consoleunits.h"
#include "platform/numfmt.h"
#include "process/meshmarking.h"
#include "store/arraylookup.h"
#include "store/arrayviews.h"
#include "store/connectivity.h"
#include "store/numberlookup.h"

namespace velkan {
namespace {

struct Riser {
  std::int32_t first = 0, last = 0;  // FlexCom node numbers
};

// A count from the console within 0..limit, asked again until it is one.
std::int32_t bounded_count(Conversion& c, std::string_view prompt, std::int32_t limit,
                           std::string_view what) {
  for (;;) {
    const std::int32_t n = c.ask.integers(prompt, 1)[0];
    if (n >= 0 && n <= limit) return n;
    c.io.write(LTO, " *** " + std::string(what) + ": please give a number from 0 to " +
                        std::to_string(limit) + ".");
  }
}

// Risers and their segments (first node, last node, nSkip), all risers one
// after another.
std::vector<Riser> ask_segments(Conversion& c, std::vector<std::int32_t>& segments) {
  const std::int32_t nrisers = bounded_count(c, kRisersPrompt, kMaxRisers, "At most 10 risers");
  std::vector<Riser> risers(static_cast<std::size_t>(nrisers));
  for (std::int32_t r = 1; r <= nrisers; ++r) {
    c.io.newline(LTO);
    c.io.write(LTO, Line().a(" Specify Data for Riser no:").i(r, 3).str());
    const auto room = static_cast<std::int32_t>(kMaxSegments - segments.size() / 3);
    const std::int32_t nseg =
        bounded_count(c, kSegmentsPrompt, room, "At most 200 segments in all");
    for (std::int32_t s = 1; s <= nseg; ++s) {
      c.io.write(LTO, Line().a(" Segm no:").i(s, 3).str());
      const std::vector<std::int32_t> row = c.ask.integers(kSegmentPrompt, 3);
      segments.insert(segments.end(), row.begin(), row.end());
      Riser& riser = risers[static_cast<std::size_t>(r - 1)];
      if (s == 1) riser.first = row[0];
      if (s == nseg) riser.last = row[1];
    }
  }
  return risers;
}

// Fixes all six degrees of freedom of every riser end node; false (with the
// "Illegal node:" line) when an end is not a node of the model.
bool fix_riser_ends(Conversion& c, VomarModel& m, const std::vector<Riser>& risers) {
  const FirstPositions nodes(leading(ConstIntSpan(m.MNPEX), m.NNP));
  for (const Riser& riser : risers) {
    for (const std::int32_t node : {riser.first, riser.last}) {
      const std::int32_t n = nodes.find(node);
      if (n == 0) {
        c.io.write(LTO, Line().a("Illegal node:").i(node, 8).str());
        return false;
      }
      for (std::size_t k = 0; k < 6; ++k) m.NBOUN[6 * static_cast<std::size_t>(n - 1) + k] = 1;
    }
  }
  return true;
}

// Every segment end must be a node of the model, inner ones too: the
// coarsening would otherwise fail without saying why. False (with the
// "Illegal node:" line) when one is not.
bool segment_ends_known(Conversion& c, const VomarModel& m,
                        const std::vector<std::int32_t>& segments) {
  const FirstPositions nodes(leading(ConstIntSpan(m.MNPEX), m.NNP));
  for (std::size_t s = 0; s + 2 < segments.size(); s += 3) {
    for (const std::int32_t node : {segments[s], segments[s + 1]}) {
      if (nodes.find(node) != 0) continue;
      c.io.write(LTO, Line().a("Illegal node:").i(node, 8).str());
      return false;
    }
  }
  return true;
}

}  // namespace

bool coarsen_mesh(Conversion& c, VomarModel& m) {
  std::vector<std::int32_t> segments;
  const std::vector<Riser> risers = ask_segments(c, segments);
  if (!fix_riser_ends(c, m, risers) || !segment_ends_known(c, m, segments)) return false;
  if (c.notes) {
    c.notes->coarsened = true;
    c.notes->segments = segments;
  }
  std::int32_t status = 0;
  const CoarseningLists lists{
      .MELNP = book_ints(c.io, c.wa, "MELNP", kMaxElemsPerNode * static_cast<std::int64_t>(m.NNP),
                         "SCRA", LPU, status),
      .MNELNP = book_ints(c.io, c.wa, "MNELNP", m.NNP, "SCRA", LPU, status),
      .MSKPEL = book_ints(c.io, c.wa, "MSKPEL", m.NEL, "SCRA", LPU, status)};
  ARZERO(c.io, c.wa, "MSKPEL", LPU, status);
  if (status != 0) return false;
  MKELNP(c.io, m.MNPC, m.MPMNPC, m.NEL, m.NNP, kMaxElemsPerNode, lists.MNELNP, lists.MELNP, m.MELEX,
         m.MNPEX, LPU, status);
  if (status != 0) return false;
  mark_coarser_mesh(c, m, segments, lists, status);
  if (status != 0) return false;
  compact_mesh(c, m, lists, status);
  return status == 0;
}

}  // namespace velkan
