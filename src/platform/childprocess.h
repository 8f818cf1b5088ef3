// Running another program and waiting for its end, its standard input read
// from one file and its standard output and error written to another: how the
// end-to-end tests run the built converter as a user would. One
// implementation per operating system (childprocess_posix.cc,
// childprocess_windows.cc).
#pragma once

#include <string>
#include <vector>

namespace velkan {

struct ChildRun {
  std::string program;            // path of the program
  std::vector<std::string> args;  // its arguments, passed as they are
  std::string dir;                // its working directory
  std::string input;              // read as its standard input (relative to `dir`)
  std::string output;             // receives its standard output and error (relative to `dir`)
  // Standard input is a pipe that `input` is written into, as a command line
  // "program < input" does not but "type input | program" does.
  bool piped_input = false;
};

// The child's exit status; -1 when it could not be started or was ended by a
// signal.
int run_child(const ChildRun& run);

}  // namespace velkan
