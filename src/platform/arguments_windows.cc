// The command line's arguments on Windows: the UTF-16 command line split as
// the system splits it, each argument turned into UTF-8.
#include <windows.h>
// shellapi.h needs the definitions of windows.h first.
#include <shellapi.h>

#include "platform/arguments.h"
#include "platform/winstring.h"

namespace velkan {

std::vector<std::string> command_line_arguments(int argc, char** argv) {
  int n = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &n);
  std::vector<std::string> args;
  if (wide == nullptr) {  // the narrow arguments, as the C runtime gave them
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return args;
  }
  for (int i = 1; i < n; ++i) args.push_back(utf8_of(wide[i]));
  LocalFree(wide);
  return args;
}

}  // namespace velkan
