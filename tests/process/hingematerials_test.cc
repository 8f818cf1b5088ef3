// Hinge materials: one pair of spring curves for all hinge materials, their
// external numbers when the usual ones are taken, and the refusals.
#include "process/hingematerials.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "process/propertybuilder.h"
#include "process/realvec.h"
#include "support/testio.h"

namespace velkan {
namespace {

constexpr std::int32_t kMapr = 58;
using Ints = std::vector<std::int32_t>;

// Five materials; elements 2 and 5 are hinges sharing material 3, element 6 a
// hinge whose material was merged into an ordinary one.
struct Materials {
  std::int32_t nma = 5;
  Ints matyp = {1, 1, 3, 1, 1, 0, 0}, mexmat = {1, 2, 3, 4, 5, 0, 0};
  Ints melmat = {1, 3, 2, 4, 3, 5}, mhinge = {0, 1, 0, 0, 1, 1};
  std::vector<double> tmapa = std::vector<double>(7 * kMapr, 0.0);

  double word(std::int32_t m, int k) const { return tmapa[(m - 1) * kMapr + k - 1]; }
  std::int32_t run(Units& io, double ka = 1e8, double kb = 1e3) {
    std::int32_t status = 0;
    MKHING(io, 6, nma, ka, test::reals(tmapa), matyp, kb, melmat, mexmat, kMapr, mhinge, 17,
           status);
    return status;
  }
};

TEST(Mkhing, AddsOnePairOfCurvesAndTheReferences) {
  test::TestIo io;
  Materials m;
  ASSERT_EQ(m.run(io.units), 0);
  EXPECT_EQ(m.nma, 7);
  EXPECT_EQ(m.matyp, (Ints{1, 1, 3, 1, 1, 2, 2}));
  EXPECT_EQ(m.mexmat, (Ints{1, 2, 3, 4, 5, 10006, 10007}));
  const std::vector<double> refs = {6, 6, 6, 6, 7, 7};
  const std::vector<double> axial = {2, 0, 0, 0, 0, 0, 0, 2, -1e8, -1, 1e8, 1};
  const std::vector<double> bending = {2, 0, 0, 0, 0, 0, 0, 2, -1e3, -1, 1e3, 1};
  for (int k = 1; k <= 12; ++k) {
    EXPECT_EQ(m.word(3, k), k <= 6 ? refs[k - 1] : 0.0) << "reference word " << k;
    EXPECT_EQ(m.word(5, k), 0.0) << "ordinary material, word " << k;
    EXPECT_EQ(m.word(6, k), axial[k - 1]) << "axial word " << k;
    EXPECT_EQ(m.word(7, k), bending[k - 1]) << "bending word " << k;
  }
  // Material rows are kept packed: nothing past their stored words is written.
  for (std::int32_t r = 1; r <= 7; ++r) {
    for (int k = kMaterialRowReals + 1; k <= kMapr; ++k) EXPECT_EQ(m.word(r, k), 0.0) << r;
  }
}

TEST(Mkhing, TakenCurveNumbersMoveAboveTheLargestNumber) {
  struct Case {
    Ints taken;  // external numbers of materials 1..5
    std::int32_t axial, bending;
  };
  const std::vector<Case> cases = {
      {{1, 10006, 3, 4, 20000}, 20001, 10007},
      {{1, 2, 3, 10007, 5}, 10006, 10008},
      {{10007, 10006, 3, 4, 5}, 10008, 10009},
      {{1, 2, 3, 4, 10006}, 10007, 10008},
  };
  for (const Case& c : cases) {
    test::TestIo io;
    Materials m;
    std::copy(c.taken.begin(), c.taken.end(), m.mexmat.begin());
    ASSERT_EQ(m.run(io.units), 0);
    EXPECT_EQ(m.mexmat[5], c.axial) << c.taken[1];
    EXPECT_EQ(m.mexmat[6], c.bending) << c.taken[1];
  }
}

TEST(Mkhing, RefusesWhatItCannotDoWithoutChangingAnything) {
  test::TestIo io;
  Materials m;
  m.mexmat[0] = INT32_MAX;
  m.mexmat[1] = 10006;
  const std::vector<double> before = m.tmapa;
  EXPECT_EQ(m.run(io.units), -1);
  EXPECT_EQ(test::lines_of(io.file("fort.17")),
            (std::vector<std::string>{"", "  *** ERROR IN MKHING ***",
                                      "   No free external number left for the spring curves"}));
  EXPECT_EQ(m.nma, 5);
  EXPECT_EQ(m.tmapa, before);
  m.matyp.resize(6);  // no room for the second curve
  EXPECT_EQ(m.run(io.units), -1);
  EXPECT_EQ(m.nma, 5);
}

TEST(Mkhing, RefusesStiffnessesThatAreNotFinite) {
  const double inf = std::numeric_limits<double>::infinity();
  for (const auto& [ka, kb] : {std::pair{inf, 1e3}, std::pair{1e8, -inf},
                               std::pair{1e8, std::numeric_limits<double>::quiet_NaN()}}) {
    test::TestIo io;
    Materials m;
    const Materials before = m;
    EXPECT_EQ(m.run(io.units, ka, kb), -1) << ka << " " << kb;
    EXPECT_EQ(
        test::lines_of(io.file("fort.17")),
        (std::vector<std::string>{"", "  *** ERROR IN MKHING ***",
                                  "   Spring stiffness not finite (NaN, Inf or beyond 1E308)"}));
    EXPECT_EQ(m.nma, 5);
    EXPECT_EQ(m.matyp, before.matyp);
    EXPECT_EQ(m.tmapa, before.tmapa);
  }
}

}  // namespace
}  // namespace velkan
