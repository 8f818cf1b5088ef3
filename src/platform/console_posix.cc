// Standard input and output on POSIX systems: the C++ streams, unsynchronised
// with C's for speed; bytes pass unchanged both ways.
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

}  // namespace velkan
