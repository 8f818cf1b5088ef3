// Whole outputs on POSIX systems: rename() moves a finished file over its
// name in one step, and a lock taken with flock() tells a partial output of
// a running conversion from one whose run has ended.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/wholefile.h"

namespace velkan {
namespace {

OsError error_of(int code) {
  return OsError{code, os_error_text(code)};
}

// Where a name that is a link leads; the name itself when it is none.
std::string real_path(const std::string& name) {
  struct stat st {};
  if (::lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
  const std::unique_ptr<char, decltype(&std::free)> real(::realpath(name.c_str(), nullptr),
                                                         &std::free);
  return real ? std::string(real.get()) : name;
}

// Whether the file `name` may be written (opened, and closed at once).
bool writable(const std::string& name, OsError& err) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    err = error_of(errno);
    return false;
  }
  ::close(fd);
  return true;
}

bool is_null_device(const struct stat& st) {
  struct stat null {};
  return ::stat("/dev/null", &null) == 0 && S_ISCHR(null.st_mode) && null.st_rdev == st.st_rdev;
}

void sync_folder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // some file systems cannot sync a folder; the move stands all the same
  ::close(fd);
}

// Removes the partial output `name` when no running conversion holds its lock.
void remove_if_abandoned(const std::string& name) {
  const int fd = ::open(name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    ::unlink(name.c_str());
  }
  ::close(fd);
}

}  // namespace

std::optional<OutputTarget> inspect_output(std::string_view name, OsError& err) {
  const std::string path(name);
  struct stat st {};
  OutputTarget target;
  target.path = path;
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return target;  // made new; a missing folder shows when it is made
    err = error_of(errno);
    return std::nullopt;
  }
  if (S_ISDIR(st.st_mode)) {
    err = error_of(EISDIR);
    return std::nullopt;
  }
  if (!S_ISREG(st.st_mode) && !S_ISCHR(st.st_mode)) {
    err = OsError{EINVAL, "Not a regular file"};
    return std::nullopt;
  }
  if (!writable(path, err)) return std::nullopt;
  target.id = FileId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
  if (S_ISCHR(st.st_mode)) {
    target.kind = OutputTarget::Kind::kDevice;
    target.null_device = is_null_device(st);
    return target;
  }
  target.kind = OutputTarget::Kind::kRegular;
  target.path = real_path(path);
  return target;
}

bool move_over(std::string_view from, std::string_view to, OsError& err) {
  const std::string target(to);
  if (::rename(std::string(from).c_str(), target.c_str()) != 0) {
    err = error_of(errno);
    return false;
  }
  const std::string_view folder = folder_prefix(target);
  sync_folder(folder.empty() ? std::string(".") : std::string(folder));
  return true;
}

bool remove_file(std::string_view name, OsError& err) {
  if (::unlink(std::string(name).c_str()) == 0) return true;
  err = error_of(errno);
  return false;
}

void remove_leftover_partials(std::string_view name) {
  const std::string folder(folder_prefix(name));
  DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
  if (d == nullptr) return;
  while (const dirent* entry = ::readdir(d)) {
    const std::string_view file = entry->d_name;
    if (file.size() > kPartialEnding.size() && file.ends_with(kPartialEnding)) {
      remove_if_abandoned(folder + std::string(file));
    }
  }
  ::closedir(d);
}

std::string_view folder_prefix(std::string_view name) {
  const std::size_t slash = name.rfind('/');
  return slash == std::string_view::npos ? std::string_view() : name.substr(0, slash + 1);
}

unsigned long current_process_id() {
  return static_cast<unsigned long>(::getpid());
}

}  // namespace velkan
