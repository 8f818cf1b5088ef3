// The command line of velkan: the optional size of the work memory, then
// options that answer the questions of a conversion (the listing, the model
// file, the factor, the coarser mesh, the hinges, the sea bed), choose the
// message file and the console's detail, or ask for something else (the
// usage text, the version, the risers of a listing). Parsed with CLI11; the
// values are checked here, so that a wrong one is a usage error before
// anything is read or written.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velkan {

// A segment of a riser to coarsen: its first and last node (FlexCom numbers)
// and the number of elements that become one.
struct CoarseningSegment {
  std::int32_t first = 0, last = 0, skip = 0;
  bool operator==(const CoarseningSegment&) const = default;
};

struct CommandLine {
  enum class Request { kConvert, kHelp, kVersion, kRisers, kCheck };
  Request request = Request::kConvert;
  std::optional<std::string> size;  // the first argument, as typed
  std::optional<std::string> listing;
  std::optional<std::string> vomar, shear7;  // the model file; at most one
  // The numbers as typed, checked: each answers its question as if typed.
  std::optional<std::string> scale;
  std::vector<std::vector<CoarseningSegment>> coarsen;  // per riser, its segments
  std::optional<std::string> hinge;                     // "axial,bending"
  std::optional<std::string> seabed;
  std::optional<std::string> messages;
  bool quiet = false;
  std::optional<std::string> report_html, report_json;  // the conversion report's files
  std::string risers;                                   // the listing whose risers are shown
  std::string check;                                    // the model file that is checked
};

// What is wrong with a command line, in one line that names the option.
struct UsageError {
  std::string line;
};

// The command line from the arguments after the program's name.
std::variant<CommandLine, UsageError> parse_command_line(std::span<const std::string> args);

// "Usage: velkan [size-in-millions] [options]" and where to learn more.
std::string usage_line();
// Every option with what it takes and an example, and the exit statuses.
std::string help_text();

}  // namespace velkan
