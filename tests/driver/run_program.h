// Runs the built program with an argument list and a file of answers, and
// collects its console output and exit status.
#pragma once

#include <string>

#include "support/testio.h"

namespace velkan::test {

struct ProgramRun {
  int exit_status = -1;
  std::string console;
};

// Runs velkan in `dir` with `args` (separated by blanks) and `answers` on
// standard input; standard output and error are collected together.
ProgramRun run_velkan(const TempDir& dir, const std::string& args, const std::string& answers);
// The same with the answers arriving through a pipe rather than from a file.
ProgramRun run_velkan_piped(const TempDir& dir, const std::string& args,
                            const std::string& answers);
// The same with shell words before the program (already quoted), for example a
// file-size limit ("ulimit -f 20 &&") or another user ("setpriv ...").
ProgramRun run_velkan(const TempDir& dir, const std::string& args, const std::string& answers,
                      const std::string& wrapper);

}  // namespace velkan::test
