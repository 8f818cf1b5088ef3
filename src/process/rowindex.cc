// The row index: a k-d tree over one row of each group, on the columns whose
// values differ between groups.
//
// Below a tolerance of 1 a value equals another only when both count as zero,
// or both are finite and of one sign with the ratio inside the window; a row
// with a value that is not finite equals no row. So every finite value has a
// key (0 for a value that counts as zero, else the value itself) and the rows
// a row may equal have, in every column, a key inside a closed interval around
// the row's key, widened far beyond the rounding of the ratio. The tree splits
// its rows at a median key of the column that spreads most, keeping keys
// within a few windows of the median together, and records each subtree's
// lowest row; a search descends only where the interval reaches and where a
// row lower than the best found so far lies, and checks the candidates with
// the exact row test.
#include "process/rowindex.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "process/relativeequality.h"

namespace velkan {
namespace {

constexpr std::size_t kLeafSize = 8;
constexpr std::size_t kExactSpreadSize = 1024;  // larger nodes measure spreads on a sample
constexpr std::size_t kSpreadSample = 256;
constexpr double kWindowMargin = 1e-9;  // far above the rounding of the ratio
constexpr double kBandWindows = 3.0;    // keys this many tolerances from the median stay together

double key_of(double v) {
  return std::fabs(v) < kTinyValue ? 0.0 : v;
}

struct Node {
  std::uint32_t begin = 0, end = 0;   // points order_[begin..end)
  std::uint32_t left = 0, right = 0;  // children; 0 for a leaf
  std::uint32_t min_row = 0;          // lowest row in the subtree
  std::uint32_t dim = 0;              // split column, as an index into dims_
  double left_max = 0.0, right_min = 0.0;
};

class RowIndex {
 public:
  RowIndex(RealSpan prop, std::size_t width, const RowGroups& groups, double tol);
  std::uint32_t lowest_equal(std::uint32_t group) const;

 private:
  double key(std::uint32_t row, std::size_t d) const {
    return key_of(prop_.get(row * width_ + dims_[d]));
  }
  bool finite_row(std::uint32_t row) const;
  void find_dims();
  void build();
  void make_node(std::uint32_t n);
  double spread(std::uint32_t begin, std::uint32_t end, std::size_t d) const;
  bool split(Node& node, std::size_t d, std::uint32_t& cut);
  void make_leaf(Node& node);
  bool in_window(std::uint32_t row, const std::vector<double>& lo,
                 const std::vector<double>& hi) const;

  RealSpan prop_;
  std::size_t width_;
  double tol_;
  double low_factor_, high_factor_;   // the window of a positive key k: [k * low, k * high]
  std::vector<std::size_t> dims_;     // columns whose keys differ between rows
  std::vector<std::uint32_t> order_;  // rows of the indexed groups, in tree order
  std::vector<Node> nodes_;
  const RowGroups& groups_;
  std::vector<bool> indexed_;  // per group: all its values finite
};

RowIndex::RowIndex(RealSpan prop, std::size_t width, const RowGroups& groups, double tol)
    : prop_(prop),
      width_(width),
      tol_(tol),
      low_factor_((1.0 - kWindowMargin) / (1.0 + tol)),
      high_factor_((1.0 + kWindowMargin) / (1.0 - tol)),
      groups_(groups) {
  indexed_.assign(groups.lowest.size(), false);
  for (std::size_t g = 0; g < groups.lowest.size(); ++g) {
    if (!finite_row(groups.lowest[g])) continue;
    indexed_[g] = true;
    order_.push_back(groups.lowest[g]);
  }
  find_dims();
  build();
}

bool RowIndex::finite_row(std::uint32_t row) const {
  for (std::size_t k = 0; k < width_; ++k) {
    if (!std::isfinite(prop_.get(row * width_ + k))) return false;
  }
  return true;
}

void RowIndex::find_dims() {
  if (order_.empty()) return;
  for (std::size_t k = 0; k < width_; ++k) {
    const double first = key_of(prop_.get(order_[0] * width_ + k));
    for (const std::uint32_t row : order_) {
      if (key_of(prop_.get(row * width_ + k)) != first) {
        dims_.push_back(k);
        break;
      }
    }
  }
}

void RowIndex::build() {
  if (order_.empty()) return;
  nodes_.push_back(Node{0, static_cast<std::uint32_t>(order_.size())});
  // Nodes are made parent before children; a work list keeps the depth off the stack.
  std::vector<std::uint32_t> work = {0};
  while (!work.empty()) {
    const std::uint32_t n = work.back();
    work.pop_back();
    make_node(n);
    if (nodes_[n].left != 0) {
      work.push_back(nodes_[n].left);
      work.push_back(nodes_[n].right);
    }
  }
  // Lowest rows bottom-up: children always come after their parent.
  for (std::size_t n = nodes_.size(); n-- > 0;) {
    Node& node = nodes_[n];
    if (node.left == 0) {
      node.min_row = order_[node.begin];  // a leaf is sorted by row
    } else {
      node.min_row = std::min(nodes_[node.left].min_row, nodes_[node.right].min_row);
    }
  }
}

// How far apart the keys of a column lie among the points: the ratio of the
// largest to the smallest magnitude minus 1, or a huge value when they differ
// in sign or in being zero. Large nodes are measured on an even sample.
double RowIndex::spread(std::uint32_t begin, std::uint32_t end, std::size_t d) const {
  const std::size_t size = end - begin;
  const std::size_t step = size <= kExactSpreadSize ? 1 : size / kSpreadSample;
  double lo = std::numeric_limits<double>::infinity(), hi = -lo;
  for (std::size_t i = begin; i < end; i += step) {
    const double k = key(order_[i], d);
    lo = std::min(lo, k);
    hi = std::max(hi, k);
  }
  if (lo == hi) return 0.0;
  if (lo <= 0.0 && hi >= 0.0) return std::numeric_limits<double>::max();
  return lo > 0.0 ? hi / lo - 1.0 : lo / hi - 1.0;
}

void RowIndex::make_node(std::uint32_t n) {
  Node node = nodes_[n];
  if (node.end - node.begin <= kLeafSize) return make_leaf(nodes_[n] = node);
  std::vector<std::pair<double, std::size_t>> by_spread;
  for (std::size_t d = 0; d < dims_.size(); ++d) {
    const double s = spread(node.begin, node.end, d);
    if (s > 0.0) by_spread.emplace_back(s, d);
  }
  std::sort(by_spread.rbegin(), by_spread.rend());
  for (const auto& [s, d] : by_spread) {
    std::uint32_t cut = 0;
    if (!split(node, d, cut)) continue;
    node.dim = static_cast<std::uint32_t>(d);
    node.left = static_cast<std::uint32_t>(nodes_.size());
    node.right = node.left + 1;
    nodes_[n] = node;
    nodes_.push_back(Node{node.begin, cut});
    nodes_.push_back(Node{cut, node.end});
    return;
  }
  make_leaf(nodes_[n] = node);
}

// Splits the node's points at a median key of column d; keys within a band of
// a few windows around the median go to the smaller side together, so that
// near-equal keys are not parted. False when one side would be empty.
bool RowIndex::split(Node& node, std::size_t d, std::uint32_t& cut) {
  const auto first = order_.begin() + node.begin;
  const auto last = order_.begin() + node.end;
  const auto mid = first + (last - first) / 2;
  const auto by_key = [&](std::uint32_t a, std::uint32_t b) { return key(a, d) < key(b, d); };
  std::nth_element(first, mid, last, by_key);
  const double m = key(*mid, d);
  const double band = kBandWindows * tol_ * std::fabs(m);
  const double lo = m - band, hi = m + band;
  const auto below = std::partition(first, last, [&](std::uint32_t r) { return key(r, d) < lo; });
  const auto above = std::partition(below, last, [&](std::uint32_t r) { return key(r, d) <= hi; });
  auto at = below - first <= last - above ? above : below;
  if (at == first || at == last) at = at == above ? below : above;
  if (at == first || at == last) return false;
  cut = static_cast<std::uint32_t>(at - order_.begin());
  node.left_max = -std::numeric_limits<double>::infinity();
  node.right_min = std::numeric_limits<double>::infinity();
  for (auto it = first; it != at; ++it) node.left_max = std::max(node.left_max, key(*it, d));
  for (auto it = at; it != last; ++it) node.right_min = std::min(node.right_min, key(*it, d));
  return true;
}

void RowIndex::make_leaf(Node& node) {
  std::sort(order_.begin() + node.begin, order_.begin() + node.end);
}

bool RowIndex::in_window(std::uint32_t row, const std::vector<double>& lo,
                         const std::vector<double>& hi) const {
  for (std::size_t d = 0; d < dims_.size(); ++d) {
    const double k = key(row, d);
    if (k < lo[d] || k > hi[d]) return false;
  }
  return true;
}

std::uint32_t RowIndex::lowest_equal(std::uint32_t group) const {
  const std::uint32_t own = groups_.lowest[group];
  if (!indexed_[group]) return kNoRow;  // a value that is not finite equals nothing
  std::vector<double> lo(dims_.size()), hi(dims_.size());
  for (std::size_t d = 0; d < dims_.size(); ++d) {
    const double k = key(own, d);
    lo[d] = k > 0.0 ? k * low_factor_ : k * high_factor_;
    hi[d] = k > 0.0 ? k * high_factor_ : k * low_factor_;
  }
  const auto equal = [&](std::uint32_t row) {
    return in_window(row, lo, hi) &&
           rows_equal(prop_, static_cast<std::int32_t>(width_), row, own, tol_);
  };
  std::uint32_t best = own;  // only rows below it are looked for
  std::vector<std::uint32_t> stack;
  if (!nodes_.empty()) stack.push_back(0);
  while (!stack.empty()) {
    const Node& node = nodes_[stack.back()];
    stack.pop_back();
    if (node.min_row >= best) continue;
    if (node.left == 0) {
      for (std::uint32_t i = node.begin; i < node.end && order_[i] < best; ++i) {
        if (equal(order_[i])) {
          best = order_[i];
          break;
        }
      }
      continue;
    }
    const Node& l = nodes_[node.left];
    const Node& r = nodes_[node.right];
    const bool go_left = lo[node.dim] <= node.left_max && l.min_row < best;
    const bool go_right = hi[node.dim] >= node.right_min && r.min_row < best;
    // The side with the lower rows is searched first.
    const bool left_first = l.min_row <= r.min_row;
    if (go_left && !left_first) stack.push_back(node.left);
    if (go_right) stack.push_back(node.right);
    if (go_left && left_first) stack.push_back(node.left);
  }
  if (best < own) return best;
  return rows_equal(prop_, static_cast<std::int32_t>(width_), own, own, tol_) ? own : kNoRow;
}

}  // namespace

std::vector<std::uint32_t> lowest_equal_rows(RealSpan prop, std::size_t width,
                                             const RowGroups& groups, double tol) {
  const RowIndex index(prop, width, groups, tol);
  std::vector<std::uint32_t> best(groups.lowest.size());
  for (std::size_t g = 0; g < best.size(); ++g)
    best[g] = index.lowest_equal(static_cast<std::uint32_t>(g));
  return best;
}

}  // namespace velkan
