// Relative equality and the merge map: the value test case by case, and the
// map against the literal pairwise loop on random tables full of equal and
// nearly equal rows, zeros, tiny values, negatives and non-numbers, and on
// the shapes long risers give: many distinct property sets graded
// independently in several columns, and chains of values each just within
// the tolerance of the next.
#include "process/mergemap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "process/realvec.h"
#include "process/relativeequality.h"

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

// Rows kept packed, without the zero words that end every row, merge as the
// full rows do: exact zeros are always equal.
TEST(Mkpmap, ZeroWordsEndingEveryRowChangeNothing) {
  std::mt19937 rng(20261208);
  for (int round = 0; round < 100; ++round) {
    const std::int32_t packed = 1 + round % 4, full = packed + 1 + round % 7;
    const std::int32_t npr = std::uniform_int_distribution<std::int32_t>(1, 80)(rng);
    std::vector<double> t = random_table(rng, packed, npr), padded;
    for (std::int32_t r = 0; r < npr; ++r) {
      const auto row = t.begin() + static_cast<std::ptrdiff_t>(r) * packed;
      padded.insert(padded.end(), row, row + packed);
      padded.insert(padded.end(), static_cast<std::size_t>(full - packed), 0.0);
    }
    for (const double tol : {1e-6, 0.5, 1e-300}) {
      std::vector<std::int32_t> a(static_cast<std::size_t>(npr)), b(a.size());
      ASSERT_TRUE(MKPMAP(test::reals(t), packed, npr, tol, a));
      ASSERT_TRUE(MKPMAP(test::reals(padded), full, npr, tol, b));
      ASSERT_EQ(a, b) << "round " << round << " tol " << tol;
    }
  }
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

// A table of `columns` graded columns, each over `grades` values, one row per
// combination, in shuffled order, with constant columns around them; some rows
// are copies, some nudged just inside or outside the tolerance, some carry a
// zero, a tiny value, a sign change or a value that is not finite.
std::vector<double> many_sets_table(std::mt19937& rng, int columns, int grades, double tol,
                                    std::int32_t& mxpr, std::int32_t& npr) {
  mxpr = columns + 3;
  std::vector<std::vector<double>> rows;
  int combos = 1;
  for (int c = 0; c < columns; ++c) combos *= grades;
  for (int i = 0; i < combos; ++i) {
    std::vector<double> row = {4.5e9, 0.0};
    for (int c = 0, v = i; c < columns; ++c, v /= grades)
      row.push_back((1.0 + 0.01 * (c + 1) * (v % grades)) * std::pow(10.0, c - 1));
    row.push_back(-2.5);
    rows.push_back(row);
  }
  static const std::vector<double> nudges = {0.5,  -0.5,  0.999,  -0.999, 1.0,
                                             -1.0, 1.001, -1.001, 1.5,    3.0};
  std::uniform_int_distribution<int> kind(0, 19);
  const std::size_t base = rows.size();
  for (std::size_t i = 0; i < base; ++i) {
    auto row = rows[std::uniform_int_distribution<std::size_t>(0, base - 1)(rng)];
    const auto col = std::uniform_int_distribution<std::size_t>(0, row.size() - 1)(rng);
    const int k = kind(rng);
    if (k < 8) {
      row[col] *= 1.0 + tol * nudges[static_cast<std::size_t>(k) % nudges.size()];
    } else if (k < 10) {
      row[col] = k == 8 ? 0.0 : 5e-100;
    } else if (k == 10) {
      row[col] = -row[col];
    } else if (k == 11) {
      row[col] = kNaN;
    } else if (k < 15) {
      continue;  // fewer extra rows than base ones
    }
    rows.push_back(row);
  }
  std::shuffle(rows.begin(), rows.end(), rng);
  npr = static_cast<std::int32_t>(rows.size());
  std::vector<double> t;
  for (const auto& row : rows) t.insert(t.end(), row.begin(), row.end());
  return t;
}

TEST(Mkpmap, EqualsThePairwiseLoopOnManyDistinctPropertySets) {
  std::mt19937 rng(331776);
  for (const double tol : {1e-6, 1e-3, 0.05, 0.3, 0.9}) {
    for (const auto& [columns, grades] : {std::pair{4, 6}, {4, 7}, {2, 40}, {3, 12}, {6, 3}}) {
      std::int32_t mxpr = 0, npr = 0;
      std::vector<double> t = many_sets_table(rng, columns, grades, tol, mxpr, npr);
      std::vector<std::int32_t> imap(static_cast<std::size_t>(npr));
      ASSERT_TRUE(MKPMAP(test::reals(t), mxpr, npr, tol, imap));
      ASSERT_EQ(imap, literal_map(t, mxpr, npr, tol))
          << columns << " columns of " << grades << ", tol " << tol;
    }
  }
}

// Values each a little less than the tolerance above the one before, so that
// equality runs along chains without being transitive, in two columns, with
// signs, zeros and tiny values mixed in, rows in random order.
TEST(Mkpmap, EqualsThePairwiseLoopOnChainsOfNearlyEqualValues) {
  std::mt19937 rng(42);
  for (const double tol : {1e-6, 1e-2, 0.2}) {
    for (const double step : {0.3, 0.7, 0.999, 1.01, 2.9, 3.1}) {
      const std::int32_t mxpr = 3, npr = 1500;
      std::uniform_int_distribution<int> link(0, 60);
      std::uniform_int_distribution<int> odd(0, 30);
      std::vector<double> t;
      for (std::int32_t r = 0; r < npr; ++r) {
        for (int c = 0; c < 2; ++c) {
          double v = std::pow(1.0 + step * tol, link(rng)) * (c == 0 ? 1.0 : -3.0);
          const int o = odd(rng);
          if (o == 0) v = 0.0;
          if (o == 1) v = -1e-120;
          if (o == 2) v = -v;
          t.push_back(v);
        }
        t.push_back(r % 2 == 0 ? 7.0 : 7.0 * (1.0 + 0.5 * tol));
      }
      std::vector<std::int32_t> imap(npr);
      ASSERT_TRUE(MKPMAP(test::reals(t), mxpr, npr, tol, imap));
      ASSERT_EQ(imap, literal_map(t, mxpr, npr, tol)) << "tol " << tol << " step " << step;
    }
  }
}

}  // namespace
}  // namespace velkan
