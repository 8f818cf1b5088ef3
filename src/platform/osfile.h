// The operating system's files as the unit table needs them: a listing opened
// for reading only, an output opened for writing without losing its content
// before the caller agrees, raw reads and writes, seek, truncate, a checked
// close, and the identity of a file. One implementation per operating system
// (osfile_posix.cc, osfile_windows.cc); nothing else calls the system's file API.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkan {

// An error of the operating system: its code (errno, or a Windows error code;
// always positive) and its text. Code 0 means no error.
struct OsError {
  int code = 0;
  std::string text;
  explicit operator bool() const { return code != 0; }
};

// Which file a name or an open file refers to: equal identities are the same
// file, whatever name, link or path led to it.
struct FileId {
  std::uint64_t device = 0;
  std::uint64_t index = 0;
  bool operator==(const FileId&) const = default;
};

class OsFile {
 public:
  OsFile() = default;
  ~OsFile();  // closes without reporting; call close() to learn of errors
  OsFile(OsFile&& other) noexcept;
  OsFile& operator=(OsFile&& other) noexcept;
  OsFile(const OsFile&) = delete;
  OsFile& operator=(const OsFile&) = delete;

  // Opens a regular file for reading only; other programs may read and write
  // it meanwhile. A directory, pipe or device is refused, never waited for.
  static OsFile open_for_reading(std::string_view name, OsError& err);
  // Opens a file for writing (and reading back where allowed), created when
  // missing. An existing file keeps its content until truncate(). Regular
  // files and character devices (such as a null device) are accepted;
  // directories, pipes and other kinds are refused, never waited for.
  static OsFile open_for_writing(std::string_view name, OsError& err);
  // An anonymous temporary file, gone when closed.
  static OsFile temporary(OsError& err);
  // A new file under `name`, which must not exist yet, opened for writing and
  // locked (see try_lock()) for as long as it is open, where the file system
  // has locks.
  static OsFile create_locked(std::string_view name, OsError& err);

  bool is_open() const { return handle_ != kNone; }
  bool is_regular() const { return regular_; }
  FileId id() const { return id_; }
  // The system's descriptor or handle, for the queries of filestate.h.
  std::intptr_t native_handle() const { return handle_; }

  // Reads up to n bytes at the current offset: the count read, 0 at the end of
  // the file, or -1 with `err` set.
  std::int64_t read(char* buf, std::size_t n, OsError& err);
  // Writes all n bytes at the current offset; false with `err` set when the
  // system took fewer.
  bool write(const char* buf, std::size_t n, OsError& err);
  bool seek(std::int64_t offset, OsError& err);
  // Cuts a regular file to `size` bytes; other kinds of file are left alone.
  bool truncate(std::int64_t size, OsError& err);
  // Stores what was written on the disk before returning.
  bool sync(OsError& err);
  // The size of the file in bytes (0 when the system cannot tell).
  std::int64_t size() const;
  // Takes the lock of the file for this process, without waiting: false when
  // another process holds it. The system releases it when the file is closed
  // or the process ends, however it ends. Only processes that ask for the
  // lock are kept out: reading and writing stay open to everyone.
  bool try_lock();
  // Gives the file the permission bits of the file `like` (where the system
  // has them), so that a file made to replace another keeps what it allowed.
  void take_permissions_of(std::string_view like);
  // Closes the file; false with `err` set when the system reports an error
  // (for instance data that could not be stored).
  bool close(OsError& err);

 private:
  static constexpr std::intptr_t kNone = -1;
  OsFile(std::intptr_t handle, bool regular, FileId id)
      : handle_(handle), regular_(regular), id_(id) {}

  std::intptr_t handle_ = kNone;  // a file descriptor, or a Windows HANDLE
  bool regular_ = false;
  FileId id_;
};

// The identity of the file a name refers to, links followed; none when the
// name refers to no file.
std::optional<FileId> file_id_of(std::string_view name);

// The text of a system error code, as OsError carries it.
std::string os_error_text(int code);

// The error that a planted test fault or an internal refusal reports: the
// code of an input/output error and its system text.
OsError io_error();

// The error of a name that must be new but is taken: the code of an existing
// file and its system text.
OsError exists_error();

}  // namespace velkan
