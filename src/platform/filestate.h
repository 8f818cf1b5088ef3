// The state of an open file as the system keeps it: its size, when it was
// last written, which file it is, and whether its last line is ended. Two
// states taken at different times are equal only when nothing wrote the file
// in between, so a reader can tell that a file it reads more than once stayed
// the same. One implementation per operating system (filestate_posix.cc,
// filestate_windows.cc).
#pragma once

#include <cstdint>

#include "platform/osfile.h"

namespace velkan {

struct FileState {
  std::int64_t size = 0;
  // The time of the last write, in the finest unit the system keeps
  // (nanoseconds, or 100 ns on Windows), from the system's own epoch.
  std::int64_t modified = 0;
  FileId id;
  // The last byte is a line feed, or the file is empty.
  bool last_line_ended = true;
  bool operator==(const FileState&) const = default;
};

// The state of the open file `file`. Its last byte is read without moving
// the file's position, so reading goes on where it was. Error code 0: the
// state was taken.
OsError state_of(const OsFile& file, FileState& state);

}  // namespace velkan
