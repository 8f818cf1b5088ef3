// Buffered sequential access to one text file. Reads go through a chunk buffer;
// the starts of the last records read are remembered so that moving back one
// or two records costs nothing; further back the file is scanned backwards.
#include "platform/unitfile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/units.h"

namespace velkan {
namespace {

constexpr std::size_t kChunk = 1 << 20;
constexpr std::size_t kRemembered = 16;

int error_code() {
  return errno > 0 ? errno : 5;
}

}  // namespace

UnitFile::~UnitFile() {
  if (mode_ == Mode::kWriting) finish_writing();
  std::fclose(f_);
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
  fseeko(f_, static_cast<off_t>(offset), SEEK_SET);
  rbuf_.clear();
  rpos_ = 0;
  rbuf_offset_ = offset;
  eof_ = false;
}

int UnitFile::fill() {
  if (eof_) return kEndOfFile;
  rbuf_offset_ += static_cast<std::int64_t>(rbuf_.size());
  rbuf_.resize(kChunk);
  const std::size_t n = std::fread(rbuf_.data(), 1, kChunk, f_);
  rbuf_.resize(n);
  rpos_ = 0;
  if (n > 0) return 0;
  if (std::ferror(f_)) {
    std::clearerr(f_);
    return error_code();
  }
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

void UnitFile::remember_start(std::int64_t offset) {
  if (starts_.size() == kRemembered) starts_.erase(starts_.begin());
  starts_.push_back(offset);
}

std::int64_t UnitFile::previous_record_start(std::int64_t offset) {
  // The record before `offset` ends with the line end at offset-1 (or, for a
  // last line without one, at offset itself); its start follows the line end
  // before that.
  std::int64_t scan = offset;
  char c = '\0';
  fseeko(f_, static_cast<off_t>(offset - 1), SEEK_SET);
  if (std::fread(&c, 1, 1, f_) == 1 && c == '\n') --scan;
  std::vector<char> chunk(4096);
  while (scan > 0) {
    const std::int64_t from =
        std::max<std::int64_t>(0, scan - static_cast<std::int64_t>(chunk.size()));
    const std::size_t n = static_cast<std::size_t>(scan - from);
    fseeko(f_, static_cast<off_t>(from), SEEK_SET);
    if (std::fread(chunk.data(), 1, n, f_) != n) break;
    for (std::size_t i = n; i-- > 0;) {
      if (chunk[i] == '\n') return from + static_cast<std::int64_t>(i) + 1;
    }
    scan = from;
  }
  return 0;
}

bool UnitFile::line_ends_before(std::int64_t offset) {
  char c = '\n';
  fseeko(f_, static_cast<off_t>(offset - 1), SEEK_SET);
  if (std::fread(&c, 1, 1, f_) != 1) return true;
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
  if (!starts_.empty() && starts_.back() < here) {
    target = starts_.back();
    starts_.pop_back();
  } else {
    starts_.clear();
    target = previous_record_start(here);
    rbuf_.clear();
    rbuf_offset_ = -1;
  }
  seek(target);
}

void UnitFile::rewind() {
  start_reading();
  starts_.clear();
  after_end_ = false;
  seek(0);
}

void UnitFile::write(std::string_view text) {
  if (mode_ != Mode::kWriting) {
    const std::int64_t at = mode_ == Mode::kReading ? logical_position() : 0;
    // Behind a last record that has no line end, the new record starts a line
    // of its own instead of running on in the old one.
    const bool end_line = at > 0 && !line_ends_before(at);
    fseeko(f_, static_cast<off_t>(at), SEEK_SET);
    mode_ = Mode::kWriting;
    wpos_ = at;
    starts_.clear();
    after_end_ = false;
    if (end_line) wbuf_.push_back('\n');
  }
  wbuf_.append(text);
  if (wbuf_.size() >= kChunk) flush();
}

void UnitFile::flush() {
  if (mode_ != Mode::kWriting || wbuf_.empty()) return;
  std::fwrite(wbuf_.data(), 1, wbuf_.size(), f_);
  std::fflush(f_);  // so that the records are in the file for anyone who reads it
  wpos_ += static_cast<std::int64_t>(wbuf_.size());
  wbuf_.clear();
}

void UnitFile::finish_writing() {
  // A sequential file ends after the last record written.
  flush();
  std::fflush(f_);
  if (ftruncate(fileno(f_), static_cast<off_t>(wpos_)) != 0) {
    // Nothing sensible to do: the records are written; a longer old tail stays.
  }
  mode_ = Mode::kIdle;
}

}  // namespace velkan
