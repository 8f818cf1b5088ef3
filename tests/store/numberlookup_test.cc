// Number lookup: first positions, key order and its inverse, against the
// pairwise definitions on random keys.
#include "store/numberlookup.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace velkan {
namespace {

TEST(IvLookup, OrderOfSignedKeys) {
  const std::vector<std::int32_t> keys = {5, -1, 2, -3};
  std::vector<std::int32_t> order(4, 0);
  IVORD(4, 2, keys, order);
  EXPECT_EQ(order, (std::vector<std::int32_t>{3, 1, 2, 4}));
  EXPECT_EQ(IVKTH(keys, 4, 4), 4);
  EXPECT_EQ(IVKTH(keys, 4, 5), 0);
  EXPECT_EQ(IVKTH(keys, 4, 1), 3);
}

TEST(IvLookup, ZeroAndEqualKeys) {
  std::vector<std::int32_t> order = {-7, -7, -7};
  IVORD(3, 0, std::vector<std::int32_t>{4, 0, 2}, order);
  EXPECT_EQ(order, (std::vector<std::int32_t>{3, 1, -7}));  // the zero key's place keeps its value
  EXPECT_EQ(IVKTH(std::vector<std::int32_t>{4, 0, 2}, 3, 1), 0);
  EXPECT_EQ(IVKTH(std::vector<std::int32_t>{5, 5, 9}, 3, 1), 1);
  EXPECT_EQ(IVKTH(std::vector<std::int32_t>{5, 5, 9}, 3, 2), 0);
  EXPECT_EQ(IVKTH(std::vector<std::int32_t>{5, 5, 9}, 3, 3), 3);
}

TEST(IvLookup, FirstPositionCountAndText) {
  const std::vector<std::int32_t> v = {4, 8, 4, -2};
  EXPECT_EQ(IVFND(4, v), 1);
  EXPECT_EQ(IVFND(3, v), 0);
  EXPECT_EQ(IVCNT(4, v), 2);
  const FirstPositions fp(v);
  EXPECT_EQ(fp.find(4), 1);
  EXPECT_EQ(fp.find(-2), 4);
  EXPECT_EQ(fp.find(3), 0);
  std::string s;
  IVTOCH(s, 5, std::vector<std::int32_t>{'A' + 256, 'B', 'C'}, 2);
  EXPECT_EQ(s, "AB   ");
}

// The defining pairwise forms, for comparison.
std::int32_t kth_by_definition(const std::vector<std::int32_t>& k, std::int32_t r) {
  const auto n = static_cast<std::int32_t>(k.size());
  std::int32_t p = 0, q = 0;
  for (auto x : k) (x > 0 ? p : x < 0 ? q : p) += x != 0;
  if (n < r || p + q != n) return 0;
  for (std::int32_t i = 0; i < n; ++i) {
    std::int32_t below = 0;
    if (r <= p && k[i] > 0) {
      for (auto x : k) below += x > 0 && x < k[i];
      if (below == r - 1) return i + 1;
    }
    if (r > p && k[i] < 0) {
      for (auto x : k) below += x < 0 && x > k[i];
      if (below == r - p - 1) return i + 1;
    }
  }
  return 0;
}

TEST(IvLookup, FastFormsAgreeWithTheDefinitions) {
  std::mt19937 rng(7);
  for (int trial = 0; trial < 300; ++trial) {
    const int n = 1 + static_cast<int>(rng() % 12);
    std::vector<std::int32_t> keys(static_cast<std::size_t>(n));
    for (auto& k : keys) k = static_cast<std::int32_t>(rng() % 11) - 4;
    const KeyPlaces places(keys, n);
    const FirstPositions first(keys);
    for (std::int32_t r = 0; r <= n + 1; ++r) EXPECT_EQ(places(r), kth_by_definition(keys, r));
    for (std::int32_t v = -5; v <= 7; ++v) EXPECT_EQ(first.find(v), IVFND(v, keys));
  }
}

// IVORD by its definition: a key's place counts the keys of its sign before it.
std::vector<std::int32_t> order_by_definition(const std::vector<std::int32_t>& k,
                                              std::int32_t nneg) {
  const auto n = static_cast<std::int32_t>(k.size());
  std::vector<std::int32_t> order(k.size(), 0);
  for (std::int32_t i = 0; i < n; ++i) {
    std::int64_t place = 0;
    for (auto x : k) place += k[i] > 0 ? (x > 0 && x < k[i]) : (x < 0 && x > k[i]);
    if (k[i] > 0) place += 1;
    if (k[i] < 0) place += n - nneg + 1;
    if (k[i] != 0 && place >= 1 && place <= n) order[static_cast<std::size_t>(place - 1)] = i + 1;
  }
  return order;
}

// Keys in ascending runs (as numbers usually come), with jumps back and
// forward, repeats, zeros and negative keys.
TEST(IvLookup, OrderAgreesWithTheDefinitionOnRunsOfAscendingKeys) {
  std::mt19937 rng(1208);
  for (int trial = 0; trial < 400; ++trial) {
    const int n = 1 + static_cast<int>(rng() % 150);
    std::vector<std::int32_t> keys(static_cast<std::size_t>(n));
    std::int32_t next = 1 + static_cast<std::int32_t>(rng() % 5);
    std::int32_t nneg = 0;
    for (auto& k : keys) {
      const unsigned kind = rng() % 20;
      if (kind == 0) next = 1 + static_cast<std::int32_t>(rng() % 300);  // a jump either way
      k = kind == 1 ? 0 : kind == 2 ? -1 - static_cast<std::int32_t>(rng() % 9) : next;
      nneg += k < 0;
      next += static_cast<std::int32_t>(rng() % 3);  // 0: a repeated number
    }
    std::vector<std::int32_t> order(keys.size(), 0);
    IVORD(n, nneg, keys, order);
    ASSERT_EQ(order, order_by_definition(keys, nneg)) << "trial " << trial;
    const KeyPlaces places(keys, n);
    for (std::int32_t r = 0; r <= n + 1; ++r) ASSERT_EQ(places(r), kth_by_definition(keys, r));
  }
}

// Values in a narrow range (found through a table by value) and in wide ones
// (through the sorted index), extremes of the 32-bit range included.
TEST(IvLookup, FirstPositionsAgreeWithTheDefinitionForNarrowAndWideRanges) {
  std::mt19937 rng(11);
  const std::vector<std::pair<std::int64_t, std::int64_t>> ranges = {{1, 40},
                                                                     {-30, 30},
                                                                     {1000, 3100},
                                                                     {0, 4000},
                                                                     {INT32_MIN, INT32_MAX},
                                                                     {INT32_MAX - 9, INT32_MAX}};
  for (const auto& [lo, hi] : ranges) {
    std::uniform_int_distribution<std::int64_t> pick(lo, hi);
    std::vector<std::int32_t> v(1000);
    for (auto& x : v) x = static_cast<std::int32_t>(pick(rng));
    v[17] = static_cast<std::int32_t>(lo);
    v[900] = static_cast<std::int32_t>(hi);
    const FirstPositions first(v);
    for (const std::int32_t x : v) ASSERT_EQ(first.find(x), IVFND(x, v)) << lo << ".." << hi;
    for (const std::int64_t x : {lo - 1, hi + 1, lo + (hi - lo) / 2}) {
      if (x < INT32_MIN || x > INT32_MAX) continue;
      const auto y = static_cast<std::int32_t>(x);
      ASSERT_EQ(first.find(y), IVFND(y, v)) << lo << ".." << hi;
    }
  }
  EXPECT_EQ(FirstPositions(std::vector<std::int32_t>{}).find(0), 0);
}

}  // namespace
}  // namespace velkan
