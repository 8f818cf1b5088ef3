// Running the built program from the tests.
#include "run_program.h"

#include <filesystem>
#include <sstream>

#include "platform/childprocess.h"

namespace velkan::test {

ProgramRun run_velkan(const TempDir& dir, const std::string& args, const std::string& answers) {
  return run_velkan(dir, args, answers, "");
}

ProgramRun run_velkan(const TempDir& dir, const std::string& args, const std::string& answers,
                      const std::string& wrapper) {
  dir.write("answers.txt", answers);
  ChildRun child;
  const std::string program = std::filesystem::absolute(VELKAN_EXE).string();
  if (wrapper.empty()) {
    child.program = program;
    std::istringstream words(args);
    for (std::string a; words >> a;) child.args.push_back(a);
  } else {  // shell words before the program: a POSIX shell runs the whole line
    child.program = "/bin/sh";
    child.args = {"-c", wrapper + " '" + program + "' " + args};
  }
  child.dir = dir.path().string();
  child.input = "answers.txt";
  child.output = "console.txt";
  ProgramRun run;
  run.exit_status = run_child(child);
  run.console = dir.read("console.txt");
  return run;
}

}  // namespace velkan::test
