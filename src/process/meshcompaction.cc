// Applying the coarsening marks (SKPCHG): removed elements and unused nodes leave the
// model, everything kept moves forward in its order, and the element nodes are
// renumbered through their FlexCom node numbers (first match).
#include "process/meshcompaction.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/int32arith.h"
#include "platform/numfmt.h"
#include "process/errorreport.h"
#include "process/meshwalk.h"
#include "store/connectivity.h"
#include "store/indexchecks.h"
#include "store/numberlookup.h"

namespace velkan {
namespace {

constexpr std::size_t kBoundCodes = 6;
constexpr std::size_t kCoords = 3;
constexpr std::int64_t kNoNode = std::numeric_limits<std::int64_t>::min();

void zero(IntSpan a, std::size_t first, std::size_t end) {
  std::fill(a.begin() + static_cast<std::ptrdiff_t>(first),
            a.begin() + static_cast<std::ptrdiff_t>(end), 0);
}

struct ElementArrays {
  IntSpan melex, meltyp, melmat, melloc, melgeo, mhinge;

  void move(std::size_t to, std::size_t from) const {
    for (IntSpan a : {melex, meltyp, melmat, melloc, melgeo, mhinge}) a[to] = a[from];
  }
  void clear(std::size_t first, std::size_t end) const {
    for (IntSpan a : {melex, meltyp, melmat, melloc, melgeo, mhinge}) zero(a, first, end);
  }
};

struct NodeArrays {
  IntSpan mnpex, nboun;
  RealSpan tcoord;

  void move(std::size_t to, std::size_t from) const {
    mnpex[to] = mnpex[from];
    for (std::size_t k = 0; k < kBoundCodes; ++k) {
      nboun[to * kBoundCodes + k] = nboun[from * kBoundCodes + k];
    }
    for (std::size_t k = 0; k < kCoords; ++k) {
      tcoord[to * kCoords + k] = tcoord.get(from * kCoords + k);
    }
  }
  void clear(std::size_t first, std::size_t end) const {
    zero(mnpex, first, end);
    zero(nboun, first * kBoundCodes, end * kBoundCodes);
    tcoord.subspan(first * kCoords, (end - first) * kCoords).fill(0.0);
  }
};

// The node entries of the kept elements as FlexCom node numbers, by position
// in MNPC (kNoNode where the entry is not a model node).
struct NodeEntries {
  std::vector<std::int64_t> ext;
  std::size_t first = 0, end = 0;
};

// Keeps the unmarked elements in order and counts their nodes in `used`.
NodeEntries compact_elements(Units& io, int lto, std::int32_t& nel, std::int32_t nnp,
                             ConstIntSpan mskpel, const ElementArrays& el, IntSpan mpmnpc,
                             ConstIntSpan mnpc, IntSpan melecc, ConstIntSpan mnpex, IntSpan used) {
  const std::vector<std::int32_t> ptr(mpmnpc.begin(), mpmnpc.begin() + nel + 1);
  const auto total = static_cast<std::size_t>(ptr.back() - 1);
  const std::vector<std::int32_t> nodes(mnpc.begin(), mnpc.begin() + total);
  const std::vector<std::int32_t> ecc(melecc.begin(), melecc.begin() + total);
  NodeEntries out{std::vector<std::int64_t>(total, kNoNode), static_cast<std::size_t>(ptr[0] - 1)};
  out.end = out.first;
  std::size_t kept = 0;
  for (std::size_t e = 0; e < static_cast<std::size_t>(nel); ++e) {
    if (mskpel[e] != 0) {
      io.write_detail(lto, Line().a("SKIPPED Elem:").i(el.melex[e], 8).str());
      continue;
    }
    el.move(kept, e);
    mpmnpc[kept + 1] = mpmnpc[kept] + (ptr[e + 1] - ptr[e]);
    for (auto p = static_cast<std::size_t>(ptr[e] - 1);
         p < static_cast<std::size_t>(ptr[e + 1] - 1); ++p, ++out.end) {
      const std::int32_t g = nodes[p];
      melecc[out.end] = ecc[p];
      if (g < 1 || g > nnp) continue;
      out.ext[out.end] = mnpex[static_cast<std::size_t>(g - 1)];
      ++used[static_cast<std::size_t>(g - 1)];
    }
    ++kept;
  }
  nel = static_cast<std::int32_t>(kept);
  return out;
}

// Keeps the nodes some kept element uses, in order.
std::int32_t compact_nodes(Units& io, int lto, std::int32_t nnp, ConstIntSpan used,
                           const NodeArrays& nd) {
  std::size_t kept = 0;
  for (std::size_t n = 0; n < static_cast<std::size_t>(nnp); ++n) {
    if (used[n] == 0) {
      io.write_detail(lto, Line().a("SKIPPED NODE:").i(nd.mnpex[n], 8).str());
    } else {
      nd.move(kept++, n);
    }
  }
  return static_cast<std::int32_t>(kept);
}

bool arrays_fit(std::int32_t nel, std::int32_t nnp, std::int32_t mxelnp,
                std::initializer_list<std::size_t> element_arrays, ConstIntSpan mpmnpc,
                ConstIntSpan mnpc, ConstIntSpan melecc, ConstIntSpan mnpex, ConstIntSpan nboun,
                RealSpan tcoord, ConstIntSpan mnelnp, ConstIntSpan melnp) {
  if (nel < 0 || nnp < 0 || mxelnp < 0 || !element_pointers_fit(mpmnpc, nel, mnpc.size())) {
    return false;
  }
  for (const std::size_t n : element_arrays) {
    if (!has_room(n, nel)) return false;
  }
  const std::int64_t n = nnp;
  return has_room(melecc.size(), std::int64_t{mpmnpc[static_cast<std::size_t>(nel)]} - 1) &&
         has_room(mnpex.size(), n) && has_room(nboun.size(), n * std::int64_t{kBoundCodes}) &&
         has_room(tcoord.size(), n * std::int64_t{kCoords}) && has_room(mnelnp.size(), n) &&
         has_room(melnp.size(), n * mxelnp);
}

}  // namespace

void SKPCHG(Units& io, std::int32_t& NEL, std::int32_t& NNP, std::int32_t MXELNP,
            ConstIntSpan MSKPEL, IntSpan MELGEO, IntSpan MNPC, IntSpan MPMNPC, IntSpan MNPEX,
            IntSpan MELNP, IntSpan MNELNP, IntSpan MELEX, IntSpan MELTYP, IntSpan MELMAT,
            IntSpan MELLOC, IntSpan MELECC, IntSpan MHINGE, IntSpan NBOUN, RealSpan TCOORD, int LTO,
            std::int32_t& status) {
  if (!arrays_fit(NEL, NNP, MXELNP,
                  {MSKPEL.size(), MELGEO.size(), MELEX.size(), MELTYP.size(), MELMAT.size(),
                   MELLOC.size(), MHINGE.size()},
                  MPMNPC, MNPC, MELECC, MNPEX, NBOUN, TCOORD, MNELNP, MELNP)) {
    report_error(io, LTO, "SKPCHG", {"   Model arrays do not fit the model counts"});
    status = -1;
    return;
  }
  const std::int32_t old_nel = NEL, old_nnp = NNP;
  std::fill_n(MNELNP.begin(), count_of(NNP), 0);
  std::fill_n(MELNP.begin(), count_of(std::int64_t{MXELNP} * NNP), 0);
  const ElementArrays el{MELEX, MELTYP, MELMAT, MELLOC, MELGEO, MHINGE};
  const NodeArrays nd{MNPEX, NBOUN, TCOORD};
  const NodeEntries entries =
      compact_elements(io, LTO, NEL, NNP, MSKPEL, el, MPMNPC, MNPC, MELECC, MNPEX, MNELNP);
  NNP = compact_nodes(io, LTO, NNP, MNELNP, nd);

  const FirstPositions node_of(MNPEX.first(count_of(NNP)));
  for (std::size_t p = entries.first; p < entries.end; ++p) {
    const std::int64_t ext = entries.ext[p];
    MNPC[p] = ext == kNoNode ? 0 : node_of.find(static_cast<std::int32_t>(ext));
  }
  std::int32_t rebuilt = 0;
  MKELNP(io, MNPC, MPMNPC, NEL, NNP, MXELNP, MNELNP, MELNP, MELEX, MNPEX, LTO, rebuilt);
  if (rebuilt != 0) {
    report_error(io, LTO, "SKPCHG", {});
    decrement(status);
    return;
  }
  el.clear(count_of(NEL), count_of(old_nel));
  nd.clear(count_of(NNP), count_of(old_nnp));
}

}  // namespace velkan
