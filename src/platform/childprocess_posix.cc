// Running another program on POSIX systems: fork, redirect, exec, wait.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/childprocess.h"

namespace velkan {
namespace {

// In the child: the working directory and the standard streams, then the
// program. Only calls that are safe after fork.
[[noreturn]] void become_child(const ChildRun& run, char* const* argv) {
  if (::chdir(run.dir.c_str()) != 0) ::_exit(127);
  const int in = ::open(run.input.c_str(), O_RDONLY);
  const int out = ::open(run.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (in < 0 || out < 0) ::_exit(127);
  if (::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(out, 2) < 0) ::_exit(127);
  ::execv(run.program.c_str(), argv);
  ::_exit(127);
}

}  // namespace

int run_child(const ChildRun& run) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(run.program.c_str()));
  for (const std::string& a : run.args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return -1;
  if (pid == 0) become_child(run, argv.data());
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace velkan
