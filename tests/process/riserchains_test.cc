// The chains of a model: which chains are risers and which elements lie
// apart, where a riser begins, the order whatever the order of the listing,
// a literal construction on random meshes, the coarsening walk along every
// riser, and a model of a million elements.
#include "process/riserchains.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "process/meshmarking.h"
#include "support/testio.h"

namespace velkan {
namespace {

// A model in FlexCom numbers: each element a list of node numbers (0 for a
// node not in the model), each node number a node.
struct Model {
  std::vector<std::int32_t> nodes;               // FlexCom node numbers
  std::vector<std::int32_t> elems;               // FlexCom element numbers
  std::vector<std::vector<std::int32_t>> links;  // per element its FlexCom nodes
};

// The internal arrays of a model, nodes and elements in the order given.
struct Arrays {
  std::vector<std::int32_t> mnpex, melex, mnpc, mpmnpc{1};
  std::int32_t nel = 0, nnp = 0;

  Arrays(const Model& m, const std::vector<std::size_t>& node_order,
         const std::vector<std::size_t>& elem_order) {
    for (const std::size_t n : node_order) mnpex.push_back(m.nodes[n]);
    nnp = static_cast<std::int32_t>(mnpex.size());
    for (const std::size_t e : elem_order) {
      melex.push_back(m.elems[e]);
      for (const std::int32_t flexcom : m.links[e]) mnpc.push_back(internal(flexcom));
      mpmnpc.push_back(static_cast<std::int32_t>(mnpc.size()) + 1);
    }
    nel = static_cast<std::int32_t>(melex.size());
  }
  std::int32_t internal(std::int32_t flexcom) const {
    const auto at = std::find(mnpex.begin(), mnpex.end(), flexcom);
    return flexcom == 0 || at == mnpex.end() ? 0
                                             : static_cast<std::int32_t>(at - mnpex.begin()) + 1;
  }
  std::optional<RiserChains> chains() const {
    return riser_chains(mnpc, mpmnpc, nel, nnp, mnpex, melex);
  }
};

std::vector<std::size_t> in_order(std::size_t n) {
  std::vector<std::size_t> v(n);
  std::iota(v.begin(), v.end(), 0);
  return v;
}

// A chain as text in FlexCom numbers: "riser 1-2-3 (12,13) held 1/1".
std::string text(const Arrays& a, const Chain& c) {
  static const char* const kinds[] = {"riser", "detached", "branch", "loop"};
  std::string s = kinds[static_cast<int>(c.kind)];
  for (std::size_t k = 0; k < c.nodes.size(); ++k) {
    s += (k == 0 ? " " : "-") + std::to_string(a.mnpex[static_cast<std::size_t>(c.nodes[k] - 1)]);
  }
  for (std::size_t k = 0; k < c.elems.size(); ++k) {
    s += (k == 0 ? " (" : ",") + std::to_string(a.melex[static_cast<std::size_t>(c.elems[k] - 1)]);
  }
  return s + ") held " + std::to_string(c.first_held) + "/" + std::to_string(c.last_held);
}

std::vector<std::string> texts(const Arrays& a, const RiserChains& r) {
  static const char* const reasons[] = {"not two nodes", "one node", "no node"};
  std::vector<std::string> all;
  for (const Chain& c : r.risers) all.push_back(text(a, c));
  all.push_back("--");
  for (const Chain& c : r.apart) all.push_back(text(a, c));
  all.push_back("--");
  for (const LoneElement& l : r.lone) {
    all.push_back(std::to_string(a.melex[static_cast<std::size_t>(l.elem - 1)]) + " " +
                  reasons[static_cast<int>(l.why)]);
  }
  return all;
}

// Elements numbered 1, 2, ... over the nodes that they name.
Model model_of(const std::vector<std::vector<std::int32_t>>& links) {
  Model m;
  m.links = links;
  for (const auto& l : links) {
    for (const std::int32_t n : l) {
      if (n != 0 && std::find(m.nodes.begin(), m.nodes.end(), n) == m.nodes.end()) {
        m.nodes.push_back(n);
      }
    }
    m.elems.push_back(static_cast<std::int32_t>(m.elems.size()) + 1);
  }
  return m;
}

TEST(RiserChains, WhatIsARiserAndWhatLiesApart) {
  struct Case {
    const char* what;
    std::vector<std::vector<std::int32_t>> links;
    std::vector<std::string> expected;
  } cases[] = {
      {"numbered up, begins at the smaller end",
       {{1, 2}, {2, 3}, {3, 4}},
       {"riser 1-2-3-4 (1,2,3) held 1/1", "--", "--"}},
      {"numbered down, begins at the smaller end all the same",
       {{4, 3}, {3, 2}, {2, 1}},
       {"riser 1-2-3-4 (3,2,1) held 1/1", "--", "--"}},
      {"elements given either way round",
       {{2, 1}, {2, 3}, {4, 3}},
       {"riser 1-2-3-4 (1,2,3) held 1/1", "--", "--"}},
      {"a single element is detached, not a riser",
       {{7, 5}},
       {"--", "detached 5-7 (1) held 1/1", "--"}},
      {"three legs at a branch: each a riser that begins at its free end",
       {{9, 1}, {1, 2}, {9, 3}, {3, 4}, {9, 5}, {5, 6}},
       {"riser 2-1-9 (2,1) held 1/3", "riser 4-3-9 (4,3) held 1/3", "riser 6-5-9 (6,5) held 1/3",
        "--", "--"}},
      {"a single element at a branch lies apart",
       {{1, 2}, {2, 3}, {3, 4}, {3, 8}},
       {"riser 1-2-3 (1,2) held 1/3", "--", "branch 4-3 (3) held 1/3", "branch 8-3 (4) held 1/3",
        "--"}},
      {"between two branches: no walk starts at either end",
       {{1, 2}, {2, 10}, {10, 3}, {3, 4}, {4, 20}, {20, 5}, {20, 6}, {6, 7}, {10, 8}, {8, 9}},
       {"riser 1-2-10 (1,2) held 1/3", "riser 7-6-20 (8,7) held 1/3",
        "riser 9-8-10 (10,9) held 1/3", "--", "branch 5-20 (6) held 1/3",
        "branch 10-3-4-20 (3,4,5) held 3/3", "--"}},
      {"a closed loop begins at its smallest node, towards its smaller neighbour",
       {{5, 3}, {3, 8}, {8, 4}, {4, 5}},
       {"--", "loop 3-5-4-8-3 (1,4,3,2) held 2/2", "--"}},
      {"two elements between the same two nodes make a loop",
       {{2, 1}, {1, 2}},
       {"--", "loop 1-2-1 (1,2) held 2/2", "--"}},
      {"a loop hanging from a branch node lies apart",
       {{1, 5}, {5, 2}, {2, 3}, {3, 4}, {4, 2}},
       {"riser 1-5-2 (1,2) held 1/3", "--", "branch 2-3-4-2 (3,4,5) held 3/3", "--"}},
      {"elements that are no two-node element end a chain but hold no branch",
       {{1, 2}, {2, 3}, {3, 3}, {3, 0}, {4, 5, 6}, {6, 7}, {7, 8}},
       {"riser 1-2-3 (1,2) held 1/4", "riser 6-7-8 (6,7) held 2/1", "--", "--", "3 one node",
        "4 no node", "5 not two nodes"}},
  };
  for (const Case& c : cases) {
    const Model m = model_of(c.links);
    const Arrays a(m, in_order(m.nodes.size()), in_order(m.elems.size()));
    const auto r = a.chains();
    ASSERT_TRUE(r) << c.what;
    EXPECT_EQ(texts(a, *r), c.expected) << c.what;
  }
}

TEST(RiserChains, ArraysThatDoNotFitTheCountsGiveNothing) {
  const std::vector<std::int32_t> mnpex{1, 2}, melex{1}, mnpc{1, 2}, pointers{1, 3}, past{1, 5};
  EXPECT_FALSE(riser_chains(mnpc, pointers, 2, 2, mnpex, melex));  // MPMNPC too short
  EXPECT_FALSE(riser_chains(mnpc, past, 1, 2, mnpex, melex));      // pointers past MNPC
  EXPECT_FALSE(riser_chains(mnpc, pointers, 1, 3, mnpex, melex));  // MNPEX too short
  EXPECT_TRUE(riser_chains(mnpc, pointers, 1, 2, mnpex, melex));
}

// The definition taken literally, every question answered by a scan over all
// elements: slow, and independent of the node-to-element lists.
struct Literal {
  const Arrays& a;

  std::vector<std::int32_t> nodes_of(std::int32_t e) const {
    return {a.mnpc.begin() + a.mpmnpc[static_cast<std::size_t>(e - 1)] - 1,
            a.mnpc.begin() + a.mpmnpc[static_cast<std::size_t>(e)] - 1};
  }
  bool link(std::int32_t e) const {
    const auto n = nodes_of(e);
    return n.size() == 2 && n[0] >= 1 && n[0] <= a.nnp && n[1] >= 1 && n[1] <= a.nnp &&
           n[0] != n[1];
  }
  std::vector<std::int32_t> holding(std::int32_t node) const {  // once per entry
    std::vector<std::int32_t> h;
    for (std::int32_t e = 1; e <= a.nel; ++e) {
      for (const std::int32_t n : nodes_of(e)) {
        if (n == node) h.push_back(e);
      }
    }
    return h;
  }
  bool passes(std::int32_t node) const {
    const auto h = holding(node);
    return h.size() == 2 && link(h[0]) && link(h[1]);
  }
  std::int32_t other(std::int32_t e, std::int32_t node) const {
    const auto n = nodes_of(e);
    return n[0] == node ? n[1] : n[0];
  }
  std::pair<std::int32_t, std::int32_t> nk(std::int32_t n) const { return {a.mnpex[n - 1], n}; }
  std::pair<std::int32_t, std::int32_t> ek(std::int32_t e) const { return {a.melex[e - 1], e}; }

  // Grows the chain of `e` at its back while the back node is passed.
  void grow(Chain& c, std::vector<bool>& taken) const {
    while (passes(c.nodes.back()) && c.nodes.back() != c.nodes.front()) {
      const auto h = holding(c.nodes.back());
      const std::int32_t next = h[0] == c.elems.back() ? h[1] : h[0];
      taken[static_cast<std::size_t>(next - 1)] = true;
      c.elems.push_back(next);
      c.nodes.push_back(other(next, c.nodes.back()));
    }
  }
  static void reverse(Chain& c) {
    std::reverse(c.nodes.begin(), c.nodes.end());
    std::reverse(c.elems.begin(), c.elems.end());
  }

  RiserChains build() const {
    RiserChains r;
    std::vector<bool> taken(static_cast<std::size_t>(a.nel));
    for (std::int32_t e = 1; e <= a.nel; ++e) {
      if (!link(e)) {
        const auto n = nodes_of(e);
        const LoneReason why = n.size() != 2 ? LoneReason::kNotTwoNodes
                               : n[0] < 1 || n[0] > a.nnp || n[1] < 1 || n[1] > a.nnp
                                   ? LoneReason::kNoNode
                                   : LoneReason::kOneNode;
        r.lone.push_back({e, why});
        continue;
      }
      if (taken[static_cast<std::size_t>(e - 1)]) continue;
      taken[static_cast<std::size_t>(e - 1)] = true;
      Chain c;
      c.elems = {e};
      c.nodes = nodes_of(e);
      grow(c, taken);
      const bool closed = c.nodes.back() == c.nodes.front() && passes(c.nodes.front());
      if (!closed) {
        reverse(c);
        grow(c, taken);
      }
      place(closed, c, r);
    }
    const auto key = [&](const Chain& c) {
      return std::make_tuple(nk(c.first()), nk(c.last()), ek(c.elems.front()));
    };
    const auto by_key = [&](const Chain& x, const Chain& y) { return key(x) < key(y); };
    std::sort(r.risers.begin(), r.risers.end(), by_key);
    std::sort(r.apart.begin(), r.apart.end(), by_key);
    std::sort(r.lone.begin(), r.lone.end(),
              [&](const LoneElement& x, const LoneElement& y) { return ek(x.elem) < ek(y.elem); });
    return r;
  }

  void place(bool closed, Chain& c, RiserChains& r) const {
    if (closed) {
      // Every rotation and both directions; the smallest by the stated order.
      const std::size_t m = c.elems.size();
      Chain best;
      for (std::size_t s = 0; s < m; ++s) {
        for (const bool fwd : {true, false}) {
          Chain t;
          for (std::size_t k = 0; k <= m; ++k) {
            const std::size_t i = fwd ? (s + k) % m : (s + m - k) % m;
            t.nodes.push_back(c.nodes[i]);
            if (k < m) t.elems.push_back(c.elems[fwd ? i : (i + m - 1) % m]);
          }
          const auto tk = std::make_tuple(nk(t.nodes[0]), nk(t.nodes[1]), ek(t.elems[0]));
          if (best.nodes.empty() ||
              tk < std::make_tuple(nk(best.nodes[0]), nk(best.nodes[1]), ek(best.elems[0]))) {
            best = t;
          }
        }
      }
      best.kind = ChainKind::kLoop;
      best.first_held = best.last_held = 2;
      r.apart.push_back(best);
      return;
    }
    const bool fb = holding(c.first()).size() >= 3, lb = holding(c.last()).size() >= 3;
    const bool flip = fb != lb ? fb
                               : std::make_pair(nk(c.last()), ek(c.elems.back())) <
                                     std::make_pair(nk(c.first()), ek(c.elems.front()));
    if (flip) reverse(c);
    c.first_held = holding(c.first()).size();
    c.last_held = holding(c.last()).size();
    if (c.elems.size() >= 2 && !(fb && lb)) {
      c.kind = ChainKind::kRiser;
      r.risers.push_back(c);
    } else {
      c.kind = c.elems.size() == 1 && !fb && !lb ? ChainKind::kDetached : ChainKind::kBranch;
      r.apart.push_back(c);
    }
  }
};

// A random mesh: risers, legs from nodes already there (branches), loops,
// single elements, elements joining any two nodes, elements that are no
// two-node element, and nodes without elements; numbers drawn at random.
Model random_model(std::mt19937& rng) {
  Model m;
  std::vector<std::int32_t> pool(4000);
  std::iota(pool.begin(), pool.end(), 1);
  std::shuffle(pool.begin(), pool.end(), rng);
  std::size_t next_number = 0;
  const auto fresh = [&] { return pool[next_number++]; };
  const auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
  };
  const auto add = [&](std::vector<std::int32_t> l) {
    m.links.push_back(std::move(l));
    m.elems.push_back(fresh());
  };
  const auto node = [&] {
    m.nodes.push_back(fresh());
    return m.nodes.back();
  };
  const auto some_node = [&] { return m.nodes[pick(m.nodes.size())]; };
  const auto line = [&](std::int32_t from, std::size_t length, std::int32_t to) {
    for (std::size_t k = 0; k < length; ++k) {
      const std::int32_t n = k + 1 == length && to != 0 ? to : node();
      add({from, n});
      from = n;
    }
  };
  node();
  const std::size_t pieces = 1 + pick(12);
  for (std::size_t p = 0; p < pieces; ++p) {
    const std::size_t what = pick(8), length = 1 + pick(9);
    const std::int32_t a = some_node(), b = some_node();
    switch (what) {
      case 0:
      case 1:  // a riser, or a single element
        line(node(), length, 0);
        break;
      case 2:  // a leg from a node
        line(a, length, 0);
        break;
      case 3:  // a path between two nodes
        line(a, length, b);
        break;
      case 4: {  // a loop of two elements or more
        const std::int32_t n = node();
        line(n, 1 + length, n);
        break;
      }
      case 5:  // a join, perhaps of a node with itself
        add({a, b});
        break;
      case 6:  // a node not in the model, or three nodes
        add(length % 2 ? std::vector<std::int32_t>{a, 0} : std::vector<std::int32_t>{a, b, a});
        break;
      default:  // a node without elements
        node();
        break;
    }
  }
  return m;
}

std::vector<std::size_t> shuffled(std::size_t n, std::mt19937& rng) {
  std::vector<std::size_t> v = in_order(n);
  std::shuffle(v.begin(), v.end(), rng);
  return v;
}

TEST(RiserChains, RandomMeshesGiveTheLiteralChainsWhateverTheirOrder) {
  std::mt19937 rng(20240611);
  for (int trial = 0; trial < 400; ++trial) {
    const Model m = random_model(rng);
    const Arrays a(m, shuffled(m.nodes.size(), rng), shuffled(m.elems.size(), rng));
    const auto fast = a.chains();
    ASSERT_TRUE(fast);
    const std::vector<std::string> got = texts(a, *fast);
    EXPECT_EQ(got, texts(a, Literal{a}.build())) << "trial " << trial;
    const Arrays again(m, shuffled(m.nodes.size(), rng), shuffled(m.elems.size(), rng));
    EXPECT_EQ(texts(again, *again.chains()), got) << "trial " << trial;
  }
}

// --coarsen F:L:1 with a riser's first and last node keeps exactly its
// elements (and, when two elements hold F, perhaps one more, which the
// marking keeps beside the start element).
TEST(RiserChains, TheCoarseningWalksEveryRiserFromItsFirstToItsLastNode) {
  std::mt19937 rng(7);
  int risers = 0;
  for (int trial = 0; trial < 300; ++trial) {
    const Model m = random_model(rng);
    Arrays a(m, shuffled(m.nodes.size(), rng), shuffled(m.elems.size(), rng));
    const auto chains = a.chains();
    for (const Chain& c : chains->risers) {
      ++risers;
      const std::vector<std::int32_t> segment{a.mnpex[static_cast<std::size_t>(c.first() - 1)],
                                              a.mnpex[static_cast<std::size_t>(c.last() - 1)], 1};
      std::vector<std::int32_t> mnpc = a.mnpc, mhinge(a.melex.size()), mskpel(a.melex.size()),
                                mscra(a.mnpc.size());
      test::TestIo io;
      std::int32_t status = 0;
      MRKSKP(io.units, 1, segment, a.nel, a.nnp, mnpc, a.mpmnpc, a.mnpex, a.melex, mhinge, mskpel,
             mscra, 6, status);
      ASSERT_EQ(status, 0) << "trial " << trial << ": " << text(a, c) << io.console();
      std::size_t kept = 0;
      for (const std::int32_t e : c.elems) {
        EXPECT_EQ(mskpel[static_cast<std::size_t>(e - 1)], 0) << text(a, c);
      }
      for (const std::int32_t mark : mskpel) kept += mark == 0;
      EXPECT_LE(kept - c.elems.size(), c.first_held == 1 ? 0u : 1u) << text(a, c);
    }
  }
  EXPECT_GT(risers, 300);
}

TEST(RiserChains, AMillionElementsInRisersShuffled) {
  constexpr std::int32_t kRisers = 50, kLength = 20000;
  std::vector<std::int32_t> mnpex, melex, mnpc, mpmnpc{1};
  std::mt19937 rng(3);
  // Riser r has the nodes r*100000 + 1 ... + kLength + 1; its elements are
  // stored in a shuffled order, every second one numbered down the riser.
  std::vector<std::int32_t> order(static_cast<std::size_t>(kRisers) * kLength);
  std::iota(order.begin(), order.end(), 0);
  std::shuffle(order.begin(), order.end(), rng);
  for (std::int32_t r = 0; r < kRisers; ++r) {
    for (std::int32_t k = 0; k <= kLength; ++k) mnpex.push_back(r * 100000 + k + 1);
  }
  for (const std::int32_t i : order) {
    const std::int32_t r = i / kLength, k = i % kLength;
    const std::int32_t n = r * (kLength + 1) + k + 1;
    if (k % 2 == 0) {
      mnpc.insert(mnpc.end(), {n, n + 1});
    } else {
      mnpc.insert(mnpc.end(), {n + 1, n});
    }
    mpmnpc.push_back(static_cast<std::int32_t>(mnpc.size()) + 1);
    melex.push_back(i + 1);
  }
  const auto r = riser_chains(mnpc, mpmnpc, static_cast<std::int32_t>(melex.size()),
                              static_cast<std::int32_t>(mnpex.size()), mnpex, melex);
  ASSERT_TRUE(r);
  ASSERT_EQ(r->risers.size(), static_cast<std::size_t>(kRisers));
  EXPECT_TRUE(r->apart.empty());
  for (std::int32_t k = 0; k < kRisers; ++k) {
    const Chain& c = r->risers[static_cast<std::size_t>(k)];
    EXPECT_EQ(c.elems.size(), static_cast<std::size_t>(kLength));
    EXPECT_EQ(mnpex[static_cast<std::size_t>(c.first() - 1)], k * 100000 + 1);
    EXPECT_EQ(mnpex[static_cast<std::size_t>(c.last() - 1)], k * 100000 + kLength + 1);
    EXPECT_EQ(melex[static_cast<std::size_t>(c.elems[1] - 1)], k * kLength + 2);
  }
}

}  // namespace
}  // namespace velkan
