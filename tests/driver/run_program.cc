// Running the built program from the tests.
#include "run_program.h"

#include <filesystem>
#include <sstream>

#include "platform/childprocess.h"

namespace velkan::test {

ProgramRun run_velkan(const TempDir& dir, const std::string& args, const std::string& answers) {
  return run_velkan(dir, args, answers, "");
}

namespace {

// Runs `child` in `dir` on the answers written there.
ProgramRun run_in(const TempDir& dir, ChildRun& child) {
  child.dir = dir.path().string();
  child.input = "answers.txt";
  child.output = "console.txt";
  ProgramRun result;
  result.exit_status = run_child(child);
  result.console = dir.read("console.txt");
  return result;
}

}  // namespace

ProgramRun run_velkan_piped(const TempDir& dir, const std::string& args,
                            const std::string& answers) {
  dir.write("answers.txt", answers);
  ChildRun child;
  child.program = std::filesystem::absolute(VELKAN_EXE).string();
  std::istringstream words(args);
  for (std::string a; words >> a;) child.args.push_back(a);
  child.piped_input = true;
  return run_in(dir, child);
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
  return run_in(dir, child);
}

}  // namespace velkan::test
