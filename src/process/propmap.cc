// The merge map. The plain definition compares every pair of rows. The fast
// map gives the same answer in near-linear time from two observations:
//  - rows whose values are identical (a negative zero taken as zero) compare
//    alike with every other row, so only the lowest row of each group of
//    identical rows can be a merge target, and IMAP(j) is that group's lowest
//    equal target when it lies below j;
//  - with a tolerance below 0.25, a value equals another only when both count
//    as zero or both are finite, of one sign and within a narrow ratio, so
//    sorting the groups by one column bounds the candidates to a window.
// Every candidate in the window is then checked with the exact row test.
#include "process/propmap.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "process/relequal.h"

namespace velkan {
namespace {

constexpr double kFastTolLimit = 0.25;
constexpr std::size_t kSampleSize = 2048;
constexpr double kWindowMargin = 1e-9;  // far above the rounding of the ratio
constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

struct Table {
  RealSpan prop;
  std::size_t mxpr;
  std::size_t npr;
  double at(std::size_t row, std::size_t k) const { return prop.get(row * mxpr + k); }
};

std::uint64_t value_bits(double v) {
  if (v == 0.0) v = 0.0;  // -0 behaves as +0 in every comparison
  std::uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

std::uint64_t mix(std::uint64_t h, std::uint64_t v) {
  h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
  h ^= h >> 31;
  return h * 0xbf58476d1ce4e5b9ULL;
}

bool same_values(const Table& t, std::size_t a, std::size_t b) {
  for (std::size_t k = 0; k < t.mxpr; ++k) {
    if (value_bits(t.at(a, k)) != value_bits(t.at(b, k))) return false;
  }
  return true;
}

// Groups of identical rows: group_of[row], and lowest[g] = the group's lowest row.
struct Groups {
  std::vector<std::size_t> group_of;
  std::vector<std::size_t> lowest;
};

Groups group_rows(const Table& t) {
  std::vector<std::pair<std::uint64_t, std::size_t>> keyed(t.npr);
  for (std::size_t r = 0; r < t.npr; ++r) {
    std::uint64_t h = 0;
    for (std::size_t k = 0; k < t.mxpr; ++k) h = mix(h, value_bits(t.at(r, k)));
    keyed[r] = {h, r};
  }
  std::sort(keyed.begin(), keyed.end());
  Groups g;
  g.group_of.assign(t.npr, 0);
  std::vector<std::size_t> in_run;  // groups met in the current run of equal hashes
  for (std::size_t i = 0; i < keyed.size(); ++i) {
    if (i == 0 || keyed[i].first != keyed[i - 1].first) in_run.clear();
    const std::size_t r = keyed[i].second;
    const auto match = std::find_if(in_run.begin(), in_run.end(), [&](std::size_t grp) {
      return same_values(t, g.lowest[grp], r);
    });
    if (match != in_run.end()) {
      g.group_of[r] = *match;
      continue;
    }
    g.group_of[r] = g.lowest.size();
    in_run.push_back(g.lowest.size());
    g.lowest.push_back(r);  // rows of a run come in rising order: r is the lowest
  }
  return g;
}

enum class Kind { kZero, kPositive, kNegative, kNever };

Kind kind_of(double v) {
  if (v == 0.0 || std::fabs(v) < kTinyValue) return Kind::kZero;
  if (!std::isfinite(v)) return Kind::kNever;
  return v > 0.0 ? Kind::kPositive : Kind::kNegative;
}

// Magnitudes a with b/a possibly inside (1 - tol, 1 + tol), widened for rounding.
std::pair<double, double> window(double magnitude, double tol) {
  return {magnitude / (1.0 + tol) * (1.0 - kWindowMargin),
          magnitude / (1.0 - tol) * (1.0 + kWindowMargin)};
}

// Candidates of one column: groups sorted by magnitude (one list per sign) and
// the zero groups in rising order of their lowest row.
using Run = std::vector<std::pair<double, std::size_t>>;  // (magnitude, group)

struct ColumnIndex {
  Run positive, negative;
  std::vector<std::size_t> zero;
};

ColumnIndex index_column(const Table& t, const Groups& g, std::size_t col,
                         const std::vector<std::size_t>& groups) {
  ColumnIndex ix;
  for (const std::size_t grp : groups) {
    const double v = t.at(g.lowest[grp], col);
    switch (kind_of(v)) {
      case Kind::kZero:
        ix.zero.push_back(grp);
        break;
      case Kind::kPositive:
        ix.positive.emplace_back(v, grp);
        break;
      case Kind::kNegative:
        ix.negative.emplace_back(-v, grp);
        break;
      case Kind::kNever:
        break;
    }
  }
  std::sort(ix.positive.begin(), ix.positive.end());
  std::sort(ix.negative.begin(), ix.negative.end());
  std::sort(ix.zero.begin(), ix.zero.end(),
            [&](std::size_t a, std::size_t b) { return g.lowest[a] < g.lowest[b]; });
  return ix;
}

// Calls visit(entry, first, last) for every entry of a run sorted by magnitude,
// with [first, last) the entries whose magnitude lies in the entry's window.
// The window bounds rise with the magnitude, so two cursors find them all.
template <typename Visit>
void for_each_window(const Run& run, double tol, Visit visit) {
  std::size_t first = 0, last = 0;
  for (std::size_t i = 0; i < run.size(); ++i) {
    const auto [lo, hi] = window(run[i].first, tol);
    while (first < run.size() && run[first].first < lo) ++first;
    last = std::max(last, first);
    while (last < run.size() && run[last].first <= hi) ++last;
    visit(run[i], first, last);
  }
}

// Comparisons the window search would make on a sample of groups, per column.
std::size_t sampled_cost(const ColumnIndex& ix, double tol) {
  std::size_t cost = ix.zero.size() * ix.zero.size();
  for (const Run* run : {&ix.positive, &ix.negative}) {
    for_each_window(
        *run, tol, [&](const auto&, std::size_t first, std::size_t last) { cost += last - first; });
  }
  return cost;
}

std::size_t choose_column(const Table& t, const Groups& g, double tol) {
  const std::size_t n = g.lowest.size();
  const std::size_t m = std::min(n, kSampleSize);
  std::vector<std::size_t> sample(m);
  for (std::size_t i = 0; i < m; ++i) sample[i] = i * n / m;
  std::size_t best = 0, best_cost = kNone;
  for (std::size_t col = 0; col < t.mxpr; ++col) {
    const std::size_t cost = sampled_cost(index_column(t, g, col, sample), tol);
    if (cost < best_cost) {
      best = col;
      best_cost = cost;
    }
  }
  return best;
}

// For every group d the lowest row of any group whose row equals d's row.
std::vector<std::size_t> lowest_equal(const Table& t, const Groups& g, double tol) {
  const std::size_t n = g.lowest.size();
  std::vector<std::size_t> all(n);
  for (std::size_t i = 0; i < n; ++i) all[i] = i;
  const std::size_t col = choose_column(t, g, tol);
  const ColumnIndex ix = index_column(t, g, col, all);
  const auto equal = [&](std::size_t cand, std::size_t d) {
    return rows_equal(t.prop, static_cast<std::int32_t>(t.mxpr), g.lowest[cand], g.lowest[d], tol);
  };
  std::vector<std::size_t> best(n, kNone);
  for (const std::size_t d : ix.zero) {
    const auto hit = std::find_if(ix.zero.begin(), ix.zero.end(),
                                  [&](std::size_t cand) { return equal(cand, d); });
    if (hit != ix.zero.end()) best[d] = g.lowest[*hit];
  }
  for (const Run* run : {&ix.positive, &ix.negative}) {
    for_each_window(*run, tol, [&](const auto& entry, std::size_t first, std::size_t last) {
      const std::size_t d = entry.second;
      for (std::size_t k = first; k < last; ++k) {
        const std::size_t cand = (*run)[k].second;
        if (g.lowest[cand] < best[d] && equal(cand, d)) best[d] = g.lowest[cand];
      }
    });
  }
  return best;
}

}  // namespace

void merge_map_pairwise(RealSpan prop, std::int32_t mxpr, std::int32_t npr, double tol,
                        IntSpan imap) {
  const std::size_t n = npr > 0 ? static_cast<std::size_t>(npr) : 0;
  std::fill_n(imap.begin(), n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (imap[j] == 0 && rows_equal(prop, mxpr, i, j, tol))
        imap[j] = static_cast<std::int32_t>(i + 1);
    }
  }
}

bool MKPMAP(RealSpan PROP, std::int32_t MXPR, std::int32_t NPR, double TOL, IntSpan IMAP) {
  if (!(TOL > 0.0) || MXPR < 0) return false;
  const std::size_t n = NPR > 0 ? static_cast<std::size_t>(NPR) : 0;
  const std::size_t width = static_cast<std::size_t>(MXPR);
  if (IMAP.size() < n || (width > 0 && PROP.size() / width < n)) return false;
  if (width == 0) {  // rows without values are all equal: everything merges into row 1
    for (std::size_t j = 0; j < n; ++j) IMAP[j] = j == 0 ? 0 : 1;
    return true;
  }
  if (TOL >= kFastTolLimit) {
    merge_map_pairwise(PROP, MXPR, NPR, TOL, IMAP);
    return true;
  }
  const Table t{PROP, width, n};
  const Groups g = group_rows(t);
  const std::vector<std::size_t> best = lowest_equal(t, g, TOL);
  for (std::size_t j = 0; j < n; ++j) {
    const std::size_t target = best[g.group_of[j]];
    IMAP[j] = target < j ? static_cast<std::int32_t>(target + 1) : 0;
  }
  return true;
}

}  // namespace velkan
