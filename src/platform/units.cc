// The unit table: console units, named files, implicit "fort.<unit>" files.
#include "platform/units.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <istream>
#include <ostream>

#include "platform/unitfile.h"

namespace velkan {
namespace {

constexpr int kBadUnit = 5001;
constexpr std::size_t kLongestLine = 1 << 16;

int open_error() {
  return errno > 0 ? errno : 5;
}

// Opens a named file for reading and writing where allowed, for reading otherwise.
std::FILE* open_existing(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "r+b");
  if (!f) f = std::fopen(path.c_str(), "rb");
  return f;
}

}  // namespace

Units::Units(std::istream& console_in, std::ostream& console_out, std::string implicit_dir)
    : in_(console_in), out_(console_out), implicit_dir_(std::move(implicit_dir)) {}

Units::~Units() {
  flush_all();
}

int Units::open(int unit, std::string_view path, FileStatus status) {
  // The console units stay the console: a file opened on them would never be
  // read or written, so that is refused rather than reported as done.
  if (unit < 1 || unit > kMaxUnit || is_console(unit)) return kBadUnit;
  close(unit);
  std::FILE* f = nullptr;
  errno = 0;
  if (status == FileStatus::kScratch) {
    f = std::tmpfile();
  } else {
    const std::string name(path);
    std::error_code ec;
    const auto st = std::filesystem::status(name, ec);
    const bool exists = std::filesystem::exists(st);
    if (exists && std::filesystem::is_directory(st)) return EISDIR;
    if (status == FileStatus::kOld && !exists) return ENOENT;
    if (status == FileStatus::kNew && exists) return EEXIST;
    f = exists ? open_existing(name) : std::fopen(name.c_str(), "w+b");
  }
  if (!f) return open_error();
  files_[static_cast<std::size_t>(unit)] = std::make_unique<UnitFile>(f);
  return 0;
}

void Units::close(int unit) {
  if (unit < 1 || unit > kMaxUnit || is_console(unit)) return;
  files_[static_cast<std::size_t>(unit)].reset();
}

bool Units::is_open(int unit) const {
  return file(unit) != nullptr;
}

UnitFile* Units::file(int unit) const {
  if (unit < 1 || unit > kMaxUnit) return nullptr;
  return files_[static_cast<std::size_t>(unit)].get();
}

UnitFile* Units::file_for_write(int unit) {
  if (UnitFile* f = file(unit)) return f;
  if (unit < 1 || unit > kMaxUnit) return nullptr;
  // First record on a unit nobody opened: it goes to "fort.<unit>".
  const std::string name = implicit_dir_ + "/fort." + std::to_string(unit);
  std::FILE* f = std::fopen(name.c_str(), "w+b");
  if (!f) return nullptr;
  files_[static_cast<std::size_t>(unit)] = std::make_unique<UnitFile>(f);
  return files_[static_cast<std::size_t>(unit)].get();
}

void Units::write_text(int unit, std::string_view text) {
  if (is_console(unit)) {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    return;
  }
  if (UnitFile* f = file_for_write(unit)) f->write(text);
}

void Units::write(int unit, std::string_view record) {
  if (is_console(unit)) {
    out_.write(record.data(), static_cast<std::streamsize>(record.size()));
    out_.put('\n');
    return;
  }
  if (UnitFile* f = file_for_write(unit)) {
    f->write(record);
    f->write("\n");
  }
}

int Units::read_line(int unit, std::string& record) {
  if (unit == 0 || unit == kConsoleIn) {
    out_.flush();
    if (!std::getline(in_, record)) {
      record.clear();
      return kEndOfFile;
    }
    if (record.size() > kLongestLine) record.resize(kLongestLine);
    if (!record.empty() && record.back() == '\r') record.pop_back();
    return 0;
  }
  UnitFile* f = file(unit);
  if (!f) {
    record.clear();
    return ENOENT;
  }
  return f->read(record, kLongestLine);
}

int Units::read_upto(int unit, std::string& record, std::size_t length) {
  int rc;
  if (unit == 0 || unit == kConsoleIn) {
    rc = read_line(unit, record);
  } else if (UnitFile* f = file(unit)) {
    rc = f->read(record, length);
  } else {
    record.clear();
    rc = ENOENT;
  }
  if (record.size() > length) record.resize(length);
  return rc;
}

int Units::read(int unit, std::string& record, std::size_t length) {
  const int rc = read_upto(unit, record, length);
  record.resize(length, ' ');
  return rc;
}

void Units::rewind(int unit) {
  if (UnitFile* f = file(unit)) f->rewind();
}

void Units::backspace(int unit) {
  if (UnitFile* f = file(unit)) f->backspace();
}

void Units::flush_all() {
  out_.flush();
  for (auto& f : files_) {
    if (f) f->flush();
  }
}

}  // namespace velkan
