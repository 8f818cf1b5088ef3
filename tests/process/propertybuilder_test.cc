// The cross-section and material builder: the example rows, the constants, the
// hinge materials, the index arrays and the zero axial stiffness.
#include "process/propertybuilder.h"

#include <gtest/gtest.h>

#include <vector>

#include "process/realvec.h"
#include "support/testio.h"

namespace velkan {
namespace {

constexpr std::int32_t kGepr = 30;
constexpr std::int32_t kMapr = 58;
using Ints = std::vector<std::int32_t>;

struct Builder {
  std::int32_t nel, nma;
  std::vector<double> elprop, tcrgeo, tsugeo, tmapa;
  Ints mgetyp, matyp, melgeo, melmat, mexgeo, mexmat, msutyp, mhinge, melex;

  explicit Builder(std::int32_t n)
      : nel(n),
        nma(n + 7),
        elprop(n * kGepr),
        tcrgeo(n * kGepr),
        tsugeo(n * kGepr),
        tmapa(n * kMapr),
        mgetyp(n),
        matyp(n),
        melgeo(n),
        melmat(n),
        mexgeo(n),
        mexmat(n),
        msutyp(n),
        mhinge(n),
        melex(n) {
    for (std::int32_t e = 0; e < n; ++e) melex[e] = 501 + e;
  }
  // Sets words of ELPROP row e from (word, value) pairs.
  void row(std::int32_t e, std::initializer_list<std::pair<int, double>> words) {
    for (const auto& [k, v] : words) elprop[(e - 1) * kGepr + k - 1] = v;
  }
  double geo(std::int32_t e, int k) const {
    return tcrgeo[(e - 1) * kCrossSectionRowReals + k - 1];
  }
  double mat(std::int32_t e, int k) const { return tmapa[(e - 1) * kMapr + k - 1]; }
  std::int32_t run(Units& io) {
    std::int32_t status = 0;
    MKPROP(io, nel, 99, test::reals(elprop), test::reals(tcrgeo), test::reals(tmapa), mgetyp, matyp,
           melgeo, melmat, mexgeo, mexmat, nel, nma, kGepr, kMapr, test::reals(tsugeo), msutyp,
           mhinge, melex, 17, status);
    return status;
  }
};

TEST(Mkprop, BuildsCrossSectionSurfaceAndMaterialRows) {
  test::TestIo io;
  Builder b(4);
  b.row(1, {{4, 2e10}, {1, 3e10}, {2, 5e9}, {9, 0.5}});
  b.row(2, {{5, 100.0}, {8, 0.0}, {4, 1e10}});
  b.row(3, {{4, 1e10}, {1, 1e10}, {9, 2.0}});
  b.mhinge[2] = 1;
  b.row(4, {{8, 0.2}, {27, 1025.0}, {5, 50.0}, {4, 2e10}});
  ASSERT_EQ(b.run(io.units), 0);

  const std::vector<double> geo1 = {2, 3000, 3, 0.5, 0, 3000000, 3, 0.5, 2, 2};
  for (int k = 1; k <= 10; ++k) EXPECT_DOUBLE_EQ(b.geo(1, k), geo1[k - 1]) << "word " << k;
  for (int k = 0; k < 3; ++k) {
    const double want = std::vector<double>{0.45, 0.5, 0.025}[k];
    EXPECT_DOUBLE_EQ(b.geo(1, 21 + k), want);
    EXPECT_DOUBLE_EQ(b.tsugeo[k], want);
  }
  EXPECT_EQ(b.mat(1, 1), 1e10);
  EXPECT_EQ(b.mat(1, 2), 0.30000001192092896);
  EXPECT_EQ(b.mat(1, 3), 1e9);
  EXPECT_EQ(b.mat(2, 4), 100.0);
  // Mass per length with the internal fluid, worked by hand for row 4: the bore
  // area 0.2^2 * pi / 4 with pi as the single-precision 3.14159 (3.1415901184)
  // is 0.0314159012 m^2, the fluid 1025 * 0.0314159012 = 32.2012987 kg/m, plus
  // the 50 kg/m of the pipe gives 82.2012987, scaled by the reference modulus
  // 1e10 / 2e10 to 41.1006494 (the double pi would give 41.1006623).
  EXPECT_NEAR(b.mat(4, 4), 41.1006494, 1e-7);
  // Cross-section, surface and material rows are kept packed: nothing past
  // their stored words.
  EXPECT_DOUBLE_EQ(b.geo(4, 1), 2.0);  // word 1 of element 4: its w4 / 1e10
  for (std::size_t w = 4 * kCrossSectionRowReals; w < b.tcrgeo.size(); ++w)
    EXPECT_EQ(b.tcrgeo[w], 0.0) << w;
  EXPECT_DOUBLE_EQ(b.tsugeo[2 * kSurfaceRowReals + 1], 2.0);  // word 2 of element 3: its w9
  for (std::int32_t e = 1; e <= 4; ++e) {
    for (int k = kMaterialRowReals + 1; k <= kMapr; ++k) EXPECT_EQ(b.mat(e, k), 0.0) << e;
  }
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(b.mat(3, k), 0.0);
  EXPECT_DOUBLE_EQ(b.geo(3, 1), 1.0);  // a hinge's cross-section is built all the same

  EXPECT_EQ(b.matyp, (Ints{1, 1, 3, 1}));
  EXPECT_EQ(b.mgetyp, (Ints{4, 4, 4, 4}));
  EXPECT_EQ(b.msutyp, (Ints{1, 1, 1, 1}));
  for (const Ints* index : {&b.melgeo, &b.melmat, &b.mexgeo, &b.mexmat}) {
    EXPECT_EQ(*index, (Ints{1, 2, 3, 4}));
  }
  EXPECT_EQ(b.nma, 4);
}

TEST(Mkprop, ZeroAxialStiffnessFailsBeforeWritingAnything) {
  test::TestIo io;
  Builder b(3);
  b.row(1, {{4, 1e10}});
  b.mhinge[1] = 1;  // a hinge with zero stiffness is fine: its density is never computed
  b.row(3, {{4, -0.0}});
  EXPECT_EQ(b.run(io.units), -1);
  const std::vector<std::string> block = {"", "  *** ERROR IN MKPROP ***",
                                          "   Zero axial stiffness (EA) of element:       503"};
  EXPECT_EQ(test::lines_of(io.file("fort.17")), block);
  EXPECT_EQ(test::lines_of(io.console()), block);
  EXPECT_EQ(b.geo(1, 1), 0.0);
  EXPECT_EQ(b.nma, 10);
}

TEST(Mkprop, ADensityThatWouldNotBeFiniteFailsBeforeWritingAnything) {
  struct Case {
    const char* what;
    std::initializer_list<std::pair<int, double>> words;
  } cases[] = {
      {"a bore of 1E200 with fluid", {{4, 1e10}, {8, 1e200}, {27, 850.0}}},
      {"a bore of 1E200 without fluid", {{4, 1e10}, {8, 1e200}}},  // infinity times 0
      {"an axial stiffness of 1E-300", {{4, 1e-300}, {5, 100.0}}},
  };
  for (const Case& c : cases) {
    test::TestIo io;
    Builder b(2);
    b.row(1, {{4, 1e10}, {8, 0.2}, {27, 1e300}, {5, 1e300}});  // large but finite
    b.row(2, c.words);
    EXPECT_EQ(b.run(io.units), -1) << c.what;
    EXPECT_EQ(test::lines_of(io.file("fort.17")),
              (std::vector<std::string>{"", "  *** ERROR IN MKPROP ***",
                                        "   Material density not finite of element:       502"}))
        << c.what;
    EXPECT_EQ(b.geo(1, 1), 0.0) << c.what;
    EXPECT_EQ(b.mat(1, 1), 0.0) << c.what;
  }
}

}  // namespace
}  // namespace velkan
