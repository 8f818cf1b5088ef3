// One sequential text file behind a unit: buffered record reads with backspace,
// buffered record writes, rewind, and the first error the system reported.
// Used only by the unit table.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/osfile.h"

namespace velkan {

// A fault planted by a test: the file's reads (or writes) fail with `error`
// once `after` bytes have been read (or written).
struct PlantedFault {
  enum class Kind { kRead, kWrite };
  Kind kind = Kind::kWrite;
  std::int64_t after = 0;
  OsError error = io_error();
};

// The read buffer of a file: room for one chunk, obtained on the first read
// and never filled with anything but the file's bytes.
class ReadBuffer {
 public:
  char* data() { return bytes_.get(); }
  const char* data() const { return bytes_.get(); }
  std::size_t size() const { return size_; }
  // Counts the changes of the buffer's content: equal counts, equal content.
  std::uint64_t generation() const { return generation_; }
  void clear() { resize(0, 0); }
  // Makes the buffer `n` bytes long (at most `room`), obtaining its room first.
  void resize(std::size_t n, std::size_t room) {
    if (!bytes_ && room > 0) bytes_ = std::make_unique_for_overwrite<char[]>(room);
    size_ = n;
    ++generation_;
  }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_ = 0;
  std::uint64_t generation_ = 0;
};

// The beginnings that make a record wanted by a search: a record is wanted when
// its text from its first character other than a blank begins with one of
// them, or when it holds a NUL byte (which no text holds). No beginnings at
// all want every record.
using RecordHeads = std::span<const std::string_view>;
bool is_wanted_record(RecordHeads heads, std::string_view record);

// Where the search for wanted lines left off in one content of the read
// buffer: the next place of each character searched for, at or after `from`.
struct ScanPlaces {
  static constexpr std::size_t kMaxFirsts = 8;
  std::string firsts;  // the first characters of the beginnings
  std::uint64_t generation = 0;
  std::size_t from = 0;
  std::array<std::size_t, kMaxFirsts + 1> next{};  // the NUL byte last
};

class UnitFile {
 public:
  // Reads from the file take up to this many bytes at a time.
  static constexpr std::size_t kChunk = 1 << 20;

  UnitFile(OsFile file, std::string name, bool writable)
      : file_(std::move(file)), name_(std::move(name)), writable_(writable) {}
  ~UnitFile();
  UnitFile(const UnitFile&) = delete;
  UnitFile& operator=(const UnitFile&) = delete;

  // 0, kEndOfFile, or a positive error code. `record` receives at most `cap` characters.
  int read(std::string& record, std::size_t cap);
  // As read(), but `line` is left looking at the record where it lies in the
  // read buffer, valid until the next call on this file; a record that runs
  // past the buffered bytes is read into `spill` and `line` looks at that.
  int read_view(std::string_view& line, std::string& spill, std::size_t cap);
  // Reads records as read() does until one whose first character other than
  // a blank, among the `cap` it keeps, is one of `firsts` (a blank record
  // counts as a blank; an empty `firsts` takes every record); the records
  // before it are passed over, looked at only where they lie in the buffer.
  // Adds 1 to `records` for every record read.
  int read_starting(std::string& record, std::size_t cap, RecordHeads heads, std::int64_t& records);
  // Buffers text for the file; a failure shows in error() and discards what
  // follows, since the file can no longer hold the records in order.
  void write(std::string_view text);
  void rewind();
  void backspace();
  // Writes out the buffered text.
  void flush();
  // Flushes, ends a written file after its last record and closes it; the
  // first error met by the file, if any, stays in error(). A partial output
  // is removed: it never reached its target.
  void close();

  // The file is the partial output `partial` of the file `target` (see
  // wholefile.h), noted at `place` of the interrupt table.
  void make_partial(std::string partial, std::string target, int place);
  bool is_partial() const { return partial_.has_value(); }
  // Flushes, stores on the disk and closes a partial output and moves it over
  // its target in one step. With an error (in error()) the target is left as
  // it was and the file stays a partial output, for discard(). Any other file
  // is closed.
  void commit();
  // Closes a partial output and moves it to `keep_as`, or removes it when it
  // is empty, `keep_as` is empty or the move fails; its target is left as it
  // was.
  // Returns where it went ("" when removed).
  std::string discard(std::string_view keep_as);

  const OsError& error() const { return error_; }
  const std::string& name() const { return name_; }
  FileId id() const { return file_.id(); }
  const OsFile& os_file() const { return file_; }
  bool is_regular() const { return file_.is_regular(); }
  bool is_writable() const { return writable_; }
  void plant(const PlantedFault& fault) { fault_ = fault; }

 private:
  enum class Mode { kIdle, kReading, kWriting };
  std::int64_t logical_position() const;
  void seek(std::int64_t offset);
  int fill();
  void start_reading();
  void finish_writing();
  void remember_start(std::int64_t offset);
  void pass_unwanted(std::size_t cap, RecordHeads heads, std::int64_t& records);
  void pass_lines(std::size_t to, std::int64_t& records);
  bool take_buffered(std::string_view& line, std::size_t cap);
  void forget_starts() { starts_count_ = 0; }
  std::int64_t previous_record_start(std::int64_t offset);
  bool line_ends_before(std::int64_t offset);
  // The system calls, with the planted fault applied.
  std::int64_t raw_read(char* buf, std::size_t n);
  bool raw_write(const char* buf, std::size_t n);
  bool raw_seek(std::int64_t offset);
  void note(const OsError& err);

  struct Partial {
    std::string name, target;
    int place = -1;
  };

  OsFile file_;
  std::string name_;
  std::optional<Partial> partial_;
  bool writable_ = false;
  OsError error_;  // the first error
  std::optional<PlantedFault> fault_;
  std::int64_t bytes_read_ = 0;
  std::int64_t bytes_written_ = 0;
  Mode mode_ = Mode::kIdle;
  ReadBuffer rbuf_;
  ScanPlaces scan_;
  std::size_t rpos_ = 0;          // next unread byte in rbuf_
  std::int64_t rbuf_offset_ = 0;  // file offset of rbuf_[0]
  bool eof_ = false;              // the buffer reaches the end of the file
  bool after_end_ = false;        // a read has met the end of the file
  std::string wbuf_;
  std::int64_t wpos_ = 0;  // file offset after the last written byte
  // Starts of the records read most recently: a ring of kRemembered entries.
  std::array<std::int64_t, 16> starts_{};
  std::size_t starts_count_ = 0;
  std::size_t starts_next_ = 0;  // slot the next start goes to
};

}  // namespace velkan
