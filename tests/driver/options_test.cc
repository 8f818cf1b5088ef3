// Conversions driven from the command line, through the built program: every
// shipped example converted with options gives the model file and the
// message file of its answer file; options and piped answers mix; a wrong
// command line is a usage error that reads and writes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "catalogue.h"

namespace velkan::test {
namespace {

// The files a run left in its folder, the listings and answers aside.
std::set<std::string> outputs_in(const TempDir& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    const std::string name = entry.path().filename().string();
    if (name != "examples" && name != "answers.txt" && name != "console.txt") names.insert(name);
  }
  return names;
}

void copy_examples(const TempDir& dir) {
  fs::create_directory(dir.path() / "examples");
  for (const auto& file : fs::directory_iterator(VELKAN_EXAMPLES)) {
    fs::copy_file(file.path(), dir.path() / "examples" / file.path().filename());
  }
}

TEST(Options, EveryExampleGivesTheFilesOfItsAnswerFile) {
  struct Case {
    std::string answers, args, output;
  } cases[] = {
      {"riser-vomar.ans", "--listing examples/riser.lis --vomar riser.vom --hinge 1E8,1E3",
       "riser.vom"},
      {"riser-shear7.ans", "-l examples/riser.lis --shear7 riser.s7 --scale 1", "riser.s7"},
      {"jumper-vomar.ans",
       "--listing=examples/jumper.lis --vomar jumper.vom --coarsen 1:5:2,5:9:4 "
       "--coarsen 201:207:3 --hinge 1E8,5E3 --seabed -60",
       "jumper.vom"},
      {"jumper-shear7.ans", "--listing examples/jumper.lis --shear7=jumper.s7 --scale 1.5",
       "jumper.s7"},
  };
  for (const Case& c : cases) {
    TempDir piped, given;
    copy_examples(piped);
    copy_examples(given);
    const ProgramRun by_answers = run_velkan(piped, "", example(c.answers));
    const ProgramRun by_options = run_velkan(given, c.args, "");
    EXPECT_EQ(by_answers.exit_status, 0) << c.answers;
    EXPECT_EQ(by_options.exit_status, 0) << c.args << by_options.console;
    EXPECT_EQ(without_stamp(given.read(c.output)), without_stamp(piped.read(c.output))) << c.args;
    EXPECT_EQ(outputs_in(given), outputs_in(piped)) << c.args;
    EXPECT_EQ(given.read("fort.17"), piped.read("fort.17")) << c.args;
  }
}

TEST(Options, EachAnsweredPromptShowsItsAnswerAsIfTyped) {
  TempDir dir;
  copy_examples(dir);
  const ProgramRun run =
      run_velkan(dir, "--listing examples/riser.lis --vomar riser.vom --hinge 1E8,1E3", "");
  for (const std::string shown :
       {" Give FlexCom File Name (complete)   :  examples/riser.lis\n",
        " Select Operation  / 1 /             :  \n", " Select Sub Operation  / 2 /         :  2\n",
        " Vomar model file name               :  riser.vom\n",
        " Create Coarser Mesh?  /no /         :  no\n",
        " Hinge Stiff, Ax & Bend /1E8 & 1E3/:  1E8,1E3\n",
        " Create Sea Bed?       /no /         :  no\n"}) {
    EXPECT_NE(run.console.find(shown), std::string::npos) << shown << run.console;
  }
}

TEST(Options, OptionsAndPipedAnswersMix) {
  struct Case {
    std::string args, answers;
  } cases[] = {
      // The hinge question has no option: its answer comes from the pipe.
      {"--listing examples/riser.lis --vomar riser.vom", "\n"},
      // The listing and the menus from the pipe, the rest from options.
      {"--vomar riser.vom --hinge 1E8,1E3", "examples/riser.lis\n"},
      {"--scale 2", "examples/riser.lis\n\n1\nriser.s7\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    copy_examples(dir);
    const ProgramRun run = run_velkan(dir, c.args, c.answers);
    EXPECT_EQ(run.exit_status, 0) << c.args << run.console;
    EXPECT_NE(run.console.find(kCompleted), std::string::npos) << c.args;
  }
}

TEST(Options, AHingeOptionForAModelWithoutHingesIsSaidUnused) {
  TempDir dir;
  copy_examples(dir);
  dir.write("nohinge.lis", edited(example("riser.lis"), "Hinge Element",
                                  "1.0E10  1.0E10  1.0E10  1.0E10  10.0  1.0E10  0.01"));
  const ProgramRun run =
      run_velkan(dir, "--listing nohinge.lis --vomar riser.vom --hinge 2E8,1E3", "");
  EXPECT_EQ(run.exit_status, 0) << run.console;
  EXPECT_NE(run.console.find(" Number of Hinge Elements:  0\n"), std::string::npos);
  EXPECT_NE(run.console.find(" *** --hinge is not used: the model has no hinge elements.\n"),
            std::string::npos)
      << run.console;
}

TEST(Options, AQuietConsoleLeavesOutTheLinesAboutSingleElements) {
  const std::string args =
      "--listing examples/jumper.lis --vomar jumper.vom --coarsen 1:5:2,5:9:4 "
      "--coarsen 201:207:3 --hinge 1E8,5E3 --seabed -60";
  TempDir loud, quiet;
  copy_examples(loud);
  copy_examples(quiet);
  const ProgramRun a = run_velkan(loud, args, "");
  const ProgramRun b = run_velkan(quiet, args + " --quiet", "");
  EXPECT_EQ(b.exit_status, 0) << b.console;
  for (const char* line : {"SKIPPED Elem:", "SKIPPED NODE:", "is merged with"}) {
    EXPECT_NE(a.console.find(line), std::string::npos) << line;
    EXPECT_EQ(b.console.find(line), std::string::npos) << line;
  }
  EXPECT_NE(b.console.find(" Size before merge"), std::string::npos);
  EXPECT_EQ(without_stamp(quiet.read("jumper.vom")), without_stamp(loud.read("jumper.vom")));
}

TEST(Options, TheRisersOfAListingAreShownAndNothingIsWritten) {
  TempDir dir;
  copy_examples(dir);
  const ProgramRun run = run_velkan(dir, "--risers examples/jumper.lis", "");
  EXPECT_EQ(run.exit_status, 0) << run.console;
  std::ifstream recorded(fs::path(VELKAN_EXAMPLES).parent_path() / "tests" / "commandline" /
                         "expected" / "jumper.txt");
  const std::string expected((std::istreambuf_iterator<char>(recorded)), {});
  EXPECT_EQ(run.console, expected);
  EXPECT_EQ(outputs_in(dir), std::set<std::string>{});
  const ProgramRun missing = run_velkan(dir, "--risers nowhere.lis", "");
  EXPECT_EQ(missing.exit_status, 1);
  EXPECT_EQ(std::count(missing.console.begin(), missing.console.end(), '\n'), 1) << missing.console;
}

TEST(Options, AModelFileIsCheckedAndTheStatusSaysWhetherItHolds) {
  TempDir dir;
  copy_examples(dir);
  ASSERT_EQ(run_velkan(dir, "--listing examples/riser.lis --vomar riser.vom --hinge 1E8,1E3", "")
                .exit_status,
            0);
  const ProgramRun holds = run_velkan(dir, "--check riser.vom", "");
  EXPECT_EQ(holds.exit_status, 0) << holds.console;
  EXPECT_TRUE(holds.console.ends_with("The model file holds.\n")) << holds.console;
  dir.write("cut.vom", edited(dir.read("riser.vom"), "' ------------- E O F ------------\n", ""));
  const ProgramRun cut = run_velkan(dir, "--check cut.vom", "");
  EXPECT_EQ(cut.exit_status, 1) << cut.console;
  EXPECT_NE(cut.console.find("no end-of-file comment"), std::string::npos) << cut.console;
}

TEST(Options, AWrongCommandLineIsAUsageErrorThatTouchesNothing) {
  const std::string usage =
      "Usage: velkan [size-in-millions] [options]   (velkan --help tells more)\n";
  struct Case {
    std::string args, line;
  } cases[] = {
      {"--listing riser.lis --vomar a.vom --frobnicate",
       "velkan: --frobnicate is no option of velkan"},
      {"--scale x --shear7 a.s7",
       "velkan: --scale takes the tension factor, one number "
       "(--scale 1.5), not \"x\""},
      {"--vomar a.vom --shear7 a.s7", "velkan: --vomar and --shear7 do not go together"},
      {"--scale 2 --vomar a.vom", "velkan: --scale and --vomar do not go together"},
      {"--coarsen 1:2 --vomar a.vom",
       "velkan: --coarsen takes one riser's segments, first "
       "node:last node:nSkip, separated by commas (--coarsen "
       "101:107:3,107:113:2 --coarsen 201:260:5), not \"1:2\""},
  };
  for (const Case& c : cases) {
    TempDir dir;
    copy_examples(dir);
    dir.write("fort.17", "an earlier run's messages\n");
    const ProgramRun run = run_velkan(dir, c.args, "examples/riser.lis\n\n\na.vom\n\n\n\n");
    EXPECT_EQ(run.exit_status, 2) << c.args;
    EXPECT_EQ(run.console, c.line + "\n" + usage) << c.args;
    EXPECT_EQ(outputs_in(dir), std::set<std::string>{"fort.17"}) << c.args;
    EXPECT_EQ(dir.read("fort.17"), "an earlier run's messages\n");
  }
}

}  // namespace
}  // namespace velkan::test
