// One sequential text file behind a unit: buffered record reads with backspace,
// buffered record writes, rewind. Used only by the unit table.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace velkan {

class UnitFile {
 public:
  // Takes ownership of an open stream.
  explicit UnitFile(std::FILE* f) : f_(f) {}
  ~UnitFile();
  UnitFile(const UnitFile&) = delete;
  UnitFile& operator=(const UnitFile&) = delete;

  // 0, kEndOfFile, or a positive error code. `record` receives at most `cap` characters.
  int read(std::string& record, std::size_t cap);
  void write(std::string_view text);
  void rewind();
  void backspace();
  void flush();

 private:
  enum class Mode { kIdle, kReading, kWriting };
  std::int64_t logical_position() const;
  void seek(std::int64_t offset);
  int fill();
  void start_reading();
  void finish_writing();
  void remember_start(std::int64_t offset);
  std::int64_t previous_record_start(std::int64_t offset);
  bool line_ends_before(std::int64_t offset);

  std::FILE* f_;
  Mode mode_ = Mode::kIdle;
  std::vector<char> rbuf_;
  std::size_t rpos_ = 0;          // next unread byte in rbuf_
  std::int64_t rbuf_offset_ = 0;  // file offset of rbuf_[0]
  bool eof_ = false;              // the buffer reaches the end of the file
  bool after_end_ = false;        // a read has met the end of the file
  std::string wbuf_;
  std::int64_t wpos_ = 0;             // file offset after the last written byte
  std::vector<std::int64_t> starts_;  // starts of the records read most recently
};

}  // namespace velkan
