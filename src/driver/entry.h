// The program entry: reads the command line, answers its requests for
// information, sizes and allocates the work array, runs the conversion driver
// and turns its result into the exit status.
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>

#include "platform/osfile.h"

namespace velkan {

// The exit statuses of the program; an interrupted run ends with 128 + the
// signal's number (platform/interrupts.h).
inline constexpr int kExitCompleted = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// `args` are the arguments after the program's name: the optional work-array
// size in millions of words, then the options (commandline/options.h).
// Usage errors go to `err`, everything else to `out`. `answers_file` is the
// file `in` reads, when it is one: no output may be it.
int velkan_main(std::span<const std::string> args, std::istream& in, std::ostream& out,
                std::ostream& err, std::optional<FileId> answers_file = std::nullopt);

}  // namespace velkan
