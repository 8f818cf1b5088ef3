// The state of an open file on Windows: the handle's file information, and
// the last byte read at its offset, the file pointer put back afterwards
// (a read at an offset moves the pointer of a handle opened for plain reads).
#include <windows.h>

#include <climits>

#include "platform/filestate.h"

namespace velkan {
namespace {

OsError last_error() {
  const DWORD code = GetLastError();
  const int c = code != 0 && code <= INT_MAX ? static_cast<int>(code) : ERROR_GEN_FAILURE;
  return OsError{c, os_error_text(c)};
}

// The byte at `offset`; false with `err` set when it cannot be read, true with
// `got` false when the file no longer reaches that far.
bool byte_at(HANDLE h, std::int64_t offset, char& c, bool& got, OsError& err) {
  LARGE_INTEGER here{};
  const LARGE_INTEGER zero{};
  if (!SetFilePointerEx(h, zero, &here, FILE_CURRENT)) {
    err = last_error();
    return false;
  }
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(offset) & 0xFFFFFFFFu);
  at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(offset) >> 32);
  DWORD n = 0;
  const bool read = ReadFile(h, &c, 1, &n, &at) != 0;
  if (!read && GetLastError() != ERROR_HANDLE_EOF) err = last_error();
  got = read && n == 1;
  if (!SetFilePointerEx(h, here, nullptr, FILE_BEGIN) && !err) err = last_error();
  return !err;
}

}  // namespace

OsError state_of(const OsFile& file, FileState& state) {
  const HANDLE h = reinterpret_cast<HANDLE>(file.native_handle());
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(h, &info)) return last_error();
  state.size =
      static_cast<std::int64_t>((std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow);
  state.modified =
      static_cast<std::int64_t>((std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                                info.ftLastWriteTime.dwLowDateTime);
  state.id = FileId{info.dwVolumeSerialNumber,
                    (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
  state.last_line_ended = true;
  if (state.size == 0) return {};
  char last = '\0';
  bool got = false;
  OsError err;
  if (!byte_at(h, state.size - 1, last, got, err)) return err;
  state.last_line_ended = got && last == '\n';
  return {};
}

}  // namespace velkan
