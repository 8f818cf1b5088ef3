// Running another program on POSIX systems: fork, redirect, exec, wait. Piped
// input is written into the pipe by a second child, so that a program that
// stops reading ends only that writer.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/childprocess.h"

namespace velkan {
namespace {

// In the child: the working directory and the standard streams, then the
// program. Only calls that are safe after fork.
[[noreturn]] void become_child(const ChildRun& run, char* const* argv, const int pipe_ends[2]) {
  if (::chdir(run.dir.c_str()) != 0) ::_exit(127);
  const int in = run.piped_input ? pipe_ends[0] : ::open(run.input.c_str(), O_RDONLY);
  const int out = ::open(run.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (in < 0 || out < 0) ::_exit(127);
  if (::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(out, 2) < 0) ::_exit(127);
  if (run.piped_input) ::close(pipe_ends[1]);
  ::execv(run.program.c_str(), argv);
  ::_exit(127);
}

// In the writing child: the input file into the pipe. Safe after fork.
[[noreturn]] void feed_pipe(const ChildRun& run, const int pipe_ends[2]) {
  ::close(pipe_ends[0]);
  if (::chdir(run.dir.c_str()) != 0) ::_exit(127);
  const int in = ::open(run.input.c_str(), O_RDONLY);
  if (in < 0) ::_exit(127);
  char buf[4096];
  for (ssize_t n; (n = ::read(in, buf, sizeof buf)) > 0;) {
    for (ssize_t put = 0; put < n;) {
      const ssize_t w = ::write(pipe_ends[1], buf + put, static_cast<std::size_t>(n - put));
      if (w < 0 && errno != EINTR) ::_exit(1);
      if (w > 0) put += w;
    }
  }
  ::_exit(0);
}

int wait_for(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int run_child(const ChildRun& run) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(run.program.c_str()));
  for (const std::string& a : run.args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int pipe_ends[2] = {-1, -1};
  if (run.piped_input && ::pipe(pipe_ends) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid == 0) become_child(run, argv.data(), pipe_ends);
  pid_t feeder = -1;
  if (run.piped_input) {
    if (pid > 0) feeder = ::fork();
    if (feeder == 0) feed_pipe(run, pipe_ends);
    ::close(pipe_ends[0]);
    ::close(pipe_ends[1]);
  }
  if (pid < 0) return -1;
  const int status = wait_for(pid);
  if (feeder > 0) wait_for(feeder);
  return status;
}

}  // namespace velkan
