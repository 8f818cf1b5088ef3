// Douglas-Peucker thinning of a line in space, between points that stay.
#include "report/drawingpoints.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace velkan {
namespace {

// The value of a point that every drawing keeps.
constexpr double kAlways = std::numeric_limits<double>::infinity();

// The distance of p from the segment a-b.
double distance_to_segment(const Point3& p, const Point3& a, const Point3& b) {
  const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
  const double wx = p.x - a.x, wy = p.y - a.y, wz = p.z - a.z;
  const double uu = ux * ux + uy * uy + uz * uz;
  double t = uu > 0 ? (wx * ux + wy * uy + wz * uz) / uu : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  const double dx = wx - t * ux, dy = wy - t * uy, dz = wz - t * uz;
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// Gives the points between first and last (both anchors) the deviation at
// which a Douglas-Peucker simplification takes them, never more than that of
// the point that split their part of the line: the simplification at any
// tolerance t keeps exactly the points whose value is above t. Points it
// never takes down to `tolerance` keep 0. An explicit stack, so that a line of
// a million points needs no deep recursion.
void rank(std::span<const Point3> line, std::size_t first, std::size_t last, double tolerance,
          std::vector<double>& value) {
  struct Part {
    std::size_t a, b;
    double cap;
  };
  std::vector<Part> stack{{first, last, kAlways}};
  while (!stack.empty()) {
    const Part p = stack.back();
    stack.pop_back();
    double worst = -1;
    std::size_t at = p.a;
    for (std::size_t i = p.a + 1; i < p.b; ++i) {
      const double d = distance_to_segment(line[i], line[p.a], line[p.b]);
      if (d > worst) {
        worst = d;
        at = i;
      }
    }
    if (at == p.a || !(worst > tolerance)) continue;
    value[at] = std::min(worst, p.cap);
    stack.push_back({p.a, at, value[at]});
    stack.push_back({at, p.b, value[at]});
  }
}

}  // namespace

std::vector<std::size_t> drawn_points(std::span<const Point3> line,
                                      std::span<const std::size_t> kept, double tolerance,
                                      std::size_t most) {
  const std::size_t n = line.size();
  if (n <= most) {
    std::vector<std::size_t> all(n);
    for (std::size_t i = 0; i < n; ++i) all[i] = i;
    return all;
  }
  std::vector<double> value(n, 0.0);
  value.front() = value.back() = kAlways;
  for (const std::size_t k : kept) {
    if (k < n) value[k] = kAlways;
  }
  std::vector<std::size_t> anchors;
  for (std::size_t i = 0; i < n; ++i) {
    if (value[i] == kAlways) anchors.push_back(i);
  }
  for (std::size_t i = 0; i + 1 < anchors.size(); ++i) {
    rank(line, anchors[i], anchors[i + 1], tolerance, value);
  }
  // The threshold that leaves at most `most` points: the value of the
  // (most+1)-th largest, every point above it kept.
  double threshold = 0;
  if (most > anchors.size()) {
    std::vector<double> ranked;
    for (const double v : value) {
      if (v > 0 && v != kAlways) ranked.push_back(v);
    }
    const std::size_t room = most - anchors.size();
    if (ranked.size() > room) {
      std::nth_element(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(room),
                       ranked.end(), std::greater<>());
      threshold = ranked[room];
    }
  } else {
    threshold = kAlways;
  }
  std::vector<std::size_t> out;
  for (std::size_t i = 0; i < n; ++i) {
    if (value[i] == kAlways || value[i] > threshold) out.push_back(i);
  }
  return out;
}

std::vector<std::size_t> column_extremes(std::span<const Point3> curve, std::size_t columns) {
  std::vector<std::size_t> out;
  if (curve.empty()) return out;
  const double x0 = curve.front().x, width = curve.back().x - x0;
  const double per = width > 0 && columns > 0 ? static_cast<double>(columns) / width : 0.0;
  // As a double: a value that is not finite is a column of its own.
  const auto column_of = [&](std::size_t i) { return std::floor((curve[i].x - x0) * per); };
  std::size_t first = 0;
  while (first < curve.size()) {
    const double column = column_of(first);
    std::size_t low = first, high = first, last = first;
    while (last + 1 < curve.size() && column_of(last + 1) == column) {
      ++last;
      if (curve[last].y < curve[low].y) low = last;
      if (curve[last].y > curve[high].y) high = last;
    }
    const std::size_t kept[] = {first, std::min(low, high), std::max(low, high), last};
    for (const std::size_t k : kept) {
      if (out.empty() || out.back() != k) out.push_back(k);
    }
    first = last + 1;
  }
  return out;
}

void LineThinner::add(const Point3& p, bool stays) {
  if (!pending_ && !taken_.empty() && p.x == taken_.back().x && p.y == taken_.back().y &&
      p.z == taken_.back().z) {
    // The point taken last, again (a hinge's first node): taken once.
    if (stays && (stays_.empty() || stays_.back() != taken_.size() - 1)) {
      stays_.push_back(taken_.size() - 1);
    }
    return;
  }
  pending_ = false;
  if (!taken_.empty() && !stays) {
    const Point3& q = taken_.back();
    const double dx = p.x - q.x, dy = p.y - q.y, dz = p.z - q.z;
    if (dx * dx + dy * dy + dz * dz < spacing2_) {
      pending_ = true;
      last_ = p;
      return;
    }
  }
  if (stays) stays_.push_back(taken_.size());
  taken_.push_back(p);
}

std::vector<Point3> LineThinner::take() {
  if (pending_) taken_.push_back(last_);
  std::vector<Point3> out;
  for (const std::size_t i : drawn_points(taken_, stays_, tolerance_, most_))
    out.push_back(taken_[i]);
  taken_.clear();
  stays_.clear();
  pending_ = false;
  return out;
}

}  // namespace velkan
