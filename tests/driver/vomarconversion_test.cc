// Whole Vomar conversions through the driver with scripted answers. The
// expected files are worked out by hand from the listings below.
#include "driver/vomarconversion.h"

#include <gtest/gtest.h>

#include "driver/conversion.h"
#include "driver/conversiondriver.h"
#include "driver/vomarmodel.h"
#include "lineinput/charutil.h"
#include "support/seabedframe.h"
#include "support/testio.h"

namespace velkan {
namespace {

// A vertical riser: nodes 11.. at z = 0, -10, -20, ...; element 20+i runs
// from node 10+i to 11+i. Elements listed in `hinges` are hinge rows; element
// 20+i has EIy = EIz = `ei[i-1]`, EA 4E10, mass per metre `mass[i-1]` (100
// when not given), length 10, hydrodynamic diameter 0.5, no internal fluid.
std::string riser_listing(const std::vector<double>& ei, const std::vector<int>& hinges,
                          const std::vector<double>& mass = {}) {
  const std::size_t nel = ei.size();
  std::string s = "   Total No. of Structural Elements       :  " + std::to_string(nel) +
                  "\n   No. of Nodes                           :  " + std::to_string(nel + 1) +
                  "\n   *** KINEMATIC VARIABLES ***\n";
  for (std::size_t i = 0; i <= nel; ++i) {
    s += "  " + std::to_string(11 + i) + "  " + (i == 0 ? "0.0" : "-" + std::to_string(10 * i)) +
         " 0 0  0.0 0 0  0.0\n";
  }
  s += "  end of nodes\n*** ELEMENT DATA ***\n";
  for (std::size_t i = 1; i <= nel; ++i) {
    s += "  " + std::to_string(20 + i) + " " + std::to_string(10 + i) + " " +
         std::to_string(11 + i) + " 0 0 0 0 0 0\n";
  }
  s += "  end\n   *** ELEMENT PROPERTIES ***\n  Elem\n";
  for (std::size_t i = 1; i <= nel; ++i) {
    const bool hinge =
        std::find(hinges.begin(), hinges.end(), static_cast<int>(20 + i)) != hinges.end();
    const std::string number = std::to_string(20 + i);
    if (hinge) {
      s += "  " + number + std::string(12 - number.size(), ' ') + "Hinge Element\n";
    } else {
      s += "  " + number + "  " + std::to_string(ei[i - 1]) + " " + std::to_string(ei[i - 1]) +
           " 1E10 4E10 " + std::to_string(i <= mass.size() ? mass[i - 1] : 100.0) + " 0 10\n";
    }
  }
  s += "  end\n   *** DRAG AND BUOYANCY DATA ***\n  Elem\n";
  for (std::size_t i = 1; i <= nel; ++i) s += "  " + std::to_string(20 + i) + "  0 0.5 0 0 0 0 0\n";
  return s + "  end\n";
}

struct Conv {
  std::int32_t status;
  std::string console;
  std::vector<std::string> file;
  std::vector<std::string> failed;  // what a failed run kept beside the file
};

Conv convert(const std::string& listing, const std::string& answers_after_name) {
  test::TestIo io;
  const std::string path = io.dir.write("riser.lis", listing);
  io.in.str(path + "\n\n\n" + io.dir.file("riser.vom") + "\n" + answers_after_name);
  WorkArray wa(1000000);
  Conv c;
  c.status = VELKAN(io.units, wa, wa.size(), 1);
  c.console = io.console();
  c.file = test::lines_of(io.dir.read("riser.vom"));
  c.failed = test::lines_of(io.dir.read("riser.vom.failed"));
  return c;
}

// The file from its seventh line on (the six header lines hold the name and
// time), one line after the other, so that a difference shows as a text diff.
std::string body(const std::vector<std::string>& file) {
  std::string text;
  for (std::size_t i = 6; i < file.size(); ++i) text += file[i] + "\n";
  return text;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

const std::string kNodeHeader =
    "'            Node ID            X              Y              Z    Boundary code";
const std::string kBeamHeader =
    "'            Elem ID     np1      np2   material   geom    lcoor    ecc1    ecc2";
const std::string kPipeHeader = "'            Geom ID       Do         Thick    Shear_y   Shear_z ";
const std::string kIsoHeader =
    "'            Mat  ID     E-mod       Poiss     Yield      Density     ThermX  ";
const std::vector<std::string> kTrailer = {"'", " Gravity  1   0  0  -9.81 ", "'", "'",
                                           "' ------------- E O F ------------"};

TEST(VomarConversion, SmallRiserWithDefaults) {
  // Elements 21 and 22 are equal; 23 is stiffer and lighter. Cross-section
  // values are the stiffnesses over 1E10: area 4, Iy = Iz = 2 (3 for 23); the
  // density is the mass over the area, 100 / 4 = 25 (50 / 4 = 12.5 for 23).
  // Rows 1 and 2 merge, so 23 keeps the numbers 3.
  const Conv c = convert(riser_listing({2e10, 2e10, 3e10}, {}, {100, 100, 50}), "\n\n");
  ASSERT_EQ(c.status, 0) << c.console;
  EXPECT_EQ(c.file[0], "# ");
  EXPECT_EQ(c.file[2], padded("# FlexCom -> Vomar. VelKan/1.3. K.Tovrik 2006 ", 72));
  EXPECT_EQ(c.file[3].substr(0, 14), "# Input File: ");
  EXPECT_EQ(c.file[4].substr(0, 20), "# Converted  Date : ");
  std::vector<std::string> expected = {
      "'",
      kNodeHeader,
      " NODE             11          0.000          0.000          0.000",
      " NODE             12          0.000          0.000        -10.000",
      " NODE             13          0.000          0.000        -20.000",
      " NODE             14          0.000          0.000        -30.000",
      "'",
      kBeamHeader,
      " BEAM            21       11       12        1        1",
      " BEAM            22       12       13        1        1",
      " BEAM            23       13       14        3        3",
      "'",
      "'            Geom ID     ",
      " GENBEAM          1    4.00000E+00    2.00000E+03    2.00000E+00    2.00000E+00",
      "                       2.00000E+06    2.00000E+00    2.00000E+00    4.00000E+00",
      "                       4.00000E+00",
      " GENBEAM          3    4.00000E+00    3.00000E+03    3.00000E+00    3.00000E+00",
      "                       3.00000E+06    3.00000E+00    3.00000E+00    4.00000E+00",
      "                       4.00000E+00",
      "'",
      kPipeHeader,
      " SurfPIPE         1       0.500       0.025",
      " SurfPIPE         3       0.500       0.025",
      "'",
      kIsoHeader,
      " MISOIEP          1   1.000E+10   3.000E-01   1.000E+09   2.500E+01   0.000E+00",
      " MISOIEP          3   1.000E+10   3.000E-01   1.000E+09   1.250E+01   0.000E+00",
  };
  expected.insert(expected.end(), kTrailer.begin(), kTrailer.end());
  EXPECT_EQ(body(c.file), joined(expected));
  EXPECT_NE(c.console.find(" Number of Hinge Elements:  0\n"), std::string::npos);
  EXPECT_EQ(c.console.find("Hinge Stiff"), std::string::npos);
}

TEST(VomarConversion, CoarsenedRiserWithAHingeAndASeaBed) {
  // Element 21 is a hinge (its row gets the fixed hinge values: area, Iy and
  // Iz 1, diameter 0.01 single precision); 22..24 are equal. One riser, one
  // segment 11 -> 15 in pairs: the hinge 21 is no part of a pair and keeps
  // 11 -> 12, 22 now runs 12 -> 14, 23 and node 13 go; the riser ends 11 and
  // 15 are fixed. The hinge material (number 1) refers to
  // the two spring curves 2+10001 and 2+10002. Nodes 14 and 15 lie at or
  // below -25.
  const Conv c =
      convert(riser_listing({0, 2e10, 2e10, 2e10}, {21}), "y\n1\n1\n11 15 2\n2E8 5E3\nyes\n-25\n");
  ASSERT_EQ(c.status, 0) << c.console;
  std::vector<std::string> expected = {
      "'",
      kNodeHeader,
      " NODE             11          0.000          0.000          0.000   1 1 1 1 1 1",
      " NODE             12          0.000          0.000        -10.000",
      " NODE             14          0.000          0.000        -30.000",
      " NODE             15          0.000          0.000        -40.000   1 1 1 1 1 1",
      "'",
      kBeamHeader,
      " BEAM            21       11       12        1        1",
      " BEAM            22       12       14        2        2",
      " BEAM            24       14       15        2        2",
      "'",
      "'            Geom ID     ",
      " GENBEAM          1    1.00000E+00    1.00000E+03    1.00000E+00    1.00000E+00",
      "                       1.00000E+06    1.00000E+00    1.00000E+00    1.00000E+00",
      "                       1.00000E+00",
      " GENBEAM          2    4.00000E+00    2.00000E+03    2.00000E+00    2.00000E+00",
      "                       2.00000E+06    2.00000E+00    2.00000E+00    4.00000E+00",
      "                       4.00000E+00",
      "'",
      kPipeHeader,
      " SurfPIPE         1       0.01000     0.00050",
      " SurfPIPE         2       0.500       0.025",
      "'",
      kIsoHeader,
      " MISOIEP          2   1.000E+10   3.000E-01   1.000E+09   2.500E+01   0.000E+00",
      "'",
      "'            Mat  ID               P           Delta ",
      " HYPELAST     10003",
      "                            -2.00000E+08   -1.00000E+00",
      "                             2.00000E+08    1.00000E+00",
      " HYPELAST     10004",
      "                            -5.00000E+03   -1.00000E+00",
      "                             5.00000E+03    1.00000E+00",
      "'",
      "'            Mat  ID          S P R I N G    R E F S.",
      " MREF             1    10003    10003    10003    10003    10004    10004",
  };
  expected.insert(expected.end(), test::kSeabedOpening.begin(), test::kSeabedOpening.end());
  for (const int n : {14, 15}) {
    const std::string s = std::to_string(9900000 + n), m = std::to_string(8800000 + n);
    expected.push_back("'");
    expected.push_back(" Sprng2Gr    " + s + "        " + std::to_string(n) + "   " + s);
    expected.push_back(" MREF        " + s + "   " + m + "   " + m + " 880000    0    0    0" +
                       std::string(18, ' '));
    expected.push_back(" HypElast    " + m + " -1.0E1 -1.0  1.0E1  1.0" + std::string(16, ' '));
    expected.push_back(" TimDepMat 99999    " + m + "  -987    " + s + " 3    0.1  ");
  }
  expected.insert(expected.end(), test::kSeabedClosing.begin(), test::kSeabedClosing.end());
  expected.push_back("#     14     15");
  expected.insert(expected.end(), test::kSeabedEnd.begin(), test::kSeabedEnd.end());
  expected.insert(expected.end(), kTrailer.begin(), kTrailer.end());
  EXPECT_EQ(body(c.file), joined(expected));
  EXPECT_NE(c.console.find("SKIPPED Elem:      23\nSKIPPED NODE:      13\n"), std::string::npos);
}

TEST(VomarConversion, IllegalRiserNodeLeavesOnlyTheHeader) {
  const Conv c = convert(riser_listing({2e10, 2e10}, {}), "yes\n1\n1\n99 13 2\n");
  EXPECT_EQ(c.status, -1);
  EXPECT_TRUE(c.file.empty());
  EXPECT_EQ(c.failed.size(), 6u);
  EXPECT_NE(c.console.find("Illegal node:      99\n"), std::string::npos);
}

TEST(VomarConversion, ARiserWithoutSegmentsHasIllegalEndNodeZero) {
  const Conv c = convert(riser_listing({2e10, 2e10}, {}), "N\n1\n0\n");
  EXPECT_EQ(c.status, -1);
  EXPECT_NE(c.console.find("Illegal node:       0\n"), std::string::npos);
}

TEST(VomarConversion, LimitsOfTheRiserDialogueAreAskedAgain) {
  const Conv c = convert(riser_listing({2e10, 2e10}, {}), "yes\n11\nmany\n1\n201\n1\n11 13 1\n\n");
  ASSERT_EQ(c.status, 0) << c.console;
  EXPECT_NE(c.console.find(" *** At most 10 risers: please give a number from 0 to 10.\n"),
            std::string::npos);
  EXPECT_NE(c.console.find(" *** A whole number expected, please answer again.\n"),
            std::string::npos);
  EXPECT_NE(
      c.console.find(" *** At most 200 segments in all: please give a number from 0 to 200.\n"),
      std::string::npos);
  // nSkip 1 keeps both elements as they are.
  EXPECT_NE(std::find(c.file.begin(), c.file.end(),
                      " BEAM            22       12       13        1        1"),
            c.file.end());
}

TEST(VomarConversion, AMaterialFailureStillFinishesTheFile) {
  // Two materials with one external number: the material writer fails, the
  // sea-bed question is still asked and the trailer written.
  test::TestIo io("no\n");
  Dialogue ask(io.units);
  WorkArray wa(1000);
  Conversion c{io.units, ask, wa, "x.lis", " Date"};
  std::vector<std::int32_t> mexmat = {5, 5}, matyp = {1, 1}, mscra(4), words(4 * 58, 0);
  VomarModel m;
  m.NMA = 2;
  m.MXMAPR = 58;
  m.MEXMAT = mexmat;
  m.MATYP = matyp;
  m.MSCRA = mscra;
  m.TMAPA = RealSpan(reinterpret_cast<std::byte*>(words.data()), 2 * 58);
  EXPECT_EQ(finish_vomar_file(c, m), -1);
  const std::vector<std::string> file = test::lines_of(io.file("fort.23"));
  ASSERT_GE(file.size(), 9u);
  EXPECT_EQ(file[file.size() - 6], "  *** ERROR IN UWRMAT ***");
  EXPECT_EQ(std::vector<std::string>(file.end() - 5, file.end()), kTrailer);
  EXPECT_NE(io.console().find("Create Sea Bed?"), std::string::npos);
  EXPECT_EQ(write_verdict(io.units, Outcome::kFailedAfterTrailer), -1);
  EXPECT_EQ(io.file("fort.17"), "");  // the failed frame goes to the console only
  EXPECT_NE(io.console().find("F A I L E D"), std::string::npos);
}

}  // namespace
}  // namespace velkan
