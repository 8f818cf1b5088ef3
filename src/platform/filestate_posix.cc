// The state of an open file on POSIX systems: fstat, and the last byte read
// with pread, which leaves the descriptor's offset alone.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/filestate.h"

namespace velkan {
namespace {

OsError error_of(int code) {
  return OsError{code, os_error_text(code)};
}

}  // namespace

OsError state_of(const OsFile& file, FileState& state) {
  const int fd = static_cast<int>(file.native_handle());
  struct stat st {};
  if (::fstat(fd, &st) != 0) return error_of(errno);
  state.size = static_cast<std::int64_t>(st.st_size);
  state.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  state.id = FileId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
  state.last_line_ended = true;
  if (state.size == 0) return {};
  char last = '\0';
  ssize_t got;
  do {
    got = ::pread(fd, &last, 1, static_cast<off_t>(state.size - 1));
  } while (got < 0 && errno == EINTR);
  if (got < 0) return error_of(errno);
  // A file cut between fstat and pread has no byte there: no line end either.
  state.last_line_ended = got == 1 && last == '\n';
  return {};
}

}  // namespace velkan
