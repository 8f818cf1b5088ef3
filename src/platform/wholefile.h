// Writing an output whole or not at all: what an output name names now, the
// partial output written beside it, the move of the finished file over the
// name in one step, and the removal of partial outputs that runs which have
// ended left behind. One implementation per operating system
// (wholefile_posix.cc, wholefile_windows.cc) and the part they share
// (wholefile.cc).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/osfile.h"

namespace velkan {

struct OutputTarget {
  enum class Kind { kMissing, kRegular, kDevice };
  Kind kind = Kind::kMissing;
  FileId id;                 // of a file that exists
  bool null_device = false;  // a device that keeps nothing written to it
  std::string path;          // the name, or the file its links lead to
};

// What `name` names as an output now. Refused (nullopt, with the reason in
// `err`) when it names a file that may not be written, a folder, or anything
// but a regular file or a character device; on Windows every device but the
// null device (CON, AUX, COM1, LPT1, ..., with or without an extension).
std::optional<OutputTarget> inspect_output(std::string_view name, OsError& err);

// How the name of a partial output ends.
inline constexpr std::string_view kPartialEnding = ".velkan-tmp";

// A new partial output for `target`: a file in the target's folder, named
// after the target and this process and ending in kPartialEnding (a shorter
// name where that would be too long), locked while it is open, with the
// permissions of the target when it exists. `name` receives its name.
OsFile create_partial(const OutputTarget& target, std::string& name, OsError& err);

// Moves the file `from` over `to` in one step and has the move stored on the
// disk: `to` then names the file `from` named, and never anything in between.
bool move_over(std::string_view from, std::string_view to, OsError& err);

// Removes the file `name` (a link itself, not what it leads to).
bool remove_file(std::string_view name, OsError& err);

// Removes the partial outputs in the folder of the file `name` whose runs
// have ended (they were killed, or the machine stopped); those of runs still
// going stay.
void remove_leftover_partials(std::string_view name);

// The folder part of a file name, up to and with its last separator ("" for
// a name without a folder).
std::string_view folder_prefix(std::string_view name);

// The number of this process, as the system gives it.
unsigned long current_process_id();

}  // namespace velkan
