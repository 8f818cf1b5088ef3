// Standard input and output on POSIX systems: the C++ streams, unsynchronised
// with C's for speed; bytes pass unchanged both ways.
#include <sys/stat.h>
#include <unistd.h>

#include <iostream>

#include "platform/console.h"

namespace velkan {

struct StdConsole::Streams {};

StdConsole::StdConsole() {
  std::ios::sync_with_stdio(false);
}

StdConsole::~StdConsole() = default;

std::istream& StdConsole::in() {
  return std::cin;
}

std::ostream& StdConsole::out() {
  return std::cout;
}

std::ostream& StdConsole::err() {
  return std::cerr;
}

std::optional<FileId> StdConsole::input_file() const {
  struct stat st {};
  if (::fstat(STDIN_FILENO, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

}  // namespace velkan
