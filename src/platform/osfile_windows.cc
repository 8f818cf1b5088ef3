// The operating system's files on Windows: handles opened with every sharing
// mode, so that another program may read (or even write or rename) the
// listing while the converter has it open. Names are converted as
// wide_name() describes.
#include <windows.h>

#include <climits>
#include <utility>

#include "platform/osfile.h"
#include "platform/winfileid.h"
#include "platform/winstring.h"

namespace velkan {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Read and write in pieces that a DWORD count always holds.
constexpr std::size_t kLargestTransfer = 1u << 30;
// The lock of a file is one byte far beyond any end a file reaches, so that
// it keeps out only those who ask for the same lock, never a read or a write.
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;

OsError error_of(DWORD code) {
  const int c = code != 0 && code <= INT_MAX ? static_cast<int>(code) : ERROR_GEN_FAILURE;
  return OsError{c, os_error_text(c)};
}

OsError last_error() {
  return error_of(GetLastError());
}

HANDLE handle_of(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

std::intptr_t stored(HANDLE h) {
  return reinterpret_cast<std::intptr_t>(h);
}

bool is_directory(const std::wstring& name) {
  const DWORD attributes = GetFileAttributesW(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The error of a failed CreateFileW: a directory is named as such rather than
// as the access denial that the system reports for it.
OsError open_error(const std::wstring& name) {
  const DWORD code = GetLastError();
  if (code == ERROR_ACCESS_DENIED && is_directory(name)) {
    return OsError{static_cast<int>(code), "Is a directory"};
  }
  return error_of(code);
}

// Devices have no volume and index: a character device is known by its kind.
constexpr FileId kCharacterDevice{~std::uint64_t{0}, FILE_TYPE_CHAR};

// What kind of file `h` is and which one; false when it is neither a disk file
// nor a character device.
bool describe(HANDLE h, bool& regular, FileId& id, OsError& err) {
  const DWORD type = GetFileType(h);
  if (type == FILE_TYPE_CHAR) {
    regular = false;
    id = kCharacterDevice;
    return true;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (type != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info)) {
    err = OsError{ERROR_INVALID_FUNCTION, "Not a regular file"};
    return false;
  }
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    err = OsError{ERROR_ACCESS_DENIED, "Is a directory"};
    return false;
  }
  regular = true;
  id = file_id_from(info);
  return true;
}

HANDLE create(const std::wstring& name, DWORD access, DWORD disposition, DWORD flags) {
  return CreateFileW(name.c_str(), access, kShareAll, nullptr, disposition, flags, nullptr);
}

}  // namespace

OsFile::~OsFile() {
  if (is_open()) CloseHandle(handle_of(handle_));
}

OsFile::OsFile(OsFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNone)), regular_(other.regular_), id_(other.id_) {}

OsFile& OsFile::operator=(OsFile&& other) noexcept {
  if (this != &other) {
    if (is_open()) CloseHandle(handle_of(handle_));
    handle_ = std::exchange(other.handle_, kNone);
    regular_ = other.regular_;
    id_ = other.id_;
  }
  return *this;
}

OsFile OsFile::open_for_reading(std::string_view name, OsError& err) {
  const std::wstring wide = wide_name(name);
  const HANDLE h = create(wide, GENERIC_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
  if (h == INVALID_HANDLE_VALUE) {
    err = open_error(wide);
    return {};
  }
  bool regular = false;
  FileId id;
  if (!describe(h, regular, id, err) || !regular) {
    if (!err) err = OsError{ERROR_INVALID_FUNCTION, "Not a regular file"};
    CloseHandle(h);
    return {};
  }
  return OsFile(stored(h), true, id);
}

OsFile OsFile::open_for_writing(std::string_view name, OsError& err) {
  const std::wstring wide = wide_name(name);
  HANDLE h = create(wide, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL);
  // A file that may be written but not read is still an output.
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED && !is_directory(wide)) {
    h = create(wide, GENERIC_WRITE, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL);
  }
  if (h == INVALID_HANDLE_VALUE) {
    err = open_error(wide);
    return {};
  }
  bool regular = false;
  FileId id;
  if (!describe(h, regular, id, err)) {
    CloseHandle(h);
    return {};
  }
  return OsFile(stored(h), regular, id);
}

OsFile OsFile::temporary(OsError& err) {
  wchar_t dir[MAX_PATH + 1];
  wchar_t name[MAX_PATH + 1];
  const DWORD n = GetTempPathW(MAX_PATH + 1, dir);
  if (n == 0 || n > MAX_PATH || GetTempFileNameW(dir, L"vel", 0, name) == 0) {
    err = last_error();
    return {};
  }
  const HANDLE h = create(name, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE);
  if (h == INVALID_HANDLE_VALUE) {
    err = last_error();
    DeleteFileW(name);
    return {};
  }
  bool regular = false;
  FileId id;
  if (!describe(h, regular, id, err)) {
    CloseHandle(h);
    return {};
  }
  return OsFile(stored(h), regular, id);
}

OsFile OsFile::create_locked(std::string_view name, OsError& err) {
  const std::wstring wide = wide_name(name);
  const HANDLE h = create(wide, GENERIC_READ | GENERIC_WRITE, CREATE_NEW, FILE_ATTRIBUTE_NORMAL);
  if (h == INVALID_HANDLE_VALUE) {
    err = open_error(wide);
    return {};
  }
  bool regular = false;
  FileId id;
  if (!describe(h, regular, id, err)) {
    CloseHandle(h);
    DeleteFileW(wide.c_str());
    return {};
  }
  OsFile f(stored(h), regular, id);
  f.try_lock();
  return f;
}

std::int64_t OsFile::read(char* buf, std::size_t n, OsError& err) {
  DWORD got = 0;
  const DWORD want = static_cast<DWORD>(n < kLargestTransfer ? n : kLargestTransfer);
  if (ReadFile(handle_of(handle_), buf, want, &got, nullptr)) return got;
  const DWORD code = GetLastError();
  if (code == ERROR_HANDLE_EOF || code == ERROR_BROKEN_PIPE) return 0;
  err = error_of(code);
  return -1;
}

bool OsFile::write(const char* buf, std::size_t n, OsError& err) {
  while (n > 0) {
    DWORD put = 0;
    const DWORD want = static_cast<DWORD>(n < kLargestTransfer ? n : kLargestTransfer);
    if (!WriteFile(handle_of(handle_), buf, want, &put, nullptr)) {
      err = last_error();
      return false;
    }
    if (put == 0) {
      err = error_of(ERROR_DISK_FULL);
      return false;
    }
    buf += put;
    n -= put;
  }
  return true;
}

bool OsFile::seek(std::int64_t offset, OsError& err) {
  LARGE_INTEGER to;
  to.QuadPart = offset;
  if (SetFilePointerEx(handle_of(handle_), to, nullptr, FILE_BEGIN)) return true;
  err = last_error();
  return false;
}

bool OsFile::truncate(std::int64_t size, OsError& err) {
  if (!regular_) return true;
  // The end of the file is set at the file pointer, which is then put back.
  const HANDLE h = handle_of(handle_);
  LARGE_INTEGER here{};
  LARGE_INTEGER to;
  to.QuadPart = size;
  const LARGE_INTEGER zero{};
  if (SetFilePointerEx(h, zero, &here, FILE_CURRENT) &&
      SetFilePointerEx(h, to, nullptr, FILE_BEGIN) && SetEndOfFile(h) &&
      SetFilePointerEx(h, here, nullptr, FILE_BEGIN)) {
    return true;
  }
  err = last_error();
  return false;
}

bool OsFile::sync(OsError& err) {
  if (!regular_ || FlushFileBuffers(handle_of(handle_))) return true;
  err = last_error();
  return false;
}

std::int64_t OsFile::size() const {
  LARGE_INTEGER n{};
  return GetFileSizeEx(handle_of(handle_), &n) ? n.QuadPart : 0;
}

bool OsFile::try_lock() {
  OVERLAPPED at{};
  at.OffsetHigh = kLockOffsetHigh;
  return LockFileEx(handle_of(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1,
                    0, &at) != 0;
}

// Windows files have no permission bits; a file that could not be written
// is refused before it would be replaced.
void OsFile::take_permissions_of(std::string_view /*like*/) {}

bool OsFile::close(OsError& err) {
  if (!is_open()) return true;
  if (CloseHandle(handle_of(std::exchange(handle_, kNone)))) return true;
  err = last_error();
  return false;
}

std::optional<FileId> file_id_of(std::string_view name) {
  // No access asked for: this only looks at the file, whatever its sharing,
  // and a directory too has an identity.
  const HANDLE h = create(wide_name(name), 0, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<FileId> id;
  if (GetFileType(h) == FILE_TYPE_CHAR) {
    id = kCharacterDevice;
  } else if (BY_HANDLE_FILE_INFORMATION info{}; GetFileInformationByHandle(h, &info)) {
    id = file_id_from(info);
  }
  CloseHandle(h);
  return id;
}

std::string os_error_text(int code) {
  wchar_t* text = nullptr;
  const DWORD flags =
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  const DWORD n = FormatMessageW(flags, nullptr, static_cast<DWORD>(code), 0,
                                 reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = n > 0 ? utf8_of(std::wstring_view(text, n)) : std::string();
  if (text) LocalFree(text);
  // The system's texts end with a line end (and a full stop, kept).
  while (!message.empty() &&
         (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
    message.pop_back();
  }
  return message.empty() ? "Error " + std::to_string(code) : message;
}

OsError io_error() {
  return error_of(ERROR_IO_DEVICE);
}

OsError exists_error() {
  return error_of(ERROR_FILE_EXISTS);
}

}  // namespace velkan
