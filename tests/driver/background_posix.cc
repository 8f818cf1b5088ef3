// Running the built program in the background: fork, a named pipe for the
// answers, exec; signals and the wait.
#include "background_posix.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <sstream>
#include <thread>
#include <vector>

namespace velkan::test {

BackgroundRun::BackgroundRun(const TempDir& dir, const std::string& args) : dir_(dir) {
  const std::string fifo = dir.file("answers.fifo");
  ::unlink(fifo.c_str());
  if (::mkfifo(fifo.c_str(), 0600) != 0) return;
  const std::string program = std::filesystem::absolute(VELKAN_EXE).string();
  std::vector<std::string> words{program};
  std::istringstream split(args);
  for (std::string a; split >> a;) words.push_back(a);
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  const std::string folder = dir.path().string();
  pid_ = ::fork();
  if (pid_ == 0) {
    const int out = ::open((folder + "/console.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    const int in = ::open(fifo.c_str(), O_RDONLY);
    if (::chdir(folder.c_str()) != 0 || in < 0 || out < 0 || ::dup2(in, 0) < 0 ||
        ::dup2(out, 1) < 0 || ::dup2(out, 2) < 0) {
      ::_exit(127);
    }
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  if (pid_ > 0) answers_ = ::open(fifo.c_str(), O_WRONLY);
}

BackgroundRun::~BackgroundRun() {
  if (pid_ > 0 && status_ < 0) {
    ::kill(pid_, SIGKILL);
    finish();
  }
}

void BackgroundRun::answer(std::string_view text) {
  while (!text.empty() && answers_ >= 0) {
    const ssize_t put = ::write(answers_, text.data(), text.size());
    if (put <= 0) return;
    text.remove_prefix(static_cast<std::size_t>(put));
  }
}

bool BackgroundRun::wait_for(std::string_view text) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (std::chrono::steady_clock::now() < until) {
    if (console().find(text) != std::string::npos) return true;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      return console().find(text) != std::string::npos;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}

void BackgroundRun::signal(int sig) {
  if (pid_ > 0 && status_ < 0) ::kill(pid_, sig);
}

int BackgroundRun::finish() {
  if (answers_ >= 0) {
    ::close(answers_);
    answers_ = -1;
  }
  if (status_ >= 0 || pid_ <= 0) return status_;
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return status_;
}

}  // namespace velkan::test
