// The Shear7 export, run through the driver with scripted answers.
#include <gtest/gtest.h>

#include "driver/conversiondriver.h"
#include "lineinput/charutil.h"
#include "support/testio.h"

namespace velkan {
namespace {

// A listing of `lengths.size()` elements in a line, with mass per length 100,
// diameter 0.5, added-mass coefficient `ca` and the given tension table rows.
std::string listing(const std::vector<double>& lengths, double ca, const std::string& tensions) {
  const std::size_t nel = lengths.size();
  std::string s = "   Total No. of Structural Elements       :  " + std::to_string(nel) +
                  "\n   No. of Nodes                           :  " + std::to_string(nel + 1) +
                  "\n   *** KINEMATIC VARIABLES ***\n";
  for (std::size_t i = 0; i <= nel; ++i) s += "  " + std::to_string(i + 1) + " 0 0 0 0 0 0 0\n";
  s += "  end of nodes\n*** ELEMENT DATA ***\n";
  for (std::size_t e = 1; e <= nel; ++e) {
    s += "  " + std::to_string(e) + " " + std::to_string(e) + " " + std::to_string(e + 1) +
         " 0 0 0 0 0 0\n";
  }
  s += "  end of elements\n   *** ELEMENT PROPERTIES ***\n  Elem\n";
  for (std::size_t e = 1; e <= nel; ++e)
    s += "  " + std::to_string(e) + " 1 1 1 1 100 0 " + std::to_string(lengths[e - 1]) + "\n";
  s += "  end\n   *** DRAG AND BUOYANCY DATA ***\n  Elem\n";
  for (std::size_t e = 1; e <= nel; ++e) s += "  " + std::to_string(e) + " 0.2 0.5 0 0 0 0 0\n";
  s += "  end\n   *** ELEMENT DRAG AND INERTIA COEFFICIENTS ***\n  Elem\n";
  for (std::size_t e = 1; e <= nel; ++e)
    s += "  " + std::to_string(e) + " 0 0 0 0 " + std::to_string(ca) + " 0 0\n";
  return s + "  end\n   1)        Element Effective Tensions.\n  Elem Time End-1 Mid Max End-2\n" +
         tensions;
}

struct ExportRun {
  std::int32_t status;
  std::vector<std::string> console;
  std::vector<std::string> file;
};

ExportRun run_export(const std::string& lis, const std::string& scale_answer) {
  test::TestIo io;
  const std::string path = io.dir.write("model.lis", lis);
  io.in.str(path + "\n\n1\n" + io.dir.file("model.s7") + "\n" + scale_answer + "\n");
  WorkArray wa(1000000);
  ExportRun r;
  r.status = VELKAN(io.units, wa, wa.size(), 1);
  r.console = test::lines_of(io.console());
  r.file = test::lines_of(io.dir.read("model.s7"));
  return r;
}

const std::string kOneElement = listing({10.0}, 1.0, "  1 0.0 500.0 450.0 500.0 400.0\n");

TEST(Shear7, OneElementGivesTwoPointsAndTheTrailer) {
  const ExportRun r = run_export(kOneElement, "");
  ASSERT_EQ(r.status, 0);
  ASSERT_EQ(r.file.size(), 13u);
  const std::vector<std::string> expected = {
      "  0.0000E+00  5.0000E+02  3.0126E+02",
      "  1.0000E+00  4.0000E+02  3.0126E+02",
      "# ",
      "# Number of Points :      2",
      "# Smallest Tension :   5.0000E+02",
      "# Tension ScaleFact:   1.0000E+00",
      "# ",
      "# ",
      padded("#== FlexCom -> Shear7. Velkan/1.3. K.Tovrik 2006 ==", 72),
  };
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(r.file[i], expected[i]) << i;
  EXPECT_EQ(r.file[9].substr(0, 14), "# Input File: ");
  EXPECT_EQ(r.file[9].substr(r.file[9].size() - 9), "model.lis");
  EXPECT_EQ(r.file[10].substr(0, 20), "# Converted  Date : ");
  EXPECT_EQ(r.file[10].size(), 39u);
  EXPECT_EQ(r.file[11], "# ");
  EXPECT_EQ(r.file[12], "# -------------- E O F ------------");
}

TEST(Shear7, ScalingDoublesEveryTension) {
  const ExportRun r = run_export(kOneElement, " 2");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.file[0], "  0.0000E+00  1.0000E+03  3.0126E+02");
  EXPECT_EQ(r.file[1], "  1.0000E+00  8.0000E+02  3.0126E+02");
  EXPECT_EQ(r.file[4], "# Smallest Tension :   1.0000E+03");
  EXPECT_EQ(r.file[5], "# Tension ScaleFact:   2.0000E+00");
}

TEST(Shear7, AnAnswerThatIsNoNumberIsAskedAgain) {
  const ExportRun r = run_export(kOneElement, "double\n2.0");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.file[5], "# Tension ScaleFact:   2.0000E+00");
  bool asked_again = false;
  for (const std::string& line : r.console) {
    asked_again |= line.find(" *** A number expected, please answer again.") != std::string::npos;
  }
  EXPECT_TRUE(asked_again);
}

TEST(Shear7, MassIsStructuralPlusAddedAndTheLengthRunsFromZeroToOne) {
  const ExportRun r =
      run_export(listing({10.0, 30.0}, 0.0, "  1 0 300 0 0 250\n  2 0 200 0 0 100\n"), "");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.file[0], "  0.0000E+00  3.0000E+02  1.0000E+02");
  EXPECT_EQ(r.file[1], "  2.5000E-01  2.0000E+02  1.0000E+02");
  EXPECT_EQ(r.file[2], "  1.0000E+00  1.0000E+02  1.0000E+02");
  EXPECT_EQ(r.file[5], "# Smallest Tension :   2.0000E+02");  // end values do not count
}

TEST(Shear7, FailuresWriteNoPoints) {
  const std::string cases[] = {
      listing({10.0, 10.0}, 1.0,
              "  2 0 1 1 1 1\n  1 0 1 1 1 1\n"),                   // the table ends with element 1
      listing({0.0, 0.0}, 1.0, "  1 0 1 1 1 1\n  2 0 1 1 1 1\n"),  // no length at all
  };
  for (const std::string& lis : cases) {
    const ExportRun r = run_export(lis, "");
    EXPECT_EQ(r.status, -1);
    EXPECT_TRUE(r.file.empty());
    EXPECT_EQ(r.console[r.console.size() - 2],
              "  ======  F L E X C O M   C O N V E R T I O N     F A I L E D    ======");
  }
}

}  // namespace
}  // namespace velkan
