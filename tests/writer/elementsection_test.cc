// Element records: value choices, narrow and wide layouts, group order and
// headers, the counting warning, damaged indices and the failure line.
#include "writer/elementsection.h"

#include <gtest/gtest.h>

#include <numeric>

#include "writer/writerfixture.h"

namespace velkan {
namespace {

using test::cat;
using test::rj;
using Ints = std::vector<std::int32_t>;
using Lines = std::vector<std::string>;

const std::string kBeamCaption =
    "'            Elem ID     np1      np2   material   geom    lcoor    ecc1    ecc2";
const std::string kQuadCaption =
    "'            Elem ID     np1      np2      np3      np4    mater   geom      ec1    ec2    "
    "ec3    ec4 ";

// Internal node i has external number 100 + i, material i 200 + i, geometry
// i 300 + i, coordinate system i 400 + i, eccentricity i 500 + i and
// transformation i 600 + i.
struct Model {
  Ints meltyp, melmat, melgeo, melecc, melloc, mnpc, mpmnpc{1}, melex;
  Ints mnpex = numbered(100), mexgeo = numbered(300), mexmat = numbered(200),
       mexecc = numbered(500), mexloc = numbered(400), mextra = numbered(600);

  static Ints numbered(std::int32_t base) {
    Ints v;
    for (std::int32_t i = 1; i <= 12; ++i) v.push_back(base + i);
    return v;
  }
  void add(std::int32_t code, std::int32_t id, const Ints& nodes, std::int32_t mat = 1,
           std::int32_t geo = 1, std::int32_t loc = 0, const Ints& ecc = {}) {
    meltyp.push_back(code);
    melex.push_back(id);
    melmat.push_back(mat);
    melgeo.push_back(geo);
    melloc.push_back(loc);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
      mnpc.push_back(nodes[i]);
      melecc.push_back(i < ecc.size() ? ecc[i] : 0);
    }
    mpmnpc.push_back(static_cast<std::int32_t>(mnpc.size()) + 1);
  }
  std::int32_t write(test::ModelFile& f) {
    const auto nel = static_cast<std::int32_t>(meltyp.size());
    // Scratch holding an earlier, plausible order must not leak into this one.
    Ints mscra(meltyp.size(), -9), msort(meltyp.size());
    std::iota(msort.begin(), msort.end(), 1);
    std::int32_t status = 0;
    UWRELM(f.units, nel, meltyp, melmat, melgeo, melecc, melloc, mnpc, mpmnpc, melex, mnpex, mexgeo,
           mexmat, mexecc, mexloc, mscra, msort, mextra, test::kModelUnit, status);
    return status;
  }
  Lines lines() {
    test::ModelFile f;
    EXPECT_EQ(write(f), 0);
    return f.lines();
  }
};

std::string ints(const Ints& v, std::size_t width) {
  std::string s;
  for (const auto x : v) s += rj(x, width);
  return s;
}

TEST(Uwrelm, BeamWritesFiveSixOrEightValues) {
  struct Case {
    std::int32_t loc;
    Ints ecc;
    std::string tail;
  };
  const Case cases[] = {
      {0, {}, ""},
      {3, {}, rj(403, 8)},
      {0, {0, 7}, rj(0, 8) + rj(0, 8) + rj(507, 8)},
      {2, {1, 0}, rj(402, 8) + rj(501, 8) + rj(0, 8)},
      {-2, {0, 0}, rj(-2, 8) + rj(0, 8) + rj(0, 8)},
  };
  for (const Case& c : cases) {
    Model m;
    m.add(15, 7, {1, 2}, 3, 4, c.loc, c.ecc);
    EXPECT_EQ(m.lines(),
              (Lines{"'", kBeamCaption, " BEAM     " + ints({7, 101, 102, 203, 304}, 9) + c.tail}));
  }
}

TEST(Uwrelm, WideLayoutSwitchesAtItsLimits) {
  struct Case {
    std::string what;
    std::int32_t value;
    bool wide;
  };
  const Case cases[] = {
      {"node", 100000000, true}, {"node", 99999999, false}, {"mat", 1000000, true},
      {"mat", 999999, false},    {"id", 100000000, true},   {"geo", 1000000, true},
      {"ecc", 1000000, true},    {"ecc", 999999, false},    {"loc", 1000000, true},
  };
  for (const Case& c : cases) {
    Model m;
    m.add(15, 5, {1, 2}, 1, 1, 0);
    m.add(15, 6, {3, 4}, 2, 2, 0, {0, 0});
    if (c.what == "node") m.mnpex[3] = c.value;
    if (c.what == "mat") m.mexmat[1] = c.value;
    if (c.what == "id") m.melex[1] = c.value;
    if (c.what == "geo") m.mexgeo[1] = c.value;
    if (c.what == "ecc") m.mexecc[0] = c.value, m.melecc[3] = 1;
    if (c.what == "loc") m.mexloc[0] = c.value, m.melloc[1] = 1;
    const Lines lines = m.lines();
    ASSERT_EQ(lines.size(), 4u) << c.what;
    // The first element does not hold the value; its record follows the section's layout.
    const std::string first = " BEAM     " + ints({5, 101, 102, 201, 301}, c.wide ? 10 : 9);
    EXPECT_EQ(lines[2], first) << c.what << c.value;
  }
}

TEST(Uwrelm, ShellsInNarrowAndWideLayouts) {
  const Ints ecc{1, 2, 0, 4};
  const std::string quad = ints({8, 101, 102, 103, 104, 201, 301}, 9);
  struct Case {
    std::int32_t code;
    bool wide;
    Lines records;
  };
  const Case cases[] = {
      {24, false, {" QUADSHEL " + quad, std::string(44, ' ') + ints({501, 502, 0, 504}, 9)}},
      {24, true, {" QUADSHEL " + ints({8, 101, 102, 103, 104, 201, 301, 501, 502, 0, 504}, 10)}},
      {9, false, {" MEMBRANE " + quad + ints({501, 502, 0, 504}, 7)}},
      {9, true, {" MEMBRANE " + ints({8, 101, 102, 103, 104, 201, 301, 501, 502, 0, 504}, 10)}},
      {25,
       false,
       {" TRISHELL " + ints({8, 101, 102, 103, 201, 301}, 9),
        std::string(44, ' ') + ints({501, 502, 0}, 9)}},
      {26, true, {" TRISHELL " + ints({8, 101, 102, 103, 201, 301, 501, 502, 0}, 10)}},
  };
  for (const Case& c : cases) {
    Model m;
    m.add(c.code, 8, c.code >= 25 ? Ints{1, 2, 3} : Ints{1, 2, 3, 4}, 1, 1, 0, ecc);
    if (c.wide) m.add(15, 100000000, {5, 6});
    Lines lines = m.lines();
    if (c.wide) lines.erase(lines.begin(), lines.begin() + 3);  // the beam group
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(Lines(lines.begin() + 2, lines.end()), c.records) << c.code << c.wide;
  }
}

TEST(Uwrelm, OtherKindsKeepTheirNarrowLayouts) {
  Model m;
  m.add(21, 40, {1, 2, 3, 4, 5, 6, 7, 8}, 2);
  m.add(70, 31, {1, 2, 3, 4, 5, 6}, 3);
  m.add(70, 30, {}, 2);
  m.add(101, 50, {9}, 0, 2);
  m.add(104, 51, {1, 2, 3, 4}, 4, 2);
  m.add(28, 60, {1, 2, 3, 4, 5, 6, 7, 8}, 1, 1, 0, {1, 2, 3, 4, 5, 6, 7, 8});
  m.add(18, 71, {2}, 1, 1, 3, {0});
  m.add(48, 70, {3}, 1, 1, 0, {2});
  m.add(15, 100000000, {1, 2});  // the wide layout leaves these kinds as they are
  const Lines lines = m.lines();
  const Lines expected{
      "'",
      kBeamCaption,
      " BEAM     " + ints({100000000, 101, 102, 201, 301}, 10),
      "'",
      "'            Elem ID     np1   material    lcoor   ecc1  ",
      " SPRNG2GR " + ints({70, 103, 201, 0, 502}, 10),
      " SPRNG2GR " + ints({71, 102, 201, 603}, 10),
      "'",
      kQuadCaption,
      " QUADSHEL " + ints({60, 101, 103, 105, 107, 201, 301}, 9),
      std::string(44, ' ') + ints({501, 502, 503, 504}, 9),
      "'",
      "'       Elem ID     np1    np2    np3    np4    np5    np6    np7    np8   mater",
      " SOLID8 " + rj(40, 8) + ints({101, 102, 103, 104, 105, 106, 107, 108}, 7) + rj(202, 8),
      "'",
      "'            Elem ID     nnod       np1 .... np_nnod",
      " SUPERELM " + ints({31, 6}, 9),
      std::string(30, ' ') + ints({101, 102, 103, 104}, 9),
      std::string(30, ' ') + ints({105, 106}, 9),
      "'            Mater. ID ",
      std::string(10, ' ') + rj(203, 9),
      " SUPERELM " + ints({30, 0}, 9),
      "'            Mater. ID ",
      std::string(10, ' ') + rj(202, 9),
      "'",
      "'            Elem ID     np1   material    Geo           ",
      " BUOYELEM " + ints({50, 109, 0, 302}, 9),
      "'",
      "'            Elem ID     np1      np2      np3      np4      mater   geom ",
      " BUOYELM4 " + ints({51, 101, 102, 103, 104, 204, 302}, 9)};
  EXPECT_EQ(lines, expected);
}

TEST(Uwrelm, GroupsInTableOrderAndAscendingNumbers) {
  Model m;
  m.add(24, 5, {1, 2, 3, 4});
  m.add(15, 30, {3, 4});
  m.add(-15, 20, {5, 5});
  m.add(3, 99, {1, 2});
  m.add(15, 10, {1, 2});
  m.add(9999, 98, {1, 2});
  const Lines expected{"",
                       "#  WARNING from UWRELM: Elements missing !",
                       "",
                       "'",
                       kBeamCaption,
                       " BEAM     " + ints({10, 101, 102, 201, 301}, 9),
                       " BEAM     " + ints({30, 103, 104, 201, 301}, 9),
                       "'",
                       "' *** Warning ! Beams with Zero Length ****",
                       kBeamCaption,
                       "#BEAM     " + ints({20, 105, 105, 201, 301}, 9),
                       "'",
                       kQuadCaption,
                       " QUADSHEL " + ints({5, 101, 102, 103, 104, 201, 301}, 9)};
  EXPECT_EQ(m.lines(), expected);
}

TEST(Uwrelm, WarningOnlyForCodesOutsideTheCountedSet) {
  struct Case {
    std::int32_t code;
    bool warns;
  };
  for (const Case c : {Case{9999, false}, Case{3, true}, Case{-15, true}, Case{48, false}}) {
    Model m;
    m.add(15, 1, {1, 2});
    m.add(c.code, 2, {1, 2});
    const Lines lines = m.lines();
    EXPECT_EQ(lines[0] == "" && lines[1] == "#  WARNING from UWRELM: Elements missing !", c.warns)
        << c.code;
  }
}

TEST(Uwrelm, DamagedIndicesWriteZeroInsteadOfReadingOutside) {
  Model m;
  m.add(15, 1, {0, 13}, 0, 99);  // node 0, node beyond MNPEX, material 0, geometry beyond MEXGEO
  m.add(15, 2, {4}, 1, 1, 99, {77});  // one node only; indices beyond MEXLOC/MEXECC stand as given
  m.mpmnpc.back() = 1000;             // the last list claims more than MNPC holds
  const Lines lines = m.lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], " BEAM     " + ints({1, 0, 0, 0, 0}, 9));
  EXPECT_EQ(lines[3], " BEAM     " + ints({2, 104, 0, 201, 301}, 9) + ints({99, 77, 0}, 8));
}

TEST(Uwrelm, UnorderableNumbersFailInTheirGroup) {
  for (const Ints& ids : {Ints{0, 5}, Ints{5, 5}}) {
    Model m;
    m.add(101, 1, {1});
    m.add(15, ids[0], {1, 2});
    m.add(15, ids[1], {3, 4});
    m.add(24, 7, {1, 2, 3, 4});
    test::ModelFile f;
    EXPECT_EQ(m.write(f), -1);
    const Lines lines = f.lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2].substr(0, 19), " BEAM     " + rj(5, 9));
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "  *** ERROR IN UWRELM ***");
  }
}

}  // namespace
}  // namespace velkan
