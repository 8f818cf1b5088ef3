// Random models written by the converter's own writers and read back: the
// same nodes, beams, cross-sections, surface geometries, materials and
// sea-bed springs, every value within the rounding of its edit, and no fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

#include "report/modelfile.h"
#include "report/modellookup.h"
#include "writer/elementsection.h"
#include "writer/geometrysections.h"
#include "writer/materialsection.h"
#include "writer/nodesection.h"
#include "writer/seabedmodel.h"
#include "writer/seabednumbers.h"
#include "writer/writerfixture.h"

namespace velkan {
namespace {

using Ints = std::vector<std::int32_t>;
constexpr std::int32_t kGeoRow = 30;
constexpr std::int32_t kMatRow = 58;

// A random model in the store's arrays.
struct RandomModel {
  std::mt19937 rng;
  Ints mnpex, nboun, melex, mnpc, mpmnpc{1}, melmat, melgeo, mexgeo, mexmat, matyp;
  std::vector<std::array<double, 3>> coords;
  std::vector<std::vector<double>> sections, surfaces, materials;
  double zmax = 0;

  explicit RandomModel(unsigned seed) : rng(seed) {
    const bool wide = seed % 3 == 0;  // a node number beyond 8 digits widens every element record
    const int nodes = pick(2, 40), beams = pick(1, 60), props = pick(1, 8);
    mnpex = distinct(nodes, wide ? 120'000'000 : 99'999);
    for (int i = 0; i < nodes; ++i) {
      coords.push_back({coordinate(), coordinate(), coordinate()});
      for (int d = 0; d < 6; ++d) nboun.push_back(std::array{0, 0, 1, 2, 4, 5}[pick(0, 5)]);
    }
    melex = distinct(beams, 9'000'000);
    for (int e = 0; e < beams; ++e) {
      mnpc.push_back(pick(1, nodes));
      mnpc.push_back(pick(1, nodes));
      mpmnpc.push_back(mpmnpc.back() + 2);
      melgeo.push_back(pick(1, props));
      melmat.push_back(pick(1, props));
    }
    mexgeo = distinct(props, 999'999);
    for (int g = 0; g < props; ++g) {
      sections.push_back(reals(kGeoRow, -6, 9));
      surfaces.push_back({0, width(), width(), pick(0, 1) ? width() : 0.0, width()});
    }
    add_materials(props);
    zmax = coordinate();
  }
  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
  double coordinate() { return std::uniform_real_distribution<double>(-5000, 5000)(rng); }
  double width() { return std::uniform_real_distribution<double>(0.0001, 3.0)(rng); }
  Ints distinct(int n, int most) {
    std::set<std::int32_t> s;
    while (static_cast<int>(s.size()) < n) s.insert(pick(1, most));
    Ints v(s.begin(), s.end());
    std::shuffle(v.begin(), v.end(), rng);
    return v;
  }
  std::vector<double> reals(std::size_t n, int lo, int hi) {
    std::vector<double> v(n);
    for (double& x : v)
      x = std::uniform_real_distribution<double>(-9.99, 9.99)(rng) * std::pow(10.0, pick(lo, hi));
    return v;
  }
  // Isotropic materials for the elements, then a pair of curves and a
  // spring reference naming them.
  void add_materials(int props) {
    mexmat = distinct(props + 3, 800'000);
    for (int m = 0; m < props; ++m) {
      matyp.push_back(1);
      materials.push_back(reals(5, -3, 11));
    }
    for (int c = 0; c < 2; ++c) {
      matyp.push_back(2);
      std::vector<double> row(kMatRow);
      row[0] = 2;
      const int points = pick(1, 4);
      row[7] = points;
      for (int k = 0; k < 2 * points; ++k) row[8 + k] = reals(1, -4, 9)[0];
      materials.push_back(row);
    }
    matyp.push_back(3);
    const double a = props + 1, b = props + 2;
    materials.push_back({a, a, a, a, b, 0});
  }
};

template <typename Rows>
test::RealTable table(const Rows& rows, std::size_t row_length) {
  test::RealTable t(rows.size(), row_length);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t k = 0; k < rows[r].size(); ++k) t.set(r + 1, k + 1, rows[r][k]);
  }
  return t;
}

// Writes the model as a conversion does and returns the file's name.
// `seabed` receives the sea-bed nodes, `with_seabed` whether the sea bed was
// written (not when no numbering of it is free).
std::string write_model(RandomModel& m, test::TestIo& io, std::vector<std::int32_t>& seabed,
                        bool& with_seabed) {
  const auto nnp = static_cast<std::int32_t>(m.mnpex.size());
  const auto nel = static_cast<std::int32_t>(m.melex.size());
  const auto nge = static_cast<std::int32_t>(m.mexgeo.size());
  const auto nma = static_cast<std::int32_t>(m.mexmat.size());
  Units& u = io.units;
  const int unit = test::kModelUnit;
  for (const char* line : {"# ", "# Input File: random", "# "}) u.write(unit, line);
  std::int32_t status = 0;
  Ints msort(static_cast<std::size_t>(std::max({nnp, nel, nma})) + 1);
  Ints mscra(msort.size());
  test::RealTable coords = table(m.coords, 3);
  UWRNOD(u, nnp, m.mnpex, coords.span(), m.nboun, msort, unit, status);
  const Ints meltyp(m.melex.size(), 15), zeros(2 * m.melex.size(), 0);
  UWRELM(u, nel, meltyp, m.melmat, m.melgeo, zeros, zeros, m.mnpc, m.mpmnpc, m.melex, m.mnpex,
         m.mexgeo, m.mexmat, {}, {}, mscra, msort, {}, unit, status);
  test::RealTable sections = table(m.sections, kGeoRow), surfaces = table(m.surfaces, kGeoRow);
  UWRGEO(u, nge, kGeoRow, m.mexgeo, Ints(m.mexgeo.size(), 4), sections.span(), mscra, msort, unit,
         status);
  UWRSGe(u, nge, kGeoRow, m.mexgeo, Ints(m.mexgeo.size(), 1), surfaces.span(), mscra, msort, unit,
         status);
  test::RealTable materials = table(m.materials, kMatRow);
  UWRMAT(u, nma, kMatRow, m.mexmat, m.matyp, materials.span(), mscra, unit, status);
  const SeabedNumberChoice choice =
      choose_seabed_numbers(seabed_nodes(m.zmax, nnp, coords.span(), m.mnpex), m.melex, m.mexmat);
  with_seabed = choice.free;
  if (choice.free) {
    seabed = seabed_nodes(m.zmax, nnp, coords.span(), m.mnpex);
    UWRSEA(u, m.zmax, nnp, coords.span(), m.mnpex, choice.numbering, unit, status);
  }
  for (const char* line :
       {"'", " Gravity  1   0  0  -9.81 ", "'", "'", "' ------------- E O F ------------"}) {
    u.write(unit, line);
  }
  EXPECT_EQ(status, 0);
  u.close(unit);
  return io.dir.file("fort.23");
}

// Within the rounding of an edit of `significant` digits (1P E) or of
// `decimals` decimals (F).
void expect_e(double got, double want, int significant, const std::string& what) {
  EXPECT_NEAR(got, want, std::abs(want) * 0.51 * std::pow(10.0, 1 - significant)) << what;
}
void expect_f(double got, double want, int decimals, const std::string& what) {
  EXPECT_NEAR(got, want, 0.51 * std::pow(10.0, -decimals)) << what;
}

void expect_nodes(const RandomModel& m, const ModelFile& f, const ModelLookup& look) {
  ASSERT_EQ(f.nodes.size(), m.mnpex.size());
  for (std::size_t i = 0; i < m.mnpex.size(); ++i) {
    const std::int64_t p = look.node(m.mnpex[i]);
    ASSERT_GE(p, 0) << m.mnpex[i];
    const ModelNode& n = f.nodes[static_cast<std::size_t>(p)];
    expect_f(n.x, m.coords[i][0], 3, "x");
    expect_f(n.y, m.coords[i][1], 3, "y");
    expect_f(n.z, m.coords[i][2], 3, "z");
    for (std::size_t d = 0; d < 6; ++d) {
      const std::int32_t c = m.nboun[6 * i + d];
      EXPECT_EQ(n.codes[d], c == 4 || c == 5 ? 0 : c) << m.mnpex[i];
    }
  }
}

void expect_beams(const RandomModel& m, const ModelFile& f, const ModelLookup& look) {
  ASSERT_EQ(f.beams.size(), m.melex.size());
  for (std::size_t e = 0; e < m.melex.size(); ++e) {
    const std::int64_t p = look.beam(m.melex[e]);
    ASSERT_GE(p, 0) << m.melex[e];
    const ModelBeam& b = f.beams[static_cast<std::size_t>(p)];
    EXPECT_EQ(b.node1, m.mnpex[static_cast<std::size_t>(m.mnpc[2 * e] - 1)]);
    EXPECT_EQ(b.node2, m.mnpex[static_cast<std::size_t>(m.mnpc[2 * e + 1] - 1)]);
    EXPECT_EQ(b.material, m.mexmat[static_cast<std::size_t>(m.melmat[e] - 1)]);
    EXPECT_EQ(b.section, m.mexgeo[static_cast<std::size_t>(m.melgeo[e] - 1)]);
  }
}

void expect_sections(const RandomModel& m, const ModelFile& f, const ModelLookup& look) {
  ASSERT_EQ(f.sections.size(), m.mexgeo.size());
  ASSERT_EQ(f.surfaces.size(), m.mexgeo.size());
  const std::size_t words[] = {1, 2, 3, 4, 6, 7, 8, 9, 10};
  for (std::size_t g = 0; g < m.mexgeo.size(); ++g) {
    const ModelSection& s = f.sections[static_cast<std::size_t>(look.section(m.mexgeo[g]))];
    ASSERT_EQ(s.values.size(), 9u);
    for (std::size_t k = 0; k < 9; ++k) {
      expect_e(s.values[k], m.sections[g][words[k] - 1], 6, "GENBEAM word");
    }
    EXPECT_EQ(s.area, s.values[0]);
    const ModelSection& p = f.surfaces[static_cast<std::size_t>(look.surface(m.mexgeo[g]))];
    const bool precise = m.surfaces[g][1] < 0.01 || m.surfaces[g][2] < 0.01;
    ASSERT_GE(p.values.size(), 2u);
    expect_f(p.values[0], m.surfaces[g][1], precise ? 5 : 3, "Do");
    expect_f(p.values[1], m.surfaces[g][2], precise ? 5 : 3, "Thick");
    EXPECT_EQ(p.values.size(), m.surfaces[g][3] > 1e-6 || m.surfaces[g][4] > 1e-6 ? 4u : 2u);
  }
}

void expect_materials(const RandomModel& m, const ModelFile& f, const ModelLookup& look) {
  for (std::size_t i = 0; i < m.mexmat.size(); ++i) {
    const std::int64_t p = look.material(m.mexmat[i]);
    ASSERT_GE(p, 0);
    const ModelMaterial& r = f.materials[static_cast<std::size_t>(p)];
    const std::vector<double>& row = m.materials[i];
    if (m.matyp[i] == 1) {
      EXPECT_EQ(r.keyword, kIsotropicMaterial);
      ASSERT_EQ(r.values.size(), 5u);
      for (std::size_t k = 0; k < 5; ++k) expect_e(r.values[k], row[k], 4, "MISOIEP");
    } else if (m.matyp[i] == 2) {
      EXPECT_EQ(r.keyword, kCurveMaterial);
      ASSERT_EQ(r.values.size(), 2 * static_cast<std::size_t>(row[7]));
      for (std::size_t k = 0; k < r.values.size(); ++k) expect_e(r.values[k], row[8 + k], 6, "P");
    } else {
      EXPECT_EQ(r.keyword, kSpringReferences);
      const auto ex = [&](double index) {
        return index > 0 ? m.mexmat[static_cast<std::size_t>(index) - 1] : 0;
      };
      EXPECT_EQ(r.references,
                (Ints{ex(row[0]), ex(row[1]), ex(row[2]), ex(row[3]), ex(row[4]), ex(row[5])}));
    }
  }
}

TEST(RoundTrip, RandomModelsReadBackAsWritten) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RandomModel m(seed);
    test::TestIo io;
    std::vector<std::int32_t> seabed;
    bool with_seabed = false;
    const std::string path = write_model(m, io, seabed, with_seabed);
    const ModelFile f = read_model_file(io.units, 30, path);
    EXPECT_TRUE(f.readable);
    EXPECT_TRUE(f.trailer);
    EXPECT_EQ(f.faults, std::vector<std::string>{});
    const ModelLookup look(f);
    expect_nodes(m, f, look);
    expect_beams(m, f, look);
    expect_sections(m, f, look);
    expect_materials(m, f, look);
    EXPECT_EQ(f.materials.size(), m.mexmat.size() + (with_seabed ? 2 * seabed.size() + 1 : 0));
    ASSERT_EQ(f.springs.size(), seabed.size());
    for (std::size_t k = 0; k < seabed.size(); ++k) EXPECT_EQ(f.springs[k].node, seabed[k]);
    EXPECT_EQ(f.time_dependent.size(), seabed.size());
  }
}

}  // namespace
}  // namespace velkan
