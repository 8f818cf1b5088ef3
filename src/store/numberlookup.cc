// Number lookup (IVCNT, IVFND, IVORD, IVKTH, IVTOCH). The ordering routines rank keys through
// sorted copies, which gives exactly the places of the pairwise comparison they are defined by.
#include "store/numberlookup.h"

#include <algorithm>

namespace velkan {
namespace {

struct SignedKeys {
  std::vector<std::int32_t> positive;  // ascending
  std::vector<std::int32_t> negative;  // ascending
};

SignedKeys sorted_keys(ConstIntSpan keys) {
  SignedKeys s;
  for (const std::int32_t k : keys) {
    if (k > 0) s.positive.push_back(k);
    if (k < 0) s.negative.push_back(k);
  }
  // Numbers of nodes and elements mostly come ascending already.
  if (!std::is_sorted(s.positive.begin(), s.positive.end()))
    std::sort(s.positive.begin(), s.positive.end());
  if (!std::is_sorted(s.negative.begin(), s.negative.end()))
    std::sort(s.negative.begin(), s.negative.end());
  return s;
}

// Numbers of positive keys smaller than k (k > 0), for keys asked mostly in
// ascending order: a search starts where the one before ended and gallops
// forward; a key below the one before starts from the beginning.
class PositivesBelow {
 public:
  explicit PositivesBelow(const SignedKeys& s) : v_(s.positive) {}
  std::int32_t operator()(std::int32_t k) {
    if (k < last_) at_ = 0;
    last_ = k;
    std::size_t lo = at_, hi = at_, step = 1;
    while (hi < v_.size() && v_[hi] < k) {  // every value before lo is below k
      lo = hi + 1;
      hi = at_ + step;
      step *= 2;
    }
    hi = std::min(hi, v_.size());
    const auto first = v_.begin();
    at_ = static_cast<std::size_t>(std::lower_bound(first + static_cast<std::ptrdiff_t>(lo),
                                                    first + static_cast<std::ptrdiff_t>(hi), k) -
                                   first);
    return static_cast<std::int32_t>(at_);
  }

 private:
  const std::vector<std::int32_t>& v_;
  std::size_t at_ = 0;
  std::int32_t last_ = 0;
};

// Number of negative keys between k (k < 0) and 0.
std::int32_t negatives_above(const SignedKeys& s, std::int32_t k) {
  return static_cast<std::int32_t>(s.negative.end() -
                                   std::upper_bound(s.negative.begin(), s.negative.end(), k));
}

ConstIntSpan first_n(ConstIntSpan v, std::int32_t n) {
  return v.first(std::min<std::size_t>(v.size(), static_cast<std::size_t>(std::max(n, 0))));
}

}  // namespace

std::int32_t IVCNT(std::int32_t value, ConstIntSpan v) {
  return static_cast<std::int32_t>(std::count(v.begin(), v.end(), value));
}

std::int32_t IVFND(std::int32_t value, ConstIntSpan v) {
  const auto it = std::find(v.begin(), v.end(), value);
  return it == v.end() ? 0 : static_cast<std::int32_t>(it - v.begin()) + 1;
}

void IVORD(std::int32_t n, std::int32_t nneg, ConstIntSpan keys, IntSpan order) {
  keys = first_n(keys, n);
  const SignedKeys s = sorted_keys(keys);
  PositivesBelow positives_below(s);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const std::int32_t k = keys[i];
    std::int64_t place = 0;
    if (k > 0) place = 1 + positives_below(k);
    if (k < 0) place = static_cast<std::int64_t>(n) - nneg + 1 + negatives_above(s, k);
    if (place >= 1 && place <= n && place <= static_cast<std::int64_t>(order.size())) {
      order[static_cast<std::size_t>(place - 1)] = static_cast<std::int32_t>(i + 1);
    }
  }
}

std::int32_t IVKTH(ConstIntSpan keys, std::int32_t n, std::int32_t r) {
  return KeyPlaces(keys, n)(r);
}

void IVTOCH(std::string& s, int length, ConstIntSpan v, int count) {
  s.assign(static_cast<std::size_t>(std::max(length, 0)), ' ');
  const std::size_t m =
      std::min({s.size(), v.size(), static_cast<std::size_t>(std::max(count, 0))});
  for (std::size_t k = 0; k < m; ++k) s[k] = static_cast<char>(v[k] & 0xFF);
}

FirstPositions::FirstPositions(ConstIntSpan v) {
  if (v.empty()) return;
  const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
  const std::int64_t range = static_cast<std::int64_t>(*hi) - *lo + 1;
  if (range <= 2 * static_cast<std::int64_t>(v.size()) + 1024) {
    low_ = *lo;
    direct_.assign(static_cast<std::size_t>(range), 0);
    for (std::size_t i = v.size(); i-- > 0;)  // the first position is written last
      direct_[static_cast<std::size_t>(v[i] - low_)] = static_cast<std::int32_t>(i + 1);
    return;
  }
  index_.reserve(v.size());
  for (std::size_t i = 0; i < v.size(); ++i)
    index_.emplace_back(v[i], static_cast<std::int32_t>(i + 1));
  std::sort(index_.begin(), index_.end());
  index_.erase(std::unique(index_.begin(), index_.end(),
                           [](const auto& a, const auto& b) { return a.first == b.first; }),
               index_.end());
}

std::int32_t FirstPositions::find(std::int32_t value) const {
  if (!direct_.empty()) {
    const std::int64_t at = value - low_;
    return at >= 0 && at < static_cast<std::int64_t>(direct_.size())
               ? direct_[static_cast<std::size_t>(at)]
               : 0;
  }
  const auto it = std::lower_bound(index_.begin(), index_.end(), std::make_pair(value, INT32_MIN));
  return it != index_.end() && it->first == value ? it->second : 0;
}

KeyPlaces::KeyPlaces(ConstIntSpan keys, std::int32_t n) {
  if (n <= 0 || static_cast<std::size_t>(n) > keys.size()) return;
  keys = first_n(keys, n);
  const SignedKeys s = sorted_keys(keys);
  if (s.positive.size() + s.negative.size() != keys.size()) return;  // a zero key: no places
  const auto p = static_cast<std::int32_t>(s.positive.size());
  PositivesBelow positives_below(s);
  at_.assign(keys.size(), 0);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const std::int32_t k = keys[i];
    const std::int32_t slot = k > 0 ? positives_below(k) : p + negatives_above(s, k);
    auto& at = at_[static_cast<std::size_t>(slot)];
    if (at == 0) at = static_cast<std::int32_t>(i + 1);
  }
}

std::int32_t KeyPlaces::operator()(std::int32_t r) const {
  if (r < 1 || static_cast<std::size_t>(r) > at_.size()) return 0;
  return at_[static_cast<std::size_t>(r - 1)];
}

}  // namespace velkan
