// The thinning of the drawings: the points kept are those of the literal
// Douglas-Peucker simplification at the tolerance that leaves as many, ends
// and the points that must stay are never left out, and a straight line of
// many points keeps its ends only.
#include "report/drawingpoints.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>

namespace velkan {
namespace {

double distance(const Point3& p, const Point3& a, const Point3& b) {
  const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
  const double uu = ux * ux + uy * uy + uz * uz;
  double t = uu > 0 ? ((p.x - a.x) * ux + (p.y - a.y) * uy + (p.z - a.z) * uz) / uu : 0;
  t = std::max(0.0, std::min(1.0, t));
  return std::hypot(p.x - a.x - t * ux, p.y - a.y - t * uy, p.z - a.z - t * uz);
}

// The simplification as it is usually written: recursive, at a tolerance.
void literal(const std::vector<Point3>& line, std::size_t a, std::size_t b, double tol,
             std::set<std::size_t>& kept) {
  double worst = -1;
  std::size_t at = a;
  for (std::size_t i = a + 1; i < b; ++i) {
    if (const double d = distance(line[i], line[a], line[b]); d > worst) worst = d, at = i;
  }
  if (at == a || worst <= tol) return;
  kept.insert(at);
  literal(line, a, at, tol, kept);
  literal(line, at, b, tol, kept);
}

TEST(DrawingPoints, TheSimplificationAtTheToleranceThatLeavesAsMany) {
  std::mt19937 random(7);
  std::normal_distribution<double> step(0.0, 1.0);
  for (int trial = 0; trial < 20; ++trial) {
    std::vector<Point3> line{{0, 0, 0}};
    for (int i = 0; i < 400; ++i) {
      const Point3& p = line.back();
      line.push_back({p.x + step(random), p.y + step(random), p.z - 1 + 0.3 * step(random)});
    }
    for (const double tol : {0.5, 2.0, 8.0}) {
      std::set<std::size_t> kept{0, line.size() - 1};
      literal(line, 0, line.size() - 1, tol, kept);
      const std::vector<std::size_t> drawn = drawn_points(line, {}, 1e-9, kept.size());
      EXPECT_EQ(std::set<std::size_t>(drawn.begin(), drawn.end()), kept) << trial << " " << tol;
    }
  }
}

TEST(DrawingPoints, EndsAndKeptPointsAlwaysStay) {
  std::vector<Point3> straight;
  for (int i = 0; i < 100000; ++i) straight.push_back({0, 0, -0.5 * i});
  const struct Case {
    const char* name;
    std::vector<Point3> line;
    std::vector<std::size_t> kept;
    std::size_t most;
    std::vector<std::size_t> expected;
  } cases[] = {
      {"a straight line", straight, {}, 2000, {0, 99999}},
      {"a straight line with hinges",
       straight,
       {500, 501, 70000},
       2000,
       {0, 500, 501, 70000, 99999}},
      {"more kept than room", straight, {10, 20, 30}, 3, {0, 10, 20, 30, 99999}},
      {"a bend", {{0, 0, 0}, {0, 0, -1}, {0, 0, -2}, {1, 0, -2}, {2, 0, -2}}, {}, 3, {0, 2, 4}},
      {"short enough to keep whole", {{0, 0, 0}, {0, 0, -1}, {0, 0, -2}}, {}, 3, {0, 1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(drawn_points(c.line, c.kept, 1e-6, c.most), c.expected);
  }
}

// A dense arc taken point by point: few points drawn, the hinges among
// them, and every point of the arc near the drawn line.
TEST(DrawingPoints, ALineTakenPointByPointStaysNearEveryPoint) {
  constexpr double kSpacing = 0.5, kTolerance = 0.5;
  LineThinner thinner(kSpacing, kTolerance, 2000);
  std::vector<Point3> arc;
  for (int i = 0; i <= 200000; ++i) {
    const double a = 1.5 * i / 200000;
    arc.push_back({1000 * (1 - std::cos(a)), 0, -1000 * std::sin(a)});
    thinner.add(arc.back(), i == 70000 || i == 70001);
  }
  const std::vector<Point3> drawn = thinner.take();
  EXPECT_LT(drawn.size(), 200u);
  EXPECT_NE(
      std::find_if(drawn.begin(), drawn.end(),
                   [&](const Point3& p) { return p.x == arc[70001].x && p.z == arc[70001].z; }),
      drawn.end());
  for (std::size_t i = 0; i < arc.size(); i += 97) {
    double nearest = 1e300;
    for (std::size_t k = 0; k + 1 < drawn.size(); ++k) {
      nearest = std::min(nearest, distance(arc[i], drawn[k], drawn[k + 1]));
    }
    EXPECT_LE(nearest, kSpacing + kTolerance) << i;
  }
  EXPECT_EQ(thinner.size(), 0u);
}

// Every column of a step curve keeps its ends and its extremes, and no more
// than four points; a curve of one column per point keeps every point.
TEST(DrawingPoints, AColumnKeepsItsEndsAndItsExtremes) {
  std::mt19937 rng(7);
  std::vector<Point3> curve;
  for (int i = 0; i < 100000; ++i) curve.push_back({i / 99999.0, double(rng() % 3), 0});
  constexpr std::size_t kColumns = 300;
  const std::vector<std::size_t> kept = column_extremes(curve, kColumns);
  EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
  EXPECT_LE(kept.size(), 4 * (kColumns + 1));
  EXPECT_EQ(kept.front(), 0u);
  EXPECT_EQ(kept.back(), curve.size() - 1);
  std::map<long, std::pair<double, double>> wanted, got;  // column: lowest, highest
  const auto widen = [](auto& m, long c, double y) {
    auto [it, fresh] = m.try_emplace(c, y, y);
    if (!fresh) it->second = {std::min(it->second.first, y), std::max(it->second.second, y)};
  };
  const auto column = [&](std::size_t i) { return long(std::floor(curve[i].x * kColumns)); };
  for (std::size_t i = 0; i < curve.size(); ++i) widen(wanted, column(i), curve[i].y);
  for (const std::size_t i : kept) widen(got, column(i), curve[i].y);
  EXPECT_EQ(got, wanted);
  const std::vector<Point3> few(curve.begin(), curve.begin() + 50);
  EXPECT_EQ(column_extremes(few, 100000).size(), few.size());
}

}  // namespace
}  // namespace velkan
