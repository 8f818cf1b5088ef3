// The reports of the example conversions, through the built program: every
// figure against the value worked out here from the listing's own numbers
// (and, for the model, from the numbers the model file prints), the flags,
// and a page that is well-formed and needs nothing from elsewhere.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "report/xmlcheck.h"
#include "reportrun.h"

namespace velkan::test {
namespace {

constexpr double kQuarterPi = std::numbers::pi / 4;
const double kHingeLength = static_cast<double>(0.01f);  // W7 of a hinge element

void expect_near_rel(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-12 * std::max(1.0, std::abs(expected))) << what;
}

void expect_point(const JsonValue& p, double x, double y, double z, const char* what) {
  expect_near_rel(p[0].number, x, what);
  expect_near_rel(p[1].number, y, what);
  expect_near_rel(p[2].number, z, what);
}

TEST(ReportExamples, JumperCoarsenedFiguresFromTheListingAndTheFile) {
  const TempDir dir;
  copy_examples(dir);
  const ReportRun r = run_with_report(dir, "", example("jumper-vomar.ans"));
  ASSERT_EQ(r.run.exit_status, 0) << r.run.console;
  // Riser 1: a hinge (element 1), then elements 2 to 8 of W5 210.50, W8
  // 0.3048, fluid set 3 (1025) and W7 12.5 from z 0 down to -100.
  const double mpl1 = 210.50 + kQuarterPi * 0.3048 * 0.3048 * 1025.0;
  const JsonValue& l1 = riser(r.json, 1)["listing"];
  EXPECT_EQ(l1["nodes"].number, 9);
  EXPECT_EQ(l1["elements"].number, 8);
  EXPECT_EQ(l1["hinge_elements"].number, 1);
  expect_near_rel(l1["length_w7"].number, 7 * 12.5 + kHingeLength, "W7");
  expect_near_rel(l1["length_nodes"].number, 100.0, "along the nodes");
  expect_near_rel(l1["mass_per_length_min"].number, mpl1, "mass per length");
  expect_near_rel(l1["mass_per_length_max"].number, mpl1, "mass per length");
  EXPECT_EQ(l1["mass_per_length_min_element"].number, 2);
  expect_near_rel(l1["mass"].number, 7 * 12.5 * mpl1, "mass");
  expect_point(l1["centre_of_mass"], 0, 0, -56.25, "centre");  // midpoints -18.75 .. -93.75
  // Riser 2: elements 106 to 101 of W5 118.40, W8 0.2359, fluid set 7 (800),
  // W7 15, while the nodes lie hypot(15, 2) apart.
  const double mpl2 = 118.40 + kQuarterPi * 0.2359 * 0.2359 * 800.0;
  const double span = std::hypot(15.0, 2.0);
  const JsonValue& l2 = riser(r.json, 2)["listing"];
  EXPECT_EQ(riser(r.json, 2)["first_node"].number, 201);
  EXPECT_EQ(riser(r.json, 2)["last_node"].number, 207);
  expect_near_rel(l2["length_w7"].number, 90.0, "W7");
  expect_near_rel(l2["length_nodes"].number, 6 * span, "along the nodes");
  expect_near_rel(l2["mass"].number, 90.0 * mpl2, "mass");
  expect_point(l2["centre_of_mass"], 46, 5, -45, "centre");
  // The model, from the densities and areas the file prints: riser 1 keeps
  // the hinge (1-2, no density) and beams 2-4, 4-5, 5-8, 8-9 of material 2.
  const JsonValue& m1 = riser(r.json, 1)["model"];
  EXPECT_EQ(m1["beams"].number, 5);
  EXPECT_EQ(m1["nodes"].number, 6);
  EXPECT_EQ(m1["hinge_beams"].number, 1);
  EXPECT_EQ(m1["fixed_ends"].number, 2);
  expect_near_rel(m1["length"].number, 100.0, "model length");
  const double rho_a1 = 5.293e2 * 5.39e-1;
  expect_near_rel(m1["mass"].number, rho_a1 * 87.5, "model mass");
  const double z1 = (-25 * 25 - 43.75 * 12.5 - 68.75 * 37.5 - 93.75 * 12.5) / 87.5;
  expect_point(m1["centre_of_mass"], 0, 0, z1, "model centre");
  const JsonValue& m2 = riser(r.json, 2)["model"];
  EXPECT_EQ(m2["beams"].number, 3);
  expect_near_rel(m2["length"].number, std::hypot(45.0, 6.0) + std::hypot(30.0, 4.0) + span,
                  "length");
  expect_near_rel(m2["mass"].number, 5.028e2 * 3.05e-1 * m2["length"].number, "model mass");
  expect_near_rel(riser(r.json, 2)["difference"]["mass_percent"].number,
                  100 * (m2["mass"].number - 90.0 * mpl2) / (90.0 * mpl2), "per cent");
  EXPECT_EQ(r.json["properties"]["materials"]["before"].number, 14);
  EXPECT_EQ(r.json["properties"]["materials"]["after"].number, 3);
  EXPECT_EQ(r.json["properties"]["cross_sections"]["largest_change"].number, 0);
  EXPECT_EQ(r.json["hinges"]["axial_stiffness_in_file"].number, 1e8);
  EXPECT_EQ(r.json["hinges"]["bending_stiffness_in_file"].number, 5e3);
  EXPECT_EQ(r.json["seabed"]["level"].number, -60);
  EXPECT_EQ(r.json["seabed"]["spring_nodes"].number, 4);
  EXPECT_EQ(r.json["seabed"]["spring_offsets"][0].number, 9900000);
  EXPECT_EQ(r.json["supports"]["fixed_nodes"].number, 4);
  EXPECT_EQ(r.json["model_file"]["fault_count"].number, 0);
  // Riser 2's W7 sum is 0.88 % short of its node distances, and the model
  // weighs the distances.
  EXPECT_EQ(flag_codes(r.json), (std::vector<std::string>{"mass_changed:2", "lengths_disagree:2"}));
}

TEST(ReportExamples, RiserDefaultsFiguresAndFlags) {
  const TempDir dir;
  copy_examples(dir);
  const ReportRun r = run_with_report(dir, "", example("riser-vomar.ans"));
  ASSERT_EQ(r.run.exit_status, 0) << r.run.console;
  // Nodes 101 to 113 at x = 0.05 i^2, z = -10 i; element 7 is the hinge;
  // 1 to 6 of W5 150 with fluid set 1 (850), 8 to 12 of W5 120 with set 2
  // (1025), all of W8 0.2 and W7 10.
  const double mpl_a = 150 + kQuarterPi * 0.04 * 850, mpl_b = 120 + kQuarterPi * 0.04 * 1025;
  double length = 0, mx = 0, mz = 0;
  for (int i = 0; i < 12; ++i) {
    const double x0 = 0.05 * i * i, x1 = 0.05 * (i + 1) * (i + 1);
    length += std::hypot(x1 - x0, 10.0);
    if (i == 6) continue;
    const double m = 10 * (i < 6 ? mpl_a : mpl_b);
    mx += m * (x0 + x1) / 2;
    mz += m * -10 * (i + 0.5);
  }
  const double mass = 60 * mpl_a + 50 * mpl_b;
  const JsonValue& l = riser(r.json, 1)["listing"];
  EXPECT_EQ(r.json["risers"].size(), 1u);
  expect_near_rel(l["length_nodes"].number, length, "length");
  expect_near_rel(l["mass"].number, mass, "mass");
  expect_near_rel(l["mass_per_length_min"].number, mpl_b, "smallest");
  expect_near_rel(l["mass_per_length_max"].number, mpl_a, "largest");
  expect_point(l["centre_of_mass"], mx / mass, 0, mz / mass, "centre");
  EXPECT_EQ(riser(r.json, 1)["model"]["beams"].number, 12);
  expect_near_rel(riser(r.json, 1)["model"]["length"].number, length, "model length");
  // Nothing coarsened, so nothing fixed.
  EXPECT_EQ(flag_codes(r.json), (std::vector<std::string>{"no_fixed_ends:1"}));
}

TEST(ReportExamples, Shear7ProfileAgainstTheListing) {
  struct Case {
    const char* answers;
    double length, mass;  // worked out from the listing
    std::size_t points, risers;
  };
  // Shear7 mass per length: W5 + pi/4 W9^2 1025 W19; a hinge takes W5 10,
  // W9 0.01f, W19 1 and W7 0.01f.
  const double hinge = (10 + kQuarterPi * double(0.01f) * double(0.01f) * 1025) * kHingeLength;
  const double jumper = 87.5 * (210.50 + kQuarterPi * 0.3556 * 0.3556 * 1025) +
                        90.0 * (118.40 + kQuarterPi * 0.2731 * 0.2731 * 1025) + hinge;
  const double riser =
      60 * (150 + kQuarterPi * 0.09 * 1025) + 50 * (120 + kQuarterPi * 0.25 * 1025) + hinge;
  const Case cases[] = {{"jumper-shear7.ans", 177.5 + kHingeLength, jumper, 15, 2},
                        {"riser-shear7.ans", 110 + kHingeLength, riser, 13, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers);
    const TempDir dir;
    copy_examples(dir);
    const ReportRun r = run_with_report(dir, "", example(c.answers));
    ASSERT_EQ(r.run.exit_status, 0) << r.run.console;
    const JsonValue& s = r.json["shear7"];
    EXPECT_EQ(s["points"].number, c.points);
    expect_near_rel(s["listing"]["length"].number, c.length, "length");
    expect_near_rel(s["listing"]["mass"].number, c.mass, "mass");
    // The file's masses and coordinates have five digits.
    EXPECT_NEAR(s["mass"].number, c.mass, 2e-4 * c.mass);
    EXPECT_TRUE(s["readable"].boolean);
    const bool over = c.risers > 1;
    const std::vector<std::string> codes = flag_codes(r.json);
    EXPECT_EQ(std::find(codes.begin(), codes.end(), "profile_over_risers:0") != codes.end(), over);
  }
}

TEST(ReportExamples, PagesAreWellFormedAndSelfContained) {
  for (const char* answers : {"jumper-vomar.ans", "riser-vomar.ans", "jumper-shear7.ans"}) {
    SCOPED_TRACE(answers);
    const TempDir dir;
    copy_examples(dir);
    const ReportRun r = run_with_report(dir, "", example(answers));
    ASSERT_EQ(r.run.exit_status, 0);
    EXPECT_EQ(xml_fault(r.html), "");
    for (const char* outside : {"<script", "src=", "href=", "url(", "@import", "https:"}) {
      EXPECT_EQ(r.html.find(outside), std::string::npos) << outside;
    }
    EXPECT_NE(r.html.find("<svg"), std::string::npos);
    // The flags head the page and end the console before the verdict.
    for (const JsonValue& f : r.json["flags"].items) {
      EXPECT_NE(r.html.find(f["text"].text.substr(0, 20)), std::string::npos);
      const std::size_t line = r.run.console.find(" *** " + f["text"].text + "\n");
      EXPECT_NE(line, std::string::npos);
      EXPECT_LT(line, r.run.console.find("C O M P L E T E D"));
    }
    if (std::system("xmllint --version > /dev/null 2>&1") == 0) {
      EXPECT_EQ(std::system(("xmllint --noout " + dir.file("report.html")).c_str()), 0);
    }
  }
}

}  // namespace
}  // namespace velkan::test
