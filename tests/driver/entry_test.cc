// The program entry as a user sees it: size argument, messages, exit status.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_program.h"

namespace velkan {
namespace {

TEST(Entry, SizeArgumentMessagesAndExitStatus) {
  struct Case {
    std::string args;
    std::string console_start;
    int exit_status;
  } cases[] = {
      {"abc", "\n The nwiwa value (0) is zero or negative! \n", 1},
      {"0", "\n The nwiwa value (0) is zero or negative! \n", 1},
      {"-3", "\n The nwiwa value (-3000000) is zero or negative! \n", 1},
      {"5000", "\n The nwiwa value (5000000000) does not fit a 32-bit word count! \n", 1},
      {"-2200", "\n The nwiwa value (-2200000000) does not fit a 32-bit word count! \n", 1},
      {"0.5", "\n\n 0.50 million words successfully allocated \n\n", -1},
      {"1.9999999", "\n\n 1 million words successfully allocated \n\n", -1},
      {"", "\n\n 50 million words successfully allocated \n\n", -1},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    const test::ProgramRun run = test::run_velkan(dir, c.args, "");
    EXPECT_EQ(run.console.substr(0, c.console_start.size()), c.console_start) << c.args;
    if (c.exit_status >= 0) {
      EXPECT_EQ(run.console, c.console_start) << c.args;
      EXPECT_EQ(run.exit_status, c.exit_status) << c.args;
    }
  }
}

// The requests are options, anywhere on the command line; an option that is
// none is a usage error, and anything in the first place that is no option
// is the size.
TEST(Entry, HelpAndVersionRequests) {
  struct Case {
    std::string args;
    std::string console_start;
    int exit_status;
  } cases[] = {
      {"--help", "Usage: velkan [size-in-millions] [options]\n", 0},
      {"-h", "Usage: velkan [size-in-millions] [options]\n", 0},
      {"/?", "Usage: velkan [size-in-millions] [options]\n", 0},
      {"0.5 --help", "Usage: velkan [size-in-millions] [options]\n", 0},
      {"--version", "velkan ", 0},
      {"--HELP", "velkan: --HELP is no option of velkan\nUsage: velkan", 2},
      {"-version", "velkan: -version is no option of velkan\nUsage: velkan", 2},
      {"help", "\n The nwiwa value (0) is zero or negative! \n", 1},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    const test::ProgramRun run = test::run_velkan(dir, c.args, "");
    EXPECT_EQ(run.console.substr(0, c.console_start.size()), c.console_start) << c.args;
    EXPECT_EQ(run.exit_status, c.exit_status) << c.args;
    EXPECT_EQ(run.console.back(), '\n') << c.args;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "fort.17")) << c.args;
  }
}

TEST(Entry, TheUsageTellsWhereAnswersAndDiagnosticsGo) {
  test::TempDir dir;
  const std::string usage = test::run_velkan(dir, "--help", "").console;
  for (const char* needed : {"size-in-millions", "velkan < answers.txt", "fort.17", "--version"}) {
    EXPECT_NE(usage.find(needed), std::string::npos) << needed;
  }
  const std::string version = test::run_velkan(dir, "--version", "").console;
  EXPECT_EQ(version.find('\n'), version.size() - 1);
}

}  // namespace
}  // namespace velkan
