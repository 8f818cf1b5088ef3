// Relative equality and the merge map: the value test case by case, and the
// fast map against the plain pairwise loop on random tables full of equal and
// nearly equal rows, zeros, tiny values, negatives and non-numbers.
#include "process/propmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "process/realvec.h"
#include "process/relequal.h"

namespace velkan {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct PairCase {
  double a, b, tol;
  bool equal;
};

TEST(RelEqual, FollowsTheRatioOfSecondOverFirst) {
  const std::vector<PairCase> cases = {
      {1.0, 1.0 + 1e-7, 1e-6, true}, {1.0, 1.0 + 1e-5, 1e-6, false},
      {1.0, -1.0, 1e-6, false},      {0.0, 0.0, 1e-6, true},
      {0.0, -0.0, 1e-300, true},     {0.0, 1e-100, 1e-6, true},
      {1e-100, -1e-120, 1e-6, true}, {0.0, 1e-99, 1e-6, false},
      {1e-99, 1e-99, 1e-6, true},    {1.0, 0.0, 1e-6, false},
      {1.0, 1.105, 0.1, false},      {1.105, 1.0, 0.1, true},  // not symmetric
      {1.0, 1.1, 0.1, false},        {0.0, 5.0, 1.5, true},    // ratio 0 inside (-0.5, 2.5)
      {kNaN, kNaN, 1e-6, false},     {1.0, kNaN, 1e-6, false},
      {kInf, kInf, 1e-6, false},     {2.0, 2.0, 1e-17, false},  // 1 - tol rounds to 1
  };
  for (const PairCase& c : cases) {
    EXPECT_EQ(rel_equal(c.a, c.b, c.tol), c.equal) << c.a << " " << c.b << " tol " << c.tol;
  }
}

std::vector<std::int32_t> literal_map(std::vector<double>& prop, std::int32_t mxpr,
                                      std::int32_t npr, double tol) {
  std::vector<std::int32_t> imap(static_cast<std::size_t>(npr), 0);
  for (std::int32_t i = 0; i < npr; ++i) {
    for (std::int32_t j = i + 1; j < npr; ++j) {
      if (rows_equal(test::reals(prop), mxpr, i, j, tol) && imap[j] == 0) imap[j] = i + 1;
    }
  }
  return imap;
}

// Rows drawn from a small pool of values, copies of earlier rows, and copies
// with one value nudged by a relative amount around the tolerances tested.
std::vector<double> random_table(std::mt19937& rng, std::int32_t mxpr, std::int32_t npr) {
  static const std::vector<double> pool = {
      0.0,  -0.0, 1e-100, -1e-120, 1e-99, 9.9e-100, 1.0,    -1.0, 2.5,
      1e10, -3e5, kNaN,   kInf,    -kInf, 1e300,    5e-324, 0.3,  0.30000001192092896};
  static const std::vector<double> nudges = {1e-7,  -1e-7, 5e-7,   -5e-7, 9.99e-7, -9.99e-7,
                                             1e-6,  -1e-6, 1.1e-6, 1e-3,  -1e-3,   0.05,
                                             -0.05, 0.2,   -0.2,   1e-16, 2.3e-16, 0.3};
  const auto pick = [&](const std::vector<double>& v) {
    return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(rng)];
  };
  std::uniform_int_distribution<int> kind(0, 9);
  std::vector<double> t;
  for (std::int32_t r = 0; r < npr; ++r) {
    const int k = kind(rng);
    if (r > 0 && k < 6) {
      const auto src = std::uniform_int_distribution<std::int32_t>(0, r - 1)(rng);
      for (std::int32_t c = 0; c < mxpr; ++c)
        t.push_back(t[static_cast<std::size_t>(src * mxpr + c)]);
      if (k >= 3) {
        const auto col = std::uniform_int_distribution<std::int32_t>(0, mxpr - 1)(rng);
        t[static_cast<std::size_t>(r * mxpr + col)] *= 1.0 + pick(nudges);
      }
    } else {
      for (std::int32_t c = 0; c < mxpr; ++c) t.push_back(pick(pool));
    }
  }
  return t;
}

TEST(Mkpmap, EqualsThePairwiseLoopOnRandomTables) {
  std::mt19937 rng(20240611);
  const std::vector<double> tols = {1e-6, 1e-3, 0.1,    0.2499,  0.25,
                                    0.5,  1.5,  1e-300, 1.2e-16, 3e-16};
  for (int round = 0; round < 300; ++round) {
    const std::int32_t mxpr = 1 + round % 5;
    const std::int32_t npr = std::uniform_int_distribution<std::int32_t>(1, 120)(rng);
    std::vector<double> t = random_table(rng, mxpr, npr);
    for (const double tol : tols) {
      std::vector<std::int32_t> imap(static_cast<std::size_t>(npr), -9);
      ASSERT_TRUE(MKPMAP(test::reals(t), mxpr, npr, tol, imap));
      ASSERT_EQ(imap, literal_map(t, mxpr, npr, tol)) << "round " << round << " tol " << tol;
    }
  }
  std::vector<double> t = {1, 1};
  std::vector<std::int32_t> imap = {-3, -3};
  EXPECT_FALSE(MKPMAP(test::reals(t), 1, 2, 0.0, imap));
  EXPECT_FALSE(MKPMAP(test::reals(t), 1, 3, 1e-6, imap));  // a row more than the table holds
  EXPECT_EQ(imap, (std::vector<std::int32_t>{-3, -3}));
}

TEST(Mkpmap, EqualsThePairwiseLoopWhenColumnsMustBeSampled) {
  std::mt19937 rng(7);
  const std::int32_t mxpr = 4, npr = 4000;
  std::vector<double> t;
  std::uniform_int_distribution<int> small(0, 40);
  for (std::int32_t r = 0; r < npr; ++r) {
    t.push_back(0.0);                      // a column that never tells rows apart
    t.push_back(1.0 + small(rng) * 4e-7);  // near-equal values
    t.push_back(r % 3 == 0 ? -1.0 - small(rng) * 1e-7 : 2.0);
    t.push_back(static_cast<double>(small(rng)));
  }
  std::vector<std::int32_t> imap(npr);
  ASSERT_TRUE(MKPMAP(test::reals(t), mxpr, npr, 1e-6, imap));
  EXPECT_EQ(imap, literal_map(t, mxpr, npr, 1e-6));
}

}  // namespace
}  // namespace velkan
