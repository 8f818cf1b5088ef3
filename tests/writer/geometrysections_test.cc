// Cross-section and surface-geometry records: pipe layouts and the shear
// test, every other code, group order, merged-away surface pipes, warnings
// and the failure line.
#include "writer/geometrysections.h"

#include <gtest/gtest.h>

#include "writer/writerfixture.h"

namespace velkan {
namespace {

using test::cat;
using test::rj;
using Ints = std::vector<std::int32_t>;
using Lines = std::vector<std::string>;

constexpr std::int32_t kRow = 30;

struct Geometries {
  Ints numbers, types;
  test::RealTable rows{16, kRow};
  void add(std::int32_t code, std::int32_t number, std::initializer_list<double> words) {
    types.push_back(code);
    numbers.push_back(number);
    rows.set_row(types.size(), words);
  }
  std::int32_t write(test::ModelFile& f, bool surfaces) {
    const auto n = static_cast<std::int32_t>(types.size());
    Ints mscra(types.size()), msort(types.size());
    std::int32_t status = 0;
    if (surfaces) {
      UWRSGe(f.units, n, kRow, numbers, types, rows.span(), mscra, msort, test::kModelUnit, status);
    } else {
      UWRGEO(f.units, n, kRow, numbers, types, rows.span(), mscra, msort, test::kModelUnit, status);
    }
    return status;
  }
  Lines lines(bool surfaces = false) {
    test::ModelFile f;
    EXPECT_EQ(write(f, surfaces), 0);
    return f.lines();
  }
};

TEST(Uwrgeo, PipeLayoutsAndTheShearTest) {
  struct Case {
    double d, thick, shy, shz, diam2;
    std::string pipe, surface;  // fields behind the number
  };
  const std::string plain = rj("0.500", 12) + rj("0.020", 12);
  const std::string precise = rj("0.50000", 14) + rj("0.00500", 12);
  const Case cases[] = {
      {0.5, 0.02, 0, 0, 0, plain, plain},
      {20.0, 0.005, 0, 0, 0, rj("20.00000", 14) + rj("0.00500", 12), ""},
      {0.005, 0.5, 0, 0, 0, rj("0.00500", 14) + rj("0.50000", 12), ""},
      {0.5, 0.02, 1.0, 1.0, 0, plain, plain},
      {0.5, 0.02, 1.0, 0.5, 0, plain + rj("1.00", 10) + rj("0.50", 10), ""},
      {0.5, 0.02, 1.0e-6, 0, 0, plain + rj("0.00", 10) + rj("0.00", 10), ""},
      {0.5, 0.02, 0, 9.9e-7, 0, plain, plain},
      {0.5, 0.02, 0, 0, 2.0e-8, plain + rj("0.00", 10) + rj("0.00", 10) + rj("0.000", 12), plain},
      {0.5, 0.02, 0, 0, 1.0e-8, plain, plain},
      {0.5, 0.005, 1.0, 0.5, 0.3, precise + rj("1.00", 8) + rj("0.50", 10) + rj("0.30000", 12),
       precise + rj("1.00", 8) + rj("0.50", 10)},
  };
  for (const Case& c : cases) {
    Geometries g;
    g.add(1, 7, {99.0, c.d, c.thick, c.shy, c.shz, c.diam2});
    EXPECT_EQ(
        g.lines(false),
        (Lines{"'", "'            Geom ID       Do         Thick   (Shear_y   Shear_z      Diam2 )",
               " PIPE     " + rj(7, 9) + c.pipe}));
    EXPECT_EQ(g.lines(true),
              (Lines{"'", "'            Geom ID       Do         Thick    Shear_y   Shear_z ",
                     " SurfPIPE " + rj(7, 9) + (c.surface.empty() ? c.pipe : c.surface)}));
  }
}

TEST(Uwrgeo, EveryCodeInGroupOrder) {
  Geometries g;
  g.add(4, 12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  g.add(5, 3, {0.1, 0.2, 0, 0, 1.5, 0.01, 0.02});
  g.add(5, 2, {0.1, 0.1, 0, 0, 1.5, 0.01, 0.02});
  g.add(11, 21, {3.5, 10.0, -0.5});
  g.add(11, 20, {1.4, 2.5, 2.5});
  g.add(11, 22, {2.0, 1.0, 1.0});
  g.add(10, 30, {0.025});
  g.add(2, 40, {1, 0.1, 2, 0.2, 3, 0.3, 0.5, 0});
  g.add(3, 41, {1, 0.1, 0.2, 0.3, 2, 1.0, 1.0});
  g.add(6, 52, {10, 3, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  g.add(6, 50, {10, 1, 0.1, 0.2, 0.3, 0.4, 0.5, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  g.add(6, 51, {12, 1.6, 1, 2, 3, 4, 5, 6, 7, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  const std::string coefficients = std::string(9, ' ') + rj("1.000E+00", 10) + rj("2.000E+00", 10) +
                                   rj("3.000E+00", 10) + rj("4.000E+00", 10) + rj("6.000E+00", 10) +
                                   rj("7.000E+00", 10) + rj("8.000E+00", 10) + rj("9.000E+00", 10) +
                                   rj("1.000E+01", 10);
  auto e15 = [](std::initializer_list<const char*> v) {
    std::string s;
    for (const char* x : v) s += rj(x, 15);
    return s;
  };
  const Lines expected{
      "'",
      "'            Geom ID     H     T-web    W-top   T-top    W-bot   T-bot Sh_y Sh_z ",
      cat({" IHPROFIL ", rj(40, 9), rj("1.000", 9), rj("0.100", 8), rj("2.000", 9), rj("0.200", 8),
           rj("3.000", 9), rj("0.300", 8), rj("0.5", 5), rj("0.0", 5)}),
      "'",
      "'            Geom ID     H     T-sid   T-bot   T-top   Width   Sh_y Sh_z ",
      cat({" BOX      ", rj(41, 9), rj("1.000", 9), rj("0.100", 8), rj("0.200", 8), rj("0.300", 8),
           rj("2.000", 9)}),
      "'",
      "'            Geom ID     ",
      " GENBEAM  " + rj(12, 9) + e15({"1.00000E+00", "2.00000E+00", "3.00000E+00", "4.00000E+00"}),
      std::string(19, ' ') + e15({"6.00000E+00", "7.00000E+00", "8.00000E+00", "9.00000E+00"}),
      std::string(19, ' ') + e15({"1.00000E+01"}),
      "'",
      "'            Geom ID     Thick",
      " PLTHICK  " + rj(30, 9) + rj("0.025", 10),
      "'",
      "'            Geom ID     H     T-sid   Width   T-bot   Isymm",
      cat({" LSECTION ", rj(2, 9), rj("1.50", 9), rj("0.020", 8), rj("0.200", 8), rj("0.010", 8)}),
      cat({" LSECTION ", rj(3, 9), rj("1.50", 9), rj("0.020", 8), rj("0.300", 8), rj("0.010", 8),
           rj(1, 6)}),
      "'",
      "'            Geom ID     Type      Diam or Depth  Model ",
      " BUOYGEO  " + rj(20, 9) + "     Sphere   " + rj("2.500", 10) + rj(3, 10),
      " BUOYGEO  " + rj(21, 9) + "     Pontoon  " + rj("10.000", 10) + rj(-1, 10),
      "'",
      "'            Geom ID    Type     B      HoB     Thick AeroOffs YDisNose                  "
      "     ",
      cat({" WINGPROF ", rj(50, 9), " Straight ", rj("0.100", 8), rj("0.200", 8), rj("0.300", 8),
           rj("0.400", 8), rj("0.500", 8)}),
      coefficients,
      "'",
      "'            Geom ID     Type    B1     dBdL    HoB    Thick    Twist  AeroOffs YDisNose",
      cat({" WINGPROF ", rj(51, 9), " Shaped   ", rj("1.000", 8), rj("2.000", 8), rj("3.000", 8),
           rj("4.000", 8), rj("5.000", 8), rj("6.000", 8), rj("7.000", 8)}),
      coefficients,
      coefficients};
  EXPECT_EQ(g.lines(), expected);
}

TEST(Uwrgeo, WingCoefficientsNeverReadTheNextRow) {
  Geometries g;
  g.add(6, 1, {25, 3});
  g.add(4, 2, {7, 7, 7, 7, 7, 7, 7, 7, 7, 7});
  g.rows.set(1, 30, 5.0);
  const Lines lines = g.lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[5], std::string(9, ' ') + rj("0.000E+00", 10) + rj("0.000E+00", 10) +
                          rj("0.000E+00", 10) + rj("0.000E+00", 10) + rj("5.000E+00", 10) +
                          rj("0.000E+00", 10) + rj("0.000E+00", 10) + rj("0.000E+00", 10) +
                          rj("0.000E+00", 10));
}

TEST(Uwrgeo, MergedSurfacePipesAreLeftOutAndUnknownCodesWarn) {
  Geometries g;
  g.add(1, 0, {0, 0.5, 0.02});
  g.add(3, 4, {1, 0.1, 0.2, 0.3, 2});
  g.add(1, 3, {0, 0.5, 0.02});
  g.add(6, 5, {1, 1});
  g.add(1, 0, {0, 0.5, 0.02});
  const Lines expected{" WARNING from UWRSGe: Geometries missing ! ",
                       "'",
                       "'            Geom ID       Do         Thick    Shear_y   Shear_z ",
                       " SurfPIPE " + rj(3, 9) + rj("0.500", 12) + rj("0.020", 12),
                       "'",
                       "'            Geom ID     H     T-sid   T-bot   T-top   Width   Sh_y Sh_z ",
                       cat({" SurfBOX  ", rj(4, 9), rj("1.000", 9), rj("0.100", 8), rj("0.200", 8),
                            rj("0.300", 8), rj("2.000", 9)})};
  EXPECT_EQ(g.lines(true), expected);
  g.types[3] = 7;
  EXPECT_EQ(g.lines(false)[0], " WARNING from UWRGEO: Geometries missing ! ");
}

TEST(Uwrgeo, ZeroOrRepeatedNumbersFailOutsidePipes) {
  for (const Ints& numbers : {Ints{0, 5}, Ints{5, 5}}) {
    Geometries g;
    g.add(4, numbers[0], {1});
    g.add(4, numbers[1], {1});
    test::ModelFile f;
    EXPECT_EQ(g.write(f, false), -1);
    const Lines lines = f.lines();
    // Two equal numbers: the first place is found, the second is not.
    ASSERT_EQ(lines.size(), numbers[0] == 0 ? 4u : 7u);
    EXPECT_EQ(lines[1], "'            Geom ID     ");
    EXPECT_EQ(lines[lines.size() - 2], "");
    EXPECT_EQ(lines.back(), "  *** ERROR IN UWRGEO ***");
  }
}

}  // namespace
}  // namespace velkan
