// The program entry as a user sees it: size argument, messages, exit status.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace velkan
