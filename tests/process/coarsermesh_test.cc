// The coarser mesh: marking along segments, the choice of the start element,
// compaction of elements and nodes, hinge marks, and the walk failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "process/meshcompaction.h"
#include "process/meshmarking.h"
#include "process/realvec.h"
#include "support/testio.h"

namespace velkan {
namespace {

using Pair = std::array<std::int32_t, 2>;

// A model of two-node elements: node n has the FlexCom number 100+n; element e
// the given number (default 1000+e).
struct Model {
  std::int32_t nel, nnp;
  std::vector<std::int32_t> mnpex, nboun, melex, mnpc, mpmnpc, meltyp, melmat, melgeo, melloc,
      melecc, mhinge, mskpel, mscra, melnp, mnelnp;
  std::vector<double> tcoord;

  explicit Model(const std::vector<Pair>& elements, std::vector<std::int32_t> numbers = {})
      : nel(static_cast<std::int32_t>(elements.size())), nnp(0), melex(std::move(numbers)) {
    for (const Pair& p : elements) nnp = std::max({nnp, p[0], p[1]});
    for (std::int32_t n = 1; n <= nnp; ++n) {
      mnpex.push_back(100 + n);
      for (int k = 0; k < 6; ++k) nboun.push_back(n);
      for (int k = 0; k < 3; ++k) tcoord.push_back(n + 0.25 * k);
    }
    mpmnpc.push_back(1);
    for (std::int32_t e = 1; e <= nel; ++e) {
      if (melex.size() < static_cast<std::size_t>(e)) melex.push_back(1000 + e);
      mnpc.insert(mnpc.end(), elements[e - 1].begin(), elements[e - 1].end());
      melecc.insert(melecc.end(), {10 * e, 10 * e + 1});
      mpmnpc.push_back(2 * e + 1);
      melloc.push_back(e + 70);
    }
    meltyp = melmat = melgeo = melloc;
    mhinge.assign(nel, 0);
    mskpel.assign(nel, -1);
    mscra.assign(2 * nel, -1);
    melnp.assign(5 * nnp, -1);
    mnelnp.assign(nnp, -1);
  }

  // Marks (and, when that succeeds, applies) the segments.
  std::int32_t coarsen(Units& io, const std::vector<std::int32_t>& segments) {
    std::int32_t status = 0;
    const auto nseg = static_cast<std::int32_t>(segments.size() / 3);
    MRKSKP(io, nseg, segments, nel, nnp, mnpc, mpmnpc, mnpex, melex, mhinge, mskpel, mscra, 6,
           status);
    if (status != 0) return status;
    SKPCHG(io, nel, nnp, kMaxElemsPerNode, mskpel, melgeo, mnpc, mpmnpc, mnpex, melnp, mnelnp,
           melex, meltyp, melmat, melloc, melecc, mhinge, nboun, test::reals(tcoord), 6, status);
    return status;
  }

  // Kept elements as "number:low-high" in FlexCom numbers, sorted.
  std::vector<std::string> kept() const {
    std::vector<std::string> out;
    for (std::int32_t e = 0; e < nel; ++e) {
      std::int32_t a = mnpex[mnpc[2 * e] - 1], b = mnpex[mnpc[2 * e + 1] - 1];
      if (a > b) std::swap(a, b);
      out.push_back(std::to_string(melex[e]) + ":" + std::to_string(a) + "-" + std::to_string(b));
    }
    std::sort(out.begin(), out.end());
    return out;
  }
};

// A straight line of nodes 1..n+1 and elements 1..n, element i from node i to i+1.
std::vector<Pair> line(std::int32_t n) {
  std::vector<Pair> el;
  for (std::int32_t i = 1; i <= n; ++i) el.push_back({i, i + 1});
  return el;
}

std::vector<std::string> skipped(const std::string& console) {
  std::vector<std::string> out;
  for (const std::string& l : test::lines_of(console)) {
    if (l.rfind("SKIPPED", 0) == 0) out.push_back(l);
  }
  return out;
}

TEST(Coarsen, GroupsOfThreeOnSixElements) {
  test::TestIo io;
  Model m(line(6));
  ASSERT_EQ(m.coarsen(io.units, {101, 107, 3}), 0);
  EXPECT_EQ(skipped(io.console()),
            (std::vector<std::string>{"SKIPPED Elem:    1002", "SKIPPED Elem:    1003",
                                      "SKIPPED Elem:    1005", "SKIPPED NODE:     102",
                                      "SKIPPED NODE:     103", "SKIPPED NODE:     105"}));
  EXPECT_EQ(m.nel, 3);
  EXPECT_EQ(m.nnp, 4);
  // Element 1 now runs from node 1 to node 4 (internal 1 to 2 after compaction).
  EXPECT_EQ(std::vector<std::int32_t>(m.mnpc.begin(), m.mnpc.begin() + 6),
            (std::vector<std::int32_t>{1, 2, 2, 3, 3, 4}));
  EXPECT_EQ(m.melex, (std::vector<std::int32_t>{1001, 1004, 1006, 0, 0, 0}));
  EXPECT_EQ(m.melloc, (std::vector<std::int32_t>{71, 74, 76, 0, 0, 0}));
  EXPECT_EQ(std::vector<std::int32_t>(m.melecc.begin(), m.melecc.begin() + 6),
            (std::vector<std::int32_t>{10, 11, 40, 41, 60, 61}));
  EXPECT_EQ(std::vector<std::int32_t>(m.mpmnpc.begin(), m.mpmnpc.begin() + 4),
            (std::vector<std::int32_t>{1, 3, 5, 7}));
  EXPECT_EQ(m.mnpex, (std::vector<std::int32_t>{101, 104, 106, 107, 0, 0, 0}));
  EXPECT_EQ(m.nboun[6], 4);  // node 104's codes moved to the second place
  EXPECT_EQ(m.nboun[24], 0);
  EXPECT_EQ(m.tcoord[3 * 2 + 1], 6.25);
  EXPECT_EQ(m.tcoord[3 * 4], 0.0);
  EXPECT_EQ(std::vector<std::int32_t>(m.mnelnp.begin(), m.mnelnp.begin() + 4),
            (std::vector<std::int32_t>{1, 2, 2, 1}));
}

struct SegCase {
  const char* name;
  std::vector<Pair> elements;
  std::vector<std::int32_t> segments;
  std::vector<std::string> kept;
};

TEST(Coarsen, KeepsTheGroupsOfEachSegment) {
  std::vector<Pair> buoy = line(6);
  buoy.push_back({8, 9});
  const std::vector<SegCase> cases = {
      // clang-format off
      {"K = 2 on four elements", line(4), {101, 105, 2},
       {"1001:101-103", "1003:103-104", "1004:104-105"}},
      {"elements on no segment go", buoy, {101, 107, 3},
       {"1001:101-104", "1004:104-106", "1006:106-107"}},
      {"nSkip 1 and 0 keep everything", line(4), {101, 103, 1, 103, 105, 0},
       {"1001:101-102", "1002:102-103", "1003:103-104", "1004:104-105"}},
      {"one-element segment", line(4), {101, 102, 3}, {"1001:101-102"}},
      {"segment shorter than a group", line(3), {101, 104, 7}, {"1001:101-103", "1003:103-104"}},
      {"walked backwards from the far end", line(6), {107, 101, 3},
       {"1001:101-102", "1003:102-104", "1006:104-107"}},
      // The second segment starts on element 1, already kept: G - 1 would be 0.
      {"start on element 1", line(4), {101, 102, 2, 102, 101, 2}, {"1001:101-102"}},
      // clang-format on
  };
  for (const SegCase& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestIo io;
    Model m(c.elements);
    ASSERT_EQ(m.coarsen(io.units, c.segments), 0) << io.console();
    EXPECT_EQ(m.kept(), c.kept);
  }
}

// A riser of 12 elements over the nodes 101..113. The FlexCom element number
// is 1000 + its place along the riser; internally the elements are numbered
// either up or down the riser, and the descending ones are entered top first.
Model riser(bool descending) {
  std::vector<Pair> el(12);
  std::vector<std::int32_t> numbers(12);
  for (std::int32_t p = 1; p <= 12; ++p) {
    const std::int32_t e = descending ? 13 - p : p;
    el[e - 1] = descending ? Pair{p + 1, p} : Pair{p, p + 1};
    numbers[e - 1] = 1000 + p;
  }
  return Model(el, numbers);
}

struct RiserCase {
  const char* name;
  std::vector<std::int32_t> segments;
  std::vector<std::string> kept;
  std::vector<std::int32_t> skipped_nodes;
};

TEST(Coarsen, RiserSegmentsEndToEndOrWithOneElementBetween) {
  const std::vector<RiserCase> cases = {
      {"two segments end to end",
       {101, 107, 3, 107, 113, 2},
       {"1001:101-104", "1004:104-106", "1006:106-107", "1007:107-109", "1009:109-111",
        "1011:111-112", "1012:112-113"},
       {102, 103, 105, 108, 110}},
      {"two segments, one element between",
       {101, 106, 3, 107, 113, 2},
       {"1001:101-104", "1004:104-105", "1005:105-106", "1006:106-107", "1007:107-109",
        "1009:109-111", "1011:111-112", "1012:112-113"},
       {102, 103, 108, 110}},
      {"three segments end to end",
       {101, 105, 2, 105, 109, 3, 109, 113, 4},
       {"1001:101-103", "1003:103-104", "1004:104-105", "1005:105-108", "1008:108-109",
        "1009:109-112", "1012:112-113"},
       {102, 106, 107, 110, 111}},
      {"three segments, one element between",
       {101, 104, 2, 105, 108, 2, 109, 113, 3},
       {"1001:101-103", "1003:103-104", "1004:104-105", "1005:105-107", "1007:107-108",
        "1008:108-109", "1009:109-112", "1012:112-113"},
       {102, 106, 110, 111}},
  };
  for (const RiserCase& c : cases) {
    for (const bool descending : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (descending ? ", descending" : ", ascending"));
      test::TestIo io;
      Model m = riser(descending);
      ASSERT_EQ(m.coarsen(io.units, c.segments), 0) << io.console();
      EXPECT_EQ(m.kept(), c.kept);
      std::vector<std::string> nodes;
      for (const std::int32_t n : c.skipped_nodes)
        nodes.push_back("SKIPPED NODE:     " + std::to_string(n));
      const std::vector<std::string> lines = skipped(io.console());
      EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<std::ptrdiff_t>(nodes.size()),
                                         lines.end()),
                nodes);
      EXPECT_EQ(lines.size(), 12 - c.kept.size() + nodes.size());
    }
  }
}

TEST(Coarsen, SurvivingHingeElementKeepsItsMark) {
  test::TestIo io;
  Model m(line(6));
  m.mhinge = {0, 1, 0, 1, 0, 0};  // both hinges end a group and survive
  ASSERT_EQ(m.coarsen(io.units, {101, 107, 3}), 0);
  EXPECT_EQ(m.mhinge, (std::vector<std::int32_t>{0, 1, 0, 1, 0, 0}));
}

struct HingeCase {
  const char* name;
  std::vector<Pair> elements;
  std::vector<std::int32_t> segments, hinges;  // hinges: internal element numbers
  std::vector<std::string> kept;
  std::vector<std::int32_t> mhinge;  // after the compaction
};

// A hinge element is never part of a group: the group before it ends where it
// begins, it is kept from end to end, and the next group starts after it.
TEST(Coarsen, AGroupNeverRunsOverAHinge) {
  const std::vector<HingeCase> cases = {
      // clang-format off
      {"hinge in the middle of a group", line(6), {101, 107, 3}, {2},
       {"1001:101-102", "1002:102-103", "1003:103-106", "1006:106-107"}, {0, 1, 0, 0, 0, 0}},
      {"hinge at the start of the segment", line(6), {101, 107, 3}, {1},
       {"1001:101-102", "1002:102-105", "1005:105-106", "1006:106-107"}, {1, 0, 0, 0, 0, 0}},
      {"hinge reaching the last node", line(6), {101, 107, 3}, {6},
       {"1001:101-104", "1004:104-106", "1006:106-107"}, {0, 0, 1, 0, 0, 0}},
      {"hinge before the element reaching the last node", line(6), {101, 107, 3}, {5},
       {"1001:101-104", "1004:104-105", "1005:105-106", "1006:106-107"}, {0, 0, 1, 0, 0, 0}},
      {"two hinges in a row", line(6), {101, 107, 3}, {3, 4},
       {"1001:101-103", "1003:103-104", "1004:104-105", "1005:105-106", "1006:106-107"},
       {0, 1, 1, 0, 0, 0}},
      {"nSkip 1", line(4), {101, 105, 1}, {2},
       {"1001:101-102", "1002:102-103", "1003:103-104", "1004:104-105"}, {0, 1, 0, 0}},
      {"walked backwards", line(6), {107, 101, 3}, {4},
       {"1001:101-102", "1003:102-104", "1004:104-105", "1006:105-107"}, {0, 0, 1, 0, 0, 0}},
      {"hinge starting the second segment", line(6), {101, 104, 2, 104, 107, 2}, {4},
       {"1001:101-103", "1003:103-104", "1004:104-105", "1005:105-106", "1006:106-107"},
       {0, 0, 1, 0, 0, 0}},
      // clang-format on
  };
  for (const HingeCase& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestIo io;
    Model m(c.elements);
    for (const std::int32_t e : c.hinges) m.mhinge[static_cast<std::size_t>(e - 1)] = 1;
    ASSERT_EQ(m.coarsen(io.units, c.segments), 0) << io.console();
    EXPECT_EQ(m.kept(), c.kept);
    EXPECT_EQ(m.mhinge, c.mhinge);
  }
}

struct WalkFailure {
  const char* name;
  std::vector<Pair> elements;
  std::vector<std::int32_t> segments;
  std::vector<std::string> lines;
};

TEST(Coarsen, WalkFailuresStopTheRunWithAMessage) {
  std::vector<Pair> branch = line(6);
  branch.push_back({4, 8});
  std::vector<Pair> gap = line(4);
  gap.push_back({6, 7});
  std::vector<Pair> ring = line(5);
  ring.push_back({6, 1});
  ring.push_back({7, 8});
  const std::string head = "  *** ERROR IN MRKSKP ***";
  const std::string seg = "   Segment from node       101 to node       10";
  const std::vector<WalkFailure> cases = {
      // clang-format off
      {"branch", branch, {101, 107, 2},
       {"", head, seg + "7", "   Branch at node       104 held by elements:    3"}},
      {"free end", gap, {101, 107, 2}, {"", head, seg + "7", "   Free end at node       105"}},
      {"ring without the last node", ring, {101, 108, 2},
       {"", head, seg + "8", "   No walk from the first node reaches the last node"}},
      {"three elements at the first node", branch, {104, 101, 2}, {" Illegal no of elem:    3"}},
      {"last node not in the model", line(6), {101, 199, 2}, {}},
      {"second segment unreachable", line(6), {101, 104, 2, 104, 199, 2}, {}},
      // clang-format on
  };
  for (const WalkFailure& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestIo io;
    Model m(c.elements);
    const std::vector<std::int32_t> before = m.mnpc;
    EXPECT_EQ(m.coarsen(io.units, c.segments), -1);
    EXPECT_EQ(test::lines_of(io.console()), c.lines);
    EXPECT_EQ(m.mnpc, before);
    EXPECT_EQ(m.nel, static_cast<std::int32_t>(c.elements.size()));
  }
}

}  // namespace
}  // namespace velkan
