// The arguments of the command line after the program's name, as byte
// strings in the program's own encoding (UTF-8 where they are not plain ASCII
// on Windows, where the system hands them over as UTF-16), so that a file name
// given as an option reaches its file as a typed one does. One implementation
// per operating system (arguments_posix.cc, arguments_windows.cc).
#pragma once

#include <string>
#include <vector>

namespace velkan {

std::vector<std::string> command_line_arguments(int argc, char** argv);

}  // namespace velkan
