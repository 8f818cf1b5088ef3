// The recorded example model files read back: their figures against values
// worked out here from the numbers that stand in the files, and the whole
// output of a check.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "report/modelfigures.h"
#include "report/modelfile.h"
#include "report/reportfixture.h"
#include "support/testio.h"

namespace velkan {
namespace {

struct Point {
  double x, y, z;
};
struct Beam {
  int node1, node2, material, section;
};

// What a file's numbers give by hand: the beams' length, mass and centre of
// mass, with the density of each MISOIEP material and the area (first
// GENBEAM value) of each cross-section as they stand in the file.
struct ByHand {
  std::map<int, Point> nodes;
  std::vector<Beam> beams;
  std::map<int, double> density, area;

  void expect_matches(const MassFigures& m) const {
    double length = 0, mass = 0, mx = 0, my = 0, mz = 0;
    for (const Beam& b : beams) {
      const Point p = nodes.at(b.node1), q = nodes.at(b.node2);
      const double l = std::sqrt((q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y) +
                                 (q.z - p.z) * (q.z - p.z));
      length += l;
      const auto d = density.find(b.material);
      if (d == density.end()) continue;  // a hinge: spring references, no density
      const double w = d->second * area.at(b.section) * l;
      mass += w;
      mx += w * (p.x + q.x) / 2;
      my += w * (p.y + q.y) / 2;
      mz += w * (p.z + q.z) / 2;
    }
    const double tol = 1e-12;
    EXPECT_NEAR(m.length, length, tol * length);
    EXPECT_NEAR(m.mass, mass, tol * mass);
    EXPECT_NEAR(m.x, mx / mass, tol * std::abs(mx / mass) + 1e-12);
    EXPECT_NEAR(m.y, my / mass, tol * std::abs(my / mass) + 1e-12);
    EXPECT_NEAR(m.z, mz / mass, tol * std::abs(mz / mass) + 1e-12);
  }
};

ModelFile read_recorded(const std::string& relative) {
  test::TestIo t;
  const std::string path = t.dir.write("model.vom", test::recorded(relative));
  return read_model_file(t.units, 23, path);
}

TEST(ExampleFigures, Riser) {
  ByHand h;
  const double x[] = {0.0, 0.05, 0.2, 0.45, 0.8, 1.25, 1.8, 2.45, 3.2, 4.05, 5.0, 6.05, 7.2};
  for (int k = 0; k < 13; ++k) h.nodes[101 + k] = {x[k], 0.0, -10.0 * k};
  for (int e = 1; e <= 12; ++e) {
    const int prop = e <= 6 ? 1 : e == 7 ? 7 : 8;
    h.beams.push_back({100 + e, 101 + e, prop, prop});
  }
  h.density = {{1, 392.7}, {8, 338.2}};
  h.area = {{1, 0.45}, {7, 1.0}, {8, 0.45}};

  const ModelFile file = read_recorded("riser-vomar/riser.vom");
  EXPECT_TRUE(file.readable);
  EXPECT_TRUE(file.trailer);
  EXPECT_EQ(file.faults, std::vector<std::string>{});
  const ModelFigures f = figures_of(file);
  EXPECT_EQ(f.nodes, 13);
  EXPECT_EQ(f.fixed_nodes, 0);
  EXPECT_EQ(f.beams, 12);
  EXPECT_EQ(f.sections, 3);
  EXPECT_EQ(f.surfaces, 3);
  EXPECT_EQ(f.materials, 5);
  EXPECT_EQ(f.isotropic, 2);
  EXPECT_EQ(f.curves, 2);
  EXPECT_EQ(f.references, 1);
  EXPECT_EQ(f.hinge_references, 1);
  EXPECT_EQ(f.seabed_springs, 0);
  EXPECT_EQ(f.all_beams.nodes, 13);
  EXPECT_EQ(f.all_beams.without_density, 1);
  EXPECT_EQ(f.all_beams.left_out, 0);
  h.expect_matches(f.all_beams);
}

TEST(ExampleFigures, JumperWithSeaBed) {
  ByHand h;
  h.nodes = {{1, {0, 0, 0}},      {2, {0, 0, -12.5}}, {4, {0, 0, -37.5}}, {5, {0, 0, -50}},
             {8, {0, 0, -87.5}},  {9, {0, 0, -100}},  {201, {40, 5, 0}},  {204, {46, 5, -45}},
             {206, {50, 5, -75}}, {207, {52, 5, -90}}};
  h.beams = {{1, 2, 1, 1}, {2, 4, 2, 2},     {4, 5, 2, 2},     {5, 8, 2, 2},
             {8, 9, 2, 2}, {206, 207, 9, 9}, {204, 206, 9, 9}, {201, 204, 9, 9}};
  h.density = {{2, 529.3}, {9, 502.8}};
  h.area = {{1, 1.0}, {2, 0.539}, {9, 0.305}};

  const ModelFile file = read_recorded("jumper-vomar/jumper.vom");
  EXPECT_EQ(file.faults, std::vector<std::string>{});
  const ModelFigures f = figures_of(file);
  EXPECT_EQ(f.nodes, 10);
  EXPECT_EQ(f.fixed_nodes, 4);
  EXPECT_EQ(f.beams, 8);
  EXPECT_EQ(f.materials, 2 + 7 + 5);  // the sea bed's curves and spring references among them
  EXPECT_EQ(f.curves, 7);
  EXPECT_EQ(f.references, 5);
  EXPECT_EQ(f.time_dependent, 4);
  EXPECT_EQ(f.hinge_references, 1);
  EXPECT_EQ(f.seabed_springs, 4);
  EXPECT_EQ(f.all_beams.without_density, 1);
  h.expect_matches(f.all_beams);
  ASSERT_EQ(file.springs.size(), 4u);
  EXPECT_EQ(file.springs[2].number, 9900206);
  EXPECT_EQ(file.springs[2].node, 206);
  EXPECT_EQ(file.springs[2].material, 9900206);
  ASSERT_EQ(file.histories.size(), 1u);
  EXPECT_EQ(file.histories[0].kind, "Point");
  EXPECT_EQ(file.histories[0].values, (std::vector<double>{0, 1, 100, 1}));
  EXPECT_EQ(file.gravity.at(0).values, (std::array<double, 4>{1, 0, 0, -9.81}));
}

TEST(ExampleFigures, RecordsKeepEveryValueAsWritten) {
  const ModelFile file = read_recorded("jumper-vomar/jumper.vom");
  ASSERT_EQ(file.sections.size(), 3u);
  EXPECT_EQ(file.sections[1].area, 0.539);
  EXPECT_EQ(file.sections[1].values, (std::vector<double>{0.539, 3.55, 3.55e-3, 3.55e-3, 3.55e3,
                                                          3.55e-3, 3.55e-3, 0.539, 0.539}));
  EXPECT_EQ(file.surfaces[0].values, (std::vector<double>{0.01, 0.0005}));
  EXPECT_EQ(file.surfaces[0].area, 0.0);
  const ModelMaterial& shared = file.materials[5];  // the sea bed's shared curve
  EXPECT_EQ(shared.number, 880000);
  EXPECT_EQ(shared.keyword, kCurveMaterial);
  EXPECT_EQ(shared.values, (std::vector<double>{-1e6, -1, 0, 0, 10, 1e-5, 10, 1}));
  const ModelMaterial& refs = file.materials[6];
  EXPECT_EQ(refs.keyword, kSpringReferences);
  EXPECT_EQ(refs.references, (std::vector<std::int32_t>{8800008, 8800008, 880000, 0, 0, 0}));
  const ModelMaterial& timed = file.time_dependent[0];
  EXPECT_EQ(timed.number, 8800008);
  EXPECT_EQ(timed.references, std::vector<std::int32_t>{99999});
  EXPECT_EQ(timed.values, (std::vector<double>{-987, 9900008, 3, 0.1}));
  EXPECT_EQ(file.nodes[0].codes, (std::array<std::int8_t, 6>{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(file.nodes[1].codes, (std::array<std::int8_t, 6>{}));
  EXPECT_EQ(file.nodes[1].line, 10);
}

TEST(CheckOutput, RiserAsPrinted) {
  test::TempDir dir;
  const std::string path = dir.write("riser.vom", test::recorded("riser-vomar/riser.vom"));
  const test::CheckRun run = test::run_check(path);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "Model file " + path + "\n" +
                            "  nodes                                           13\n"
                            "  fixed nodes                                      0\n"
                            "  beams                                           12\n"
                            "  cross-sections                                   3\n"
                            "  surface geometries                               3\n"
                            "  materials                                        5\n"
                            "    MISOIEP                                        2\n"
                            "    HYPELAST                                       2\n"
                            "    MREF                                           1\n"
                            "  time-dependent materials                         0\n"
                            "  hinge references                                 1\n"
                            "  sea-bed springs                                  0\n"
                            "  length along the nodes          120.28688465441593\n"
                            "  mass                            18253.725654058257\n"
                            "  centre of mass X                2.2913938069939848\n"
                            "  centre of mass Y                                 0\n"
                            "  centre of mass Z                -57.23443268860035\n"
                            "  beams without density                            1\n"
                            "  beams left out                                   0\n"
                            "The model file holds.\n");
}

}  // namespace
}  // namespace velkan
