// The operating system's files on POSIX systems: file descriptors, opened
// without blocking so that a pipe or device never makes the program wait.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/osfile.h"

namespace velkan {
namespace {

OsError error_of(int code) {
  return OsError{code > 0 ? code : EIO, os_error_text(code > 0 ? code : EIO)};
}

OsError not_regular(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return error_of(EISDIR);
  return OsError{EINVAL, "Not a regular file"};
}

FileId id_of(const struct stat& st) {
  return FileId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

int fd_of(std::intptr_t handle) {
  return static_cast<int>(handle);
}

// Opens `name` with `flags` and O_NONBLOCK; on success the descriptor is made
// blocking again and described by `st`.
int open_nonblocking(const std::string& name, int flags, struct stat& st, OsError& err) {
  int fd;
  do {
    fd = ::open(name.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    err = error_of(errno);
    return -1;
  }
  if (::fstat(fd, &st) != 0) {
    err = error_of(errno);
    ::close(fd);
    return -1;
  }
  return fd;
}

void make_blocking(int fd) {
  const int fl = ::fcntl(fd, F_GETFL);
  if (fl >= 0) ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK);
}

}  // namespace

OsFile::~OsFile() {
  if (is_open()) ::close(fd_of(handle_));
}

OsFile::OsFile(OsFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNone)), regular_(other.regular_), id_(other.id_) {}

OsFile& OsFile::operator=(OsFile&& other) noexcept {
  if (this != &other) {
    if (is_open()) ::close(fd_of(handle_));
    handle_ = std::exchange(other.handle_, kNone);
    regular_ = other.regular_;
    id_ = other.id_;
  }
  return *this;
}

OsFile OsFile::open_for_reading(std::string_view name, OsError& err) {
  struct stat st {};
  const int fd = open_nonblocking(std::string(name), O_RDONLY, st, err);
  if (fd < 0) return {};
  if (!S_ISREG(st.st_mode)) {
    err = not_regular(st);
    ::close(fd);
    return {};
  }
  make_blocking(fd);
  return OsFile(fd, true, id_of(st));
}

OsFile OsFile::open_for_writing(std::string_view name, OsError& err) {
  const std::string path(name);
  struct stat st {};
  int fd = open_nonblocking(path, O_RDWR | O_CREAT, st, err);
  // A file that may be written but not read is still an output.
  if (fd < 0 && err.code == EACCES) {
    err = {};
    fd = open_nonblocking(path, O_WRONLY | O_CREAT, st, err);
  }
  if (fd < 0) return {};
  if (!S_ISREG(st.st_mode) && !S_ISCHR(st.st_mode)) {
    err = not_regular(st);
    ::close(fd);
    return {};
  }
  make_blocking(fd);
  return OsFile(fd, S_ISREG(st.st_mode), id_of(st));
}

OsFile OsFile::temporary(OsError& err) {
  std::FILE* f = std::tmpfile();
  if (!f) {
    err = error_of(errno);
    return {};
  }
  const int fd = ::dup(::fileno(f));
  std::fclose(f);
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0) {
    err = error_of(errno);
    if (fd >= 0) ::close(fd);
    return {};
  }
  return OsFile(fd, true, id_of(st));
}

OsFile OsFile::create_locked(std::string_view name, OsError& err) {
  struct stat st {};
  const int fd = open_nonblocking(std::string(name), O_RDWR | O_CREAT | O_EXCL, st, err);
  if (fd < 0) return {};
  make_blocking(fd);
  OsFile f(fd, true, id_of(st));
  // A file system without locks still takes the file; a later run then
  // cannot tell that its maker has ended, and leaves it alone.
  f.try_lock();
  return f;
}

std::int64_t OsFile::read(char* buf, std::size_t n, OsError& err) {
  for (;;) {
    const ssize_t got = ::read(fd_of(handle_), buf, n);
    if (got >= 0) return got;
    if (errno == EINTR) continue;
    err = error_of(errno);
    return -1;
  }
}

bool OsFile::write(const char* buf, std::size_t n, OsError& err) {
  while (n > 0) {
    const ssize_t put = ::write(fd_of(handle_), buf, n);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      err = error_of(put < 0 ? errno : ENOSPC);
      return false;
    }
    buf += put;
    n -= static_cast<std::size_t>(put);
  }
  return true;
}

bool OsFile::seek(std::int64_t offset, OsError& err) {
  if (::lseek(fd_of(handle_), static_cast<off_t>(offset), SEEK_SET) >= 0) return true;
  err = error_of(errno);
  return false;
}

bool OsFile::truncate(std::int64_t size, OsError& err) {
  if (!regular_) return true;
  if (::ftruncate(fd_of(handle_), static_cast<off_t>(size)) == 0) return true;
  err = error_of(errno);
  return false;
}

bool OsFile::sync(OsError& err) {
  if (!regular_) return true;
  int rc;
  do {
    rc = ::fsync(fd_of(handle_));
  } while (rc != 0 && errno == EINTR);
  if (rc == 0) return true;
  err = error_of(errno);
  return false;
}

std::int64_t OsFile::size() const {
  struct stat st {};
  return ::fstat(fd_of(handle_), &st) == 0 ? static_cast<std::int64_t>(st.st_size) : 0;
}

bool OsFile::try_lock() {
  int rc;
  do {
    rc = ::flock(fd_of(handle_), LOCK_EX | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  return rc == 0;
}

void OsFile::take_permissions_of(std::string_view like) {
  struct stat st {};
  if (::stat(std::string(like).c_str(), &st) == 0) ::fchmod(fd_of(handle_), st.st_mode & 07777);
}

bool OsFile::close(OsError& err) {
  if (!is_open()) return true;
  const int fd = fd_of(std::exchange(handle_, kNone));
  // After close() reports EINTR the descriptor is gone all the same on Linux.
  if (::close(fd) == 0 || errno == EINTR) return true;
  err = error_of(errno);
  return false;
}

std::optional<FileId> file_id_of(std::string_view name) {
  struct stat st {};
  if (::stat(std::string(name).c_str(), &st) != 0) return std::nullopt;
  return id_of(st);
}

std::string os_error_text(int code) {
  return std::strerror(code);
}

OsError io_error() {
  return error_of(EIO);
}

OsError exists_error() {
  return error_of(EEXIST);
}

}  // namespace velkan
