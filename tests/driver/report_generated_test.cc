// Reports of generated listings, through the built program: without a
// coarser mesh the model keeps the listing's mass and length within what the
// file's rounding allows; a straight uniform riser coarsened keeps both; a
// curved one loses exactly its chords, flagged past 0.5 %; and each flag
// appears where its cause is.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "reportlisting.h"
#include "reportrun.h"

namespace velkan::test {
namespace {

constexpr double kQuarterPi = std::numbers::pi / 4;

double round3(double v) {
  return std::round(v * 1000) / 1000;
}

// A vertical riser from z 0 down, `n` elements of `step`.
GenRiser straight(int n, double step, std::int32_t first_node = 1, std::int32_t first_element = 1) {
  GenRiser r;
  r.first_node = first_node;
  r.first_element = first_element;
  for (int i = 0; i <= n; ++i) r.nodes.push_back({0, 0, -step * i});
  r.elements = {GenProps{}};
  return r;
}

// A riser along `angle` radians of a circle of `radius` in the X-Z plane,
// starting at the top, coordinates as the listing prints them.
GenRiser arc(int n, double radius, double angle) {
  GenRiser r;
  for (int i = 0; i <= n; ++i) {
    const double a = angle * i / n;
    r.nodes.push_back({round3(radius * (1 - std::cos(a))), 0, round3(-radius * std::sin(a))});
  }
  r.elements = {GenProps{}};
  return r;
}

double mass_per_length(const GenProps& p) {
  return p.mass + kQuarterPi * p.internal * p.internal * kGenFluid;
}

// How far the model's mass may lie from the listing's when nothing is
// coarsened: the file prints a density with four significant digits (a
// relative error of at most 5E-4) and an area with six (5E-6), and the
// listing's W7 stands within 5E-7 of the node distance the beam takes.
double mass_bound(const GenRiser& r) {
  double bound = 0;
  for (std::size_t k = 0; k + 1 < r.nodes.size(); ++k) {
    const double m = mass_per_length(props_of(r, k));
    bound += m * node_distance(r, k) * ((1 + 5e-4) * (1 + 5e-6) - 1) + m * 5e-7;
  }
  return bound;
}

ReportRun convert(const TempDir& dir, const std::vector<GenRiser>& risers,
                  const std::string& more) {
  dir.write("g.lis", generated_listing(risers));
  return run_with_report(dir, "--listing g.lis --vomar g.vom " + more);
}

TEST(ReportGenerated, WithoutCoarseningMassAndLengthStayWithinTheFilesRounding) {
  GenRiser varied = arc(60, 250, 1.2);
  varied.elements.clear();
  for (int k = 0; k < 60; ++k) {
    // Every element its own density, so that every one is rounded its own way.
    varied.elements.push_back(
        {.mass = 80 + 7.31 * k, .internal = 0.2 + 0.0037 * k, .ea = 4e9 + 1.3e7 * k});
  }
  const struct Case {
    const char* name;
    std::vector<GenRiser> risers;
  } cases[] = {
      {"straight", {straight(30, 12.5)}},
      {"curved, every element its own properties", {varied}},
      {"two risers",
       {straight(10, 7.25),
        [] {
          GenRiser r = arc(25, 80, 0.9);
          r.first_node = 101;
          r.first_element = 101;
          return r;
        }()}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TempDir dir;
    const ReportRun r = convert(dir, c.risers, "");
    ASSERT_EQ(r.run.exit_status, 0) << r.run.console;
    ASSERT_EQ(r.json["risers"].size(), c.risers.size());
    for (std::size_t i = 0; i < c.risers.size(); ++i) {
      const JsonValue& l = riser(r.json, i + 1)["listing"];
      const JsonValue& m = riser(r.json, i + 1)["model"];
      const double length = l["length_nodes"].number;
      EXPECT_NEAR(m["length"].number, length, 1e-9 * length);
      EXPECT_NEAR(m["mass"].number, l["mass"].number, mass_bound(c.risers[i]));
      EXPECT_EQ(m["beams"].number, l["elements"].number);
      for (std::size_t k = 0; k < 3; ++k) {
        // Every beam's mass is off by the same bound at most, so the centre
        // moves by at most the riser's extent times twice the relative bound.
        EXPECT_NEAR(m["centre_of_mass"][k].number, l["centre_of_mass"][k].number,
                    2 * length * mass_bound(c.risers[i]) / l["mass"].number);
      }
    }
  }
}

TEST(ReportGenerated, ACoarsenedStraightUniformRiserKeepsMassAndLength) {
  const TempDir dir;
  const GenRiser r = straight(24, 5.0);
  const ReportRun run = convert(dir, {r}, "--coarsen 1:25:4");
  ASSERT_EQ(run.run.exit_status, 0) << run.run.console;
  const JsonValue& l = riser(run.json, 1)["listing"];
  const JsonValue& m = riser(run.json, 1)["model"];
  EXPECT_EQ(m["beams"].number, 7);  // six groups of four, the last element alone
  EXPECT_NEAR(m["length"].number, 120.0, 1e-9);
  EXPECT_NEAR(m["mass"].number, l["mass"].number, mass_bound(r));
  EXPECT_NEAR(m["centre_of_mass"][2].number, -60.0, 1e-9);
  EXPECT_EQ(m["fixed_ends"].number, 2);
  EXPECT_EQ(flag_codes(run.json), std::vector<std::string>{});
}

// The kept nodes of a coarsened walk over n elements in groups of k: a group
// starts every k elements, and the element that reaches the last node stands
// alone.
std::vector<std::size_t> kept_nodes(std::size_t n, std::size_t k) {
  std::vector<std::size_t> kept;
  for (std::size_t b = 0; b < n - 1; b += k) kept.push_back(b);
  kept.push_back(n - 1);
  kept.push_back(n);
  return kept;
}

TEST(ReportGenerated, ACoarsenedCurvedRiserLosesExactlyItsChords) {
  const struct Case {
    int n;
    double radius, angle;
    std::size_t k;
    bool flagged;
  } cases[] = {{40, 100, std::numbers::pi / 2, 2, false},
               {40, 100, std::numbers::pi / 2, 8, false},
               {40, 100, std::numbers::pi / 2, 10, true},
               {30, 50, std::numbers::pi, 6, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE("n " + std::to_string(c.n) + ", groups of " + std::to_string(c.k));
    const TempDir dir;
    const GenRiser r = arc(c.n, c.radius, c.angle);
    const ReportRun run =
        convert(dir, {r}, "--coarsen 1:" + std::to_string(c.n + 1) + ":" + std::to_string(c.k));
    ASSERT_EQ(run.run.exit_status, 0) << run.run.console;
    double chords = 0, arcs = 0;
    const std::vector<std::size_t> kept = kept_nodes(static_cast<std::size_t>(c.n), c.k);
    for (std::size_t i = 0; i + 1 < kept.size(); ++i) {
      const GenNode& a = r.nodes[kept[i]];
      const GenNode& b = r.nodes[kept[i + 1]];
      chords += std::hypot(b.x - a.x, b.z - a.z);
    }
    for (std::size_t k = 0; k + 1 < r.nodes.size(); ++k) arcs += node_distance(r, k);
    const JsonValue& rr = riser(run.json, 1);
    EXPECT_NEAR(rr["listing"]["length_nodes"].number, arcs, 1e-9 * arcs);
    EXPECT_NEAR(rr["model"]["length"].number, chords, 1e-9 * chords);
    EXPECT_EQ(rr["model"]["beams"].number, kept.size() - 1);
    const double percent = 100 * (chords - arcs) / arcs;
    EXPECT_NEAR(rr["difference"]["length_percent"].number, percent, 1e-9);
    EXPECT_EQ(c.flagged, std::abs(percent) > 0.5) << percent;
    const std::vector<std::string> codes = flag_codes(run.json);
    const auto has = [&](const char* code) {
      return std::find(codes.begin(), codes.end(), code) != codes.end();
    };
    EXPECT_EQ(has("length_changed:1"), c.flagged);
    EXPECT_EQ(has("mass_changed:1"), c.flagged);  // a uniform riser: mass goes with length
  }
}

TEST(ReportGenerated, EachFlagWhereItsCauseIs) {
  const auto second = [](GenRiser r) {  // numbered from 101, 50 m beside the first
    r.first_node = 101;
    r.first_element = 101;
    for (GenNode& n : r.nodes) n.x += 50;
    return r;
  };
  GenRiser zeros = straight(6, 10);
  zeros.elements = {GenProps{}, GenProps{.outer = 0}, GenProps{.mass = 0, .internal = 0},
                    GenProps{}};
  GenRiser hinged = straight(9, 10);
  hinged.elements = {GenProps{}, GenProps{}, GenProps{}, GenProps{.hinge = true}, GenProps{}};
  const struct Case {
    const char* name;
    std::vector<GenRiser> risers;
    std::string args;
    std::vector<std::string> codes;
  } cases[] = {
      {"nothing coarsened, nothing fixed", {straight(6, 10)}, "", {"no_fixed_ends:1"}},
      {"a riser without segments is removed",
       {straight(12, 10), second(straight(12, 10))},
       "--coarsen 1:13:3",
       {"riser_removed:2", "mass_changed:0", "length_changed:0", "centre_moved:0"}},
      {"a segment over part of a riser",
       {straight(12, 10)},
       "--coarsen 1:7:3",
       {"mass_changed:1", "length_changed:1", "centre_moved:1", "elements_on_no_segment:1",
        "mass_changed:0", "length_changed:0", "centre_moved:0"}},
      {"one riser coarsened, the other kept as it is",
       {straight(12, 10), second(straight(12, 10))},
       "--coarsen 1:13:3 --coarsen 101:113:1",
       {"riser_not_coarsened:2"}},
      {"zero diameter and zero mass",
       {zeros},
       "",
       {"no_fixed_ends:1", "zero_diameter:0", "zero_mass:0"}},
      {"a hinge kept through the coarsening", {hinged}, "--coarsen 1:10:3 --hinge 1E8,1E3", {}},
      {"sea-bed numbers moved",
       {straight(4, 10, 1, 9900001)},
       "--coarsen 1:5:2 --seabed 10",
       {"seabed_moved:0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TempDir dir;
    const ReportRun r = convert(dir, c.risers, c.args);
    ASSERT_EQ(r.run.exit_status, 0) << r.run.console;
    EXPECT_EQ(flag_codes(r.json), c.codes);
  }
}

// Many risers, each bent at every node: one row per riser, and every drawn
// line thinned to its share of the drawing, so that the page stays small.
TEST(ReportGenerated, ManyRisersKeepThePageSmall) {
  std::vector<GenRiser> risers;
  for (int i = 0; i < 300; ++i) {
    GenRiser r;
    r.first_node = r.first_element = 1000 * i + 1;
    for (int k = 0; k <= 120; ++k) r.nodes.push_back({20.0 * i + (k % 2 ? 6.0 : 0.0), 0, -5.0 * k});
    r.elements = {GenProps{}};
    risers.push_back(r);
  }
  const TempDir dir;
  const ReportRun r = convert(dir, risers, "");
  ASSERT_EQ(r.run.exit_status, 0) << r.run.console.substr(0, 2000);
  EXPECT_EQ(r.json["risers"].size(), 300u);
  EXPECT_LT(r.html.size(), 2000000u);
  EXPECT_NE(r.html.find("<h2>Risers</h2>"), std::string::npos);
  std::size_t lines = 0;
  for (std::size_t at = r.html.find("<polyline"); at != std::string::npos;
       at = r.html.find("<polyline", at + 1)) {
    const std::size_t from = r.html.find("points=\"", at) + 8;
    const std::string points = r.html.substr(from, r.html.find('"', from) - from);
    EXPECT_LE(std::count(points.begin(), points.end(), ','), 20000 / 300) << points.substr(0, 80);
    ++lines;
  }
  EXPECT_EQ(lines, 4 * 300u);  // the listing's and the model's, in two drawings
}

}  // namespace
}  // namespace velkan::test
