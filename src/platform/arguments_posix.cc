// The command line's arguments on POSIX systems: the bytes as they came.
#include "platform/arguments.h"

namespace velkan {

std::vector<std::string> command_line_arguments(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

}  // namespace velkan
