// The process's standard input and output as the console units use them:
// answers are read from whatever standard input is (a console, a pipe or a
// redirected file) and every line end is written as a single line feed, so
// the transcript of a run is the same on every system. One implementation per
// operating system (console_posix.cc, console_windows.cc).
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>

#include "platform/osfile.h"

namespace velkan {

class StdConsole {
 public:
  // Prepares standard input and output; lives as long as the program uses them.
  StdConsole();
  ~StdConsole();
  StdConsole(const StdConsole&) = delete;
  StdConsole& operator=(const StdConsole&) = delete;

  std::istream& in();
  std::ostream& out();
  // Standard error, where usage errors go; line ends as on standard output.
  std::ostream& err();
  // The file standard input reads, when it is a regular file (answers
  // redirected from a file); none for a console window or a pipe.
  std::optional<FileId> input_file() const;

 private:
  struct Streams;
  std::unique_ptr<Streams> streams_;
};

}  // namespace velkan
