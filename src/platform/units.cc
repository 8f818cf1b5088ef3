// The unit table: console units, named files, implicit "fort.<unit>" files.
#include "platform/units.h"

#include <algorithm>
#include <cerrno>
#include <istream>
#include <ostream>
#include <streambuf>

#include "platform/interrupts.h"
#include "platform/wholefile.h"

namespace velkan {
namespace {

constexpr int kBadUnit = 5001;
constexpr std::size_t kLongestLine = 1 << 16;

}  // namespace

OsError Units::clash_error(int other) const {
  if (other == kConsoleIn) return OsError{kSameFile, "Is the file the answers are read from"};
  return OsError{kSameFile, "Is the same file as " + file_name(other)};
}

Units::Units(std::istream& console_in, std::ostream& console_out, std::string implicit_dir)
    : in_(console_in), out_(console_out), implicit_dir_(std::move(implicit_dir)) {
  claimed_place_.fill(-1);
}

Units::~Units() {
  flush_all();
  for (int unit = 1; unit <= kMaxUnit; ++unit) remove_unused_claim(unit);
}

int Units::open(int unit, std::string_view path, FileStatus status) {
  open_error_ = {};
  clash_ = 0;
  // The console units stay the console: a file opened on them would never be
  // read or written, so that is refused rather than reported as done.
  if (!in_range(unit) || is_console(unit)) {
    open_error_ = OsError{kBadUnit, "Not a file unit"};
    return kBadUnit;
  }
  close(unit);
  // The system would take a name only up to a NUL byte: another file.
  if (path.find('\0') != std::string_view::npos) {
    open_error_ = OsError{EINVAL, "Not a valid file name (it holds a NUL byte)"};
    return open_error_.code;
  }
  if (status == FileStatus::kUnknown && whole_[static_cast<std::size_t>(unit)]) {
    return open_whole(unit, path);
  }
  OsError err;
  OsFile f;
  const bool writing = status != FileStatus::kOld;
  if (status == FileStatus::kScratch) {
    f = OsFile::temporary(err);
  } else if (status == FileStatus::kOld) {
    f = OsFile::open_for_reading(path, err);
  } else if (status == FileStatus::kNew && file_id_of(path)) {
    err = exists_error();
  } else {
    f = OsFile::open_for_writing(path, err);
  }
  if (!f.is_open()) {
    open_error_ = err.code ? err : io_error();
    return open_error_.code;
  }
  if (const int other = clashing_unit(f.id(), unit, writing)) {
    if (!writing && !file(other) && !is_kept_input(f.id())) inputs_kept_.push_back(f.id());
    clash_ = other;
    open_error_ = clash_error(other);
    return kSameFile;
  }
  attach(unit, std::move(f), std::string(path), writing);
  return 0;
}

// An output written whole: a partial output beside the file named, or a
// character device written directly.
int Units::open_whole(int unit, std::string_view path) {
  OsError err;
  const std::optional<OutputTarget> target = inspect_output(path, err);
  OsFile f;
  std::string partial;
  if (target && target->kind == OutputTarget::Kind::kDevice) {
    f = OsFile::open_for_writing(path, err);
  } else if (target) {
    if (const int other = target->kind == OutputTarget::Kind::kRegular
                              ? clashing_unit(target->id, unit, true)
                              : 0) {
      clash_ = other;
      open_error_ = clash_error(other);
      return kSameFile;
    }
    remove_leftover_partials(target->path);
    f = create_partial(*target, partial, err);
    // The file itself may be writable where its folder is not.
    if (!f.is_open() && target->kind == OutputTarget::Kind::kRegular && err) {
      err.text += " (its folder must take a new file beside it)";
    }
  }
  if (!f.is_open()) {
    open_error_ = err.code ? err : io_error();
    return open_error_.code;
  }
  if (const int other = clashing_unit(f.id(), unit, true)) {  // a device of the run
    clash_ = other;
    open_error_ = clash_error(other);
    return kSameFile;
  }
  attach(unit, std::move(f), std::string(path), true);
  null_device_[static_cast<std::size_t>(unit)] = target->null_device;
  if (!partial.empty()) {
    const int place = note_partial_output(partial, path);
    file(unit)->make_partial(std::move(partial), target->path, place);
  }
  return 0;
}

void Units::attach(int unit, OsFile f, std::string name, bool writable) {
  auto& slot = files_[static_cast<std::size_t>(unit)];
  slot = std::make_unique<UnitFile>(std::move(f), std::move(name), writable);
  if (const auto& fault = planted_[static_cast<std::size_t>(unit)]) slot->plant(*fault);
}

// Another unit that has the file `id` where either may write it: an open
// unit, or a reserved unit's "fort.<unit>" file; for an output also a
// protected input (kConsoleIn). 0 when there is none.
int Units::clashing_unit(const FileId& id, int unit, bool writing) const {
  for (int u = 1; u <= kMaxUnit; ++u) {
    if (u == unit) continue;
    if (const UnitFile* other = file(u)) {
      if (other->id() == id && (writing || other->is_writable())) return u;
    } else if (reserved_[static_cast<std::size_t>(u)]) {
      if (file_id_of(implicit_name(u)) == id) return u;
    }
  }
  const bool is_protected = std::find(protected_.begin(), protected_.end(), id) != protected_.end();
  return writing && is_protected ? kConsoleIn : 0;
}

bool Units::is_kept_input(const FileId& id) const {
  return std::find(inputs_kept_.begin(), inputs_kept_.end(), id) != inputs_kept_.end() ||
         std::find(protected_.begin(), protected_.end(), id) != protected_.end();
}

void Units::reserve_implicit(int unit) {
  if (in_range(unit)) reserved_[static_cast<std::size_t>(unit)] = true;
}

OsError Units::claim_implicit(int unit) {
  reserve_implicit(unit);
  if (!in_range(unit) || is_console(unit) || file(unit)) return {};
  OsError err;
  OsFile f = OsFile::open_for_writing(implicit_name(unit), err);
  if (!f.is_open() || !f.is_regular()) return {};
  if (!f.try_lock()) {
    return OsError{kInUse, implicit_name(unit) + " is in use by another conversion"};
  }
  if (!is_kept_input(f.id())) {
    claimed_place_[static_cast<std::size_t>(unit)] = note_partial_output(implicit_name(unit), "");
  }
  claimed_[static_cast<std::size_t>(unit)] = std::move(f);
  return {};
}

// The claimed "fort.<unit>" file of `unit` leaves the interrupt table: it got
// a record, or the claim ends.
void Units::end_claim(int unit) {
  int& place = claimed_place_[static_cast<std::size_t>(unit)];
  forget_partial_output(place, false);
  place = -1;
  claimed_[static_cast<std::size_t>(unit)] = OsFile();
}

// A claimed "fort.<unit>" file that got no record is removed, unless the run
// must not touch it; either way the claim ends.
void Units::remove_unused_claim(int unit) {
  OsFile& f = claimed_[static_cast<std::size_t>(unit)];
  if (!f.is_open()) return;
  OsError ignored;
  if (!is_kept_input(f.id())) remove_file(implicit_name(unit), ignored);
  end_claim(unit);
}

void Units::write_whole(int unit) {
  if (in_range(unit)) whole_[static_cast<std::size_t>(unit)] = true;
}

void Units::protect_input(const FileId& id) {
  protected_.push_back(id);
}

void Units::name_implicit(int unit, std::string name) {
  if (in_range(unit)) implicit_names_[static_cast<std::size_t>(unit)] = std::move(name);
}

std::string Units::implicit_name(int unit) const {
  if (in_range(unit) && !implicit_names_[static_cast<std::size_t>(unit)].empty()) {
    return implicit_names_[static_cast<std::size_t>(unit)];
  }
  const std::string base = "fort." + std::to_string(unit);
  return implicit_dir_ == "." ? base : implicit_dir_ + "/" + base;
}

std::string Units::file_name(int unit) const {
  if (const UnitFile* f = file(unit)) return f->name();
  return implicit_name(unit);
}

OsError Units::close(int unit) {
  if (!in_range(unit) || is_console(unit)) return {};
  const auto u = static_cast<std::size_t>(unit);
  remove_unused_claim(unit);
  OsError err = std::move(implicit_errors_[u]);
  implicit_errors_[u] = {};
  null_device_[u] = false;
  if (files_[u]) {
    files_[u]->close();
    err = files_[u]->error();
    files_[u].reset();
  }
  return err;
}

OsError Units::commit(int unit) {
  UnitFile* f = file(unit);
  if (f == nullptr || !f->is_partial()) return close(unit);
  f->commit();
  const OsError err = f->error();
  if (!f->is_partial()) close(unit);
  return err;
}

std::string Units::discard(int unit, std::string_view keep_as) {
  UnitFile* f = file(unit);
  if (f == nullptr) return {};
  // Never where the records were to go, under any name.
  const std::optional<FileId> target = file_id_of(f->name());
  const bool is_target = target && file_id_of(keep_as) == target;
  std::string kept = f->discard(may_replace(keep_as) && !is_target ? keep_as : std::string_view());
  close(unit);
  return kept;
}

bool Units::keeps_nothing(int unit) const {
  return in_range(unit) && null_device_[static_cast<std::size_t>(unit)];
}

bool Units::writes_partial(int unit) const {
  const UnitFile* f = file(unit);
  return f != nullptr && f->is_partial();
}

bool Units::may_replace(std::string_view name) const {
  const std::optional<FileId> id = file_id_of(name);
  return !id || (!clashing_unit(*id, 0, true) && !is_kept_input(*id));
}

bool Units::is_open(int unit) const {
  return file(unit) != nullptr;
}

OsError Units::flush(int unit) {
  if (UnitFile* f = file(unit)) f->flush();
  return error(unit);
}

OsError Units::error(int unit) const {
  if (const UnitFile* f = file(unit)) return f->error();
  if (!in_range(unit)) return {};
  return implicit_errors_[static_cast<std::size_t>(unit)];
}

OsError Units::file_state(int unit, FileState& state) const {
  const UnitFile* f = file(unit);
  if (!f) return OsError{ENOENT, os_error_text(ENOENT)};
  return state_of(f->os_file(), state);
}

UnitFile* Units::file(int unit) const {
  if (!in_range(unit)) return nullptr;
  return files_[static_cast<std::size_t>(unit)].get();
}

UnitFile* Units::file_for_write(int unit) {
  if (UnitFile* f = file(unit)) return f;
  if (!in_range(unit)) return nullptr;
  OsError& failed = implicit_errors_[static_cast<std::size_t>(unit)];
  if (failed) return nullptr;  // the records of a unit without a file are lost, and reported
  // First record on a unit nobody opened: it goes to "fort.<unit>", which is
  // emptied first unless it is in use by another unit.
  const std::string name = implicit_name(unit);
  OsError err;
  OsFile& claimed = claimed_[static_cast<std::size_t>(unit)];
  OsFile f = claimed.is_open() ? std::move(claimed) : OsFile::open_for_writing(name, err);
  end_claim(unit);
  if (f.is_open()) {
    if (const int other = clashing_unit(f.id(), unit, true)) {
      failed = clash_error(other);
      return nullptr;
    }
    if (is_kept_input(f.id())) {
      failed = OsError{kSameFile, "Is a file that was named as an input"};
      return nullptr;
    }
    if (!f.truncate(0, err)) f = OsFile();
  }
  if (!f.is_open()) {
    failed = err.code ? err : io_error();
    return nullptr;
  }
  attach(unit, std::move(f), name, true);
  return file(unit);
}

void Units::write_text(int unit, std::string_view text) {
  if (is_console(unit)) {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    return;
  }
  if (UnitFile* f = file_for_write(unit)) f->write(text);
}

void Units::write_detail(int unit, std::string_view record) {
  if (!quiet_ || !is_console(unit)) write(unit, record);
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

// One console line, of which at most kLongestAnswer characters are kept: the
// rest of a longer line is read and dropped, so memory stays bounded whatever
// arrives on the console; a line that has not ended after kLongestConsoleLine
// characters is given up (kRunawayLine), so reading ends too. The input is
// read through its decoder: a file of answers in UTF-16 or with a byte-order
// mark gives the same lines as one in UTF-8.
int Units::read_console(std::string& record) {
  out_.flush();
  record.clear();
  console_line_cut_ = false;
  std::streambuf* in = in_.rdbuf();
  std::size_t length = 0;
  for (;;) {
    const auto c = console_text_.next(in);
    if (c == std::char_traits<char>::eof()) {
      if (length > 0) break;  // a last line without a line end
      in_.setstate(std::ios::eofbit);
      return kEndOfFile;
    }
    if (c == '\n') break;
    if (++length > kLongestConsoleLine) return kRunawayLine;
    if (record.size() < kLongestAnswer) {
      record.push_back(static_cast<char>(c));
    } else if (c != ' ' && c != '\r') {
      console_line_cut_ = true;
    }
  }
  if (!record.empty() && record.back() == '\r') record.pop_back();
  return 0;
}

int Units::read_line(int unit, std::string& record) {
  if (unit == 0 || unit == kConsoleIn) return read_console(record);
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
    rc = read_console(record);
  } else if (UnitFile* f = file(unit)) {
    rc = f->read(record, length);
  } else {
    record.clear();
    rc = ENOENT;
  }
  if (record.size() > length) record.resize(length);
  return rc;
}

int Units::read_view(int unit, std::string_view& record, std::string& spill, std::size_t length) {
  UnitFile* f = unit == 0 || unit == kConsoleIn ? nullptr : file(unit);
  if (f != nullptr) return f->read_view(record, spill, length);
  const int rc = read_upto(unit, spill, length);
  record = spill;
  return rc;
}

int Units::read_upto_starting(int unit, std::string& record, std::size_t length, RecordHeads heads,
                              std::int64_t& records) {
  UnitFile* f = unit == 0 || unit == kConsoleIn ? nullptr : file(unit);
  if (f != nullptr) return f->read_starting(record, length, heads, records);
  for (;;) {
    const int rc = read_upto(unit, record, length);
    if (rc != 0) return rc;
    ++records;
    if (is_wanted_record(heads, record)) return 0;
  }
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

void Units::plant_fault(int unit, const PlantedFault& fault) {
  if (!in_range(unit)) return;
  planted_[static_cast<std::size_t>(unit)] = fault;
  if (UnitFile* f = file(unit)) f->plant(fault);
}

}  // namespace velkan
