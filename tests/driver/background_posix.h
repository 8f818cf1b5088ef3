// The built program run in the background on POSIX systems, its answers
// written to it through a named pipe while the test watches its console, so
// that a test can stop it with a signal at a chosen question.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <string_view>

#include "support/testio.h"

namespace velkan::test {

class BackgroundRun {
 public:
  // Starts velkan in `dir` with `args` (separated by blanks); its console
  // goes to console.txt there.
  BackgroundRun(const TempDir& dir, const std::string& args);
  ~BackgroundRun();
  BackgroundRun(const BackgroundRun&) = delete;
  BackgroundRun& operator=(const BackgroundRun&) = delete;

  void answer(std::string_view text);
  // Waits until the console holds `text` (at most a minute); false when it
  // never did or the program ended first.
  bool wait_for(std::string_view text);
  void signal(int sig);
  // Ends the answers and waits for the end: the exit status, or 128 + the
  // signal that ended the program.
  int finish();
  std::string console() const { return dir_.read("console.txt"); }

 private:
  const TempDir& dir_;
  pid_t pid_ = -1;
  int answers_ = -1;
  int status_ = -1;
};

}  // namespace velkan::test
