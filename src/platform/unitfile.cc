// Buffered sequential access to one text file. Reads go through a chunk buffer;
// the starts of the last records read are remembered so that moving back one
// or two records costs nothing; further back the file is scanned backwards.
// Every system call is checked: the first error is kept for the unit table.
#include "platform/unitfile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "platform/interrupts.h"
#include "platform/units.h"
#include "platform/wholefile.h"

namespace velkan {
namespace {

constexpr std::size_t kNotSearched = SIZE_MAX;

// The line ends among n bytes, counted in blocks of 255 bytes with a
// byte-wide count, which the compiler turns into wide compares.
std::int64_t count_line_ends(const char* p, std::size_t n) {
  std::int64_t count = 0;
  while (n > 0) {
    const std::size_t block = std::min<std::size_t>(n, 255);
    unsigned char in_block = 0;
    for (std::size_t i = 0; i < block; ++i) in_block += static_cast<unsigned char>(p[i] == '\n');
    count += in_block;
    p += block;
    n -= block;
  }
  return count;
}

}  // namespace

bool is_wanted_record(RecordHeads heads, std::string_view record) {
  if (heads.empty() || record.find('\0') != std::string_view::npos) return true;
  const std::size_t first = record.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  const std::string_view text = record.substr(first);
  return std::any_of(heads.begin(), heads.end(),
                     [&](std::string_view head) { return text.starts_with(head); });
}

UnitFile::~UnitFile() {
  close();
}

void UnitFile::note(const OsError& err) {
  if (!error_) error_ = err;
}

std::int64_t UnitFile::raw_read(char* buf, std::size_t n) {
  if (fault_ && fault_->kind == PlantedFault::Kind::kRead) {
    const std::int64_t room = fault_->after - bytes_read_;
    if (room <= 0) {
      note(fault_->error);
      return -1;
    }
    n = std::min<std::size_t>(n, static_cast<std::size_t>(room));
  }
  OsError err;
  const std::int64_t got = file_.read(buf, n, err);
  if (got < 0) {
    note(err);
    return -1;
  }
  bytes_read_ += got;
  return got;
}

bool UnitFile::raw_write(const char* buf, std::size_t n) {
  std::size_t allowed = n;
  if (fault_ && fault_->kind == PlantedFault::Kind::kWrite) {
    const std::int64_t room = std::max<std::int64_t>(0, fault_->after - bytes_written_);
    allowed = std::min<std::size_t>(n, static_cast<std::size_t>(room));
  }
  OsError err;
  if (!file_.write(buf, allowed, err)) {
    note(err);
    return false;
  }
  bytes_written_ += static_cast<std::int64_t>(allowed);
  if (allowed < n) {
    note(fault_->error);
    return false;
  }
  return true;
}

bool UnitFile::raw_seek(std::int64_t offset) {
  OsError err;
  if (file_.seek(offset, err)) return true;
  note(err);
  return false;
}

std::int64_t UnitFile::logical_position() const {
  if (mode_ == Mode::kWriting) return wpos_ + static_cast<std::int64_t>(wbuf_.size());
  return rbuf_offset_ + static_cast<std::int64_t>(rpos_);
}

void UnitFile::seek(std::int64_t offset) {
  const std::int64_t end = rbuf_offset_ + static_cast<std::int64_t>(rbuf_.size());
  if (mode_ == Mode::kReading && offset >= rbuf_offset_ && offset <= end) {
    rpos_ = static_cast<std::size_t>(offset - rbuf_offset_);
    return;
  }
  raw_seek(offset);
  rbuf_.clear();
  rpos_ = 0;
  rbuf_offset_ = offset;
  eof_ = false;
}

int UnitFile::fill() {
  if (eof_) return kEndOfFile;
  rbuf_offset_ += static_cast<std::int64_t>(rbuf_.size());
  rbuf_.resize(0, kChunk);
  const std::int64_t n = raw_read(rbuf_.data(), kChunk);
  rbuf_.resize(n > 0 ? static_cast<std::size_t>(n) : 0, kChunk);
  rpos_ = 0;
  if (n > 0) return 0;
  if (n < 0) return error_.code;
  eof_ = true;
  return kEndOfFile;
}

void UnitFile::start_reading() {
  if (mode_ == Mode::kReading) return;
  std::int64_t at = 0;
  if (mode_ == Mode::kWriting) {
    at = logical_position();
    finish_writing();
  }
  mode_ = Mode::kReading;
  rbuf_.clear();
  rbuf_offset_ = -1;  // force a real seek
  seek(at);
}

int UnitFile::read(std::string& record, std::size_t cap) {
  start_reading();
  record.clear();
  if (after_end_) return kEndOfFile;
  const std::int64_t start = logical_position();
  std::size_t total = 0;  // length of the whole line, however much of it is kept
  bool got_any = false;
  char last = '\0';
  for (;;) {
    if (rpos_ == rbuf_.size()) {
      const int rc = fill();
      if (rc > 0) return rc;
      if (rc == kEndOfFile) {
        if (got_any) break;  // a last line without a line end
        after_end_ = true;
        return kEndOfFile;
      }
    }
    got_any = true;
    const char* begin = rbuf_.data() + rpos_;
    const std::size_t avail = rbuf_.size() - rpos_;
    const void* nl = std::memchr(begin, '\n', avail);
    const std::size_t len =
        nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - begin) : avail;
    if (len > 0) last = begin[len - 1];
    total += len;
    if (record.size() < cap) record.append(begin, std::min(len, cap - record.size()));
    rpos_ += len;
    if (nl) {
      ++rpos_;
      break;
    }
  }
  // A carriage return before the line end belongs to the line end, not the record.
  if (last == '\r' && record.size() == total) record.pop_back();
  remember_start(start);
  return 0;
}

// The next record where it lies whole in the read buffer, as read() would
// keep it (no carriage return before its line end, at most `cap`
// characters), moved past and remembered; false when it does not lie there
// whole.
bool UnitFile::take_buffered(std::string_view& line, std::size_t cap) {
  if (after_end_ || rpos_ >= rbuf_.size()) return false;
  const char* begin = rbuf_.data() + rpos_;
  const void* nl = std::memchr(begin, '\n', rbuf_.size() - rpos_);
  if (nl == nullptr) return false;
  const auto len = static_cast<std::size_t>(static_cast<const char*>(nl) - begin);
  const std::size_t kept = len > 0 && begin[len - 1] == '\r' ? len - 1 : len;
  remember_start(logical_position());
  rpos_ += len + 1;
  line = std::string_view(begin, std::min(kept, cap));
  return true;
}

int UnitFile::read_view(std::string_view& line, std::string& spill, std::size_t cap) {
  start_reading();
  if (take_buffered(line, cap)) return 0;
  const int rc = read(spill, cap);
  line = spill;
  return rc;
}

// Passes over whole lines of the buffer that cannot be wanted, found by
// searching for the characters a wanted line must hold (the first character of
// a beginning, or a NUL byte) instead of looking at every line. It stops at a
// line that is wanted or at the last line the buffer does not end. The lines
// passed over count and are remembered as if read.
void UnitFile::pass_unwanted(std::size_t cap, RecordHeads heads, std::int64_t& records) {
  std::string firsts;
  for (const std::string_view head : heads) {
    if (head.empty()) return;  // every record is wanted
    if (firsts.find(head[0]) == std::string::npos) firsts.push_back(head[0]);
  }
  if (firsts.empty() || firsts.size() > ScanPlaces::kMaxFirsts) return;
  if (rpos_ >= rbuf_.size()) return;  // nothing buffered to pass over
  const char* buf = rbuf_.data();
  const std::size_t size = rbuf_.size();
  const std::size_t kinds = firsts.size() + 1;
  const auto char_of = [&](std::size_t k) { return k < firsts.size() ? firsts[k] : '\0'; };
  std::size_t p = rpos_;  // lines before p are not wanted
  // The places found before stay good while the buffer holds the same bytes
  // and the search goes on from where they were searched from.
  if (scan_.generation != rbuf_.generation() || scan_.firsts != firsts || p < scan_.from) {
    scan_.firsts = firsts;
    scan_.generation = rbuf_.generation();
    scan_.next.fill(kNotSearched);
  }
  scan_.from = p;
  for (;;) {
    for (std::size_t k = 0; k < kinds; ++k) {
      std::size_t& at = scan_.next[k];
      if (at >= p && at != kNotSearched) continue;
      const void* found = std::memchr(buf + p, char_of(k), size - p);
      at = found ? static_cast<std::size_t>(static_cast<const char*>(found) - buf) : size;
    }
    const std::size_t q = *std::min_element(scan_.next.begin(), scan_.next.begin() + kinds);
    std::size_t start = q;
    while (start > p && buf[start - 1] != '\n') --start;
    const void* nl = q == size ? nullptr : std::memchr(buf + q, '\n', size - q);
    if (nl == nullptr) {  // up to the last line end of the buffer
      std::size_t end = size;
      while (end > p && buf[end - 1] != '\n') --end;
      return pass_lines(std::min(end, start), records);
    }
    const auto end = static_cast<std::size_t>(static_cast<const char*>(nl) - buf);
    const std::size_t line = end > start && buf[end - 1] == '\r' ? end - 1 - start : end - start;
    if (is_wanted_record(heads, std::string_view(buf + start, std::min(line, cap))))
      return pass_lines(start, records);
    p = end + 1;
    scan_.from = p;  // every place kept is the first at or after p
  }
}

// Counts and remembers the whole lines of the buffer up to `to` and moves past them.
void UnitFile::pass_lines(std::size_t to, std::int64_t& records) {
  const char* buf = rbuf_.data();
  const std::size_t from = rpos_;
  records += count_line_ends(buf + from, to - from);
  // Only the last starts are remembered: they are looked for backwards.
  std::array<std::size_t, 16> found{};
  std::size_t n = 0;
  for (std::size_t k = to; k > from && n < found.size(); --k) {
    if (k - 1 == from || buf[k - 2] == '\n') found[n++] = k - 1;
  }
  while (n > 0) remember_start(rbuf_offset_ + static_cast<std::int64_t>(found[--n]));
  rpos_ = to;
}

int UnitFile::read_starting(std::string& record, std::size_t cap, RecordHeads heads,
                            std::int64_t& records) {
  start_reading();
  for (;;) {
    if (!after_end_) pass_unwanted(cap, heads, records);
    std::string_view line;
    if (!take_buffered(line, cap)) {
      // The end of the buffer or of the file: the record is read the ordinary way.
      const int rc = read(record, cap);
      if (rc != 0) return rc;
      ++records;
      if (is_wanted_record(heads, record)) return 0;
      continue;
    }
    ++records;
    if (is_wanted_record(heads, line)) {
      record.assign(line);
      return 0;
    }
  }
}

void UnitFile::remember_start(std::int64_t offset) {
  starts_[starts_next_] = offset;
  starts_next_ = (starts_next_ + 1) % starts_.size();
  if (starts_count_ < starts_.size()) ++starts_count_;
}

std::int64_t UnitFile::previous_record_start(std::int64_t offset) {
  // The record before `offset` ends with the line end at offset-1 (or, for a
  // last line without one, at offset itself); its start follows the line end
  // before that.
  std::int64_t scan = line_ends_before(offset) ? offset - 1 : offset;
  std::vector<char> chunk(4096);
  while (scan > 0) {
    const std::int64_t from =
        std::max<std::int64_t>(0, scan - static_cast<std::int64_t>(chunk.size()));
    const std::size_t n = static_cast<std::size_t>(scan - from);
    if (!raw_seek(from) || raw_read(chunk.data(), n) != static_cast<std::int64_t>(n)) break;
    for (std::size_t i = n; i-- > 0;) {
      if (chunk[i] == '\n') return from + static_cast<std::int64_t>(i) + 1;
    }
    scan = from;
  }
  return 0;
}

bool UnitFile::line_ends_before(std::int64_t offset) {
  char c = '\n';
  if (offset <= 0 || !raw_seek(offset - 1) || raw_read(&c, 1) != 1) return true;
  return c == '\n';
}

void UnitFile::backspace() {
  start_reading();
  if (after_end_) {  // back over the end of the file: the next read finds it again
    after_end_ = false;
    return;
  }
  const std::int64_t here = logical_position();
  if (here == 0) return;
  std::int64_t target;
  const std::size_t newest = (starts_next_ + starts_.size() - 1) % starts_.size();
  if (starts_count_ > 0 && starts_[newest] < here) {
    target = starts_[newest];
    starts_next_ = newest;
    --starts_count_;
  } else {
    forget_starts();
    target = previous_record_start(here);
    rbuf_.clear();
    rbuf_offset_ = -1;
  }
  seek(target);
}

void UnitFile::rewind() {
  start_reading();
  forget_starts();
  after_end_ = false;
  seek(0);
}

void UnitFile::write(std::string_view text) {
  if (error_) return;
  if (mode_ != Mode::kWriting) {
    const std::int64_t at = mode_ == Mode::kReading ? logical_position() : 0;
    // Behind a last record that has no line end, the new record starts a line
    // of its own instead of running on in the old one.
    const bool end_line = at > 0 && !line_ends_before(at);
    raw_seek(at);
    mode_ = Mode::kWriting;
    wpos_ = at;
    forget_starts();
    after_end_ = false;
    if (end_line) wbuf_.push_back('\n');
  }
  wbuf_.append(text);
  if (wbuf_.size() >= kChunk) flush();
}

void UnitFile::flush() {
  if (mode_ != Mode::kWriting || wbuf_.empty()) return;
  // Written at once, so that the records are in the file for anyone who reads it.
  if (!error_) raw_write(wbuf_.data(), wbuf_.size());
  wpos_ += static_cast<std::int64_t>(wbuf_.size());
  wbuf_.clear();
}

void UnitFile::finish_writing() {
  // A sequential file ends after the last record written.
  flush();
  OsError err;
  if (!error_ && !file_.truncate(wpos_, err)) note(err);
  mode_ = Mode::kIdle;
}

void UnitFile::close() {
  if (partial_) {
    discard({});
    return;
  }
  if (!file_.is_open()) return;
  if (mode_ == Mode::kWriting) finish_writing();
  OsError err;
  if (!file_.close(err)) note(err);
}

void UnitFile::make_partial(std::string partial, std::string target, int place) {
  partial_ = Partial{std::move(partial), std::move(target), place};
}

void UnitFile::commit() {
  if (!partial_) return close();
  if (file_.is_open()) {
    if (mode_ == Mode::kWriting) finish_writing();
    OsError err;
    if (!error_ && !file_.sync(err)) note(err);
    if (!file_.close(err)) note(err);
  }
  if (error_) return;
  const InterruptsHeld held;
  OsError err;
  if (!move_over(partial_->name, partial_->target, err)) {
    note(err);
    return;
  }
  forget_partial_output(partial_->place, true);
  partial_.reset();
}

std::string UnitFile::discard(std::string_view keep_as) {
  if (!partial_) {
    close();
    return {};
  }
  OsError ignored;
  bool holds_records = false;
  if (file_.is_open()) {
    if (mode_ == Mode::kWriting) flush();
    holds_records = file_.size() > 0;
    file_.close(ignored);
  }
  std::string kept(holds_records ? keep_as : std::string_view());
  if (kept.empty() || !move_over(partial_->name, kept, ignored)) {
    remove_file(partial_->name, ignored);
    kept.clear();
  }
  forget_partial_output(partial_->place, false);
  partial_.reset();
  return kept;
}

}  // namespace velkan
