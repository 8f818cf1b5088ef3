// Running the built program from the tests.
#include "run_program.h"

#include <sys/wait.h>

#include <cstdlib>

namespace velkan::test {

ProgramRun run_velkan(const TempDir& dir, const std::string& args, const std::string& answers) {
  return run_velkan(dir, args, answers, "");
}

ProgramRun run_velkan(const TempDir& dir, const std::string& args, const std::string& answers,
                      const std::string& wrapper) {
  dir.write("answers.txt", answers);
  const std::string cmd = "cd '" + dir.path().string() + "' && " + wrapper + " '" VELKAN_EXE "' " +
                          args + " < answers.txt > console.txt 2>&1";
  const int rc = std::system(cmd.c_str());
  ProgramRun run;
  run.exit_status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  run.console = dir.read("console.txt");
  return run;
}

}  // namespace velkan::test
