// The table of I/O units: the console as units 5 (answers) and 6 (prompts and
// messages), sequential text files on units 1..99. Records are lines; a unit
// that is written without having been opened writes to "fort.<unit>".
// Every file-system call of the converter goes through this table.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

namespace velkan {

enum class FileStatus { kOld, kNew, kScratch, kUnknown };

// Result of a read, as a Fortran IOSTAT: 0 a record was read, kEndOfFile at the
// end of the file, a positive value for an error.
inline constexpr int kEndOfFile = -1;

class UnitFile;

class Units {
 public:
  static constexpr int kConsoleIn = 5;
  static constexpr int kConsoleOut = 6;
  static constexpr int kMaxUnit = 99;

  // `implicit_dir` is where "fort.<unit>" files are created.
  Units(std::istream& console_in, std::ostream& console_out, std::string implicit_dir = ".");
  ~Units();
  Units(const Units&) = delete;
  Units& operator=(const Units&) = delete;

  // Connects `unit` (1..99, not a console unit) to the named file; returns 0 or
  // a positive error code.
  // An open unit is closed first. A scratch file has no name.
  int open(int unit, std::string_view path, FileStatus status);
  // Closes the unit; a unit that is not open is left alone.
  void close(int unit);
  bool is_open(int unit) const;

  // Writes one record. Units 0, 5 and 6 are the console.
  void write(int unit, std::string_view record);
  // Writes text without ending the line (a prompt).
  void write_text(int unit, std::string_view text);
  // Writes an empty record.
  void newline(int unit) { write(unit, {}); }

  // Reads the next record, cut or padded with blanks to `length` characters.
  // A carriage return before the line end is not part of the record.
  // Units 0 and 5 read the console.
  int read(int unit, std::string& record, std::size_t length);
  // Reads the next record cut to `length` characters but not padded: the
  // blanks a padded record would end in carry nothing for a reader that
  // ignores trailing blanks.
  int read_upto(int unit, std::string& record, std::size_t length);
  // Reads the next record whole (without its line end).
  int read_line(int unit, std::string& record);

  void rewind(int unit);
  // Moves back over one record, so the record last read is read again.
  void backspace(int unit);
  // Writes out everything buffered (the console included).
  void flush_all();

 private:
  UnitFile* file_for_write(int unit);
  UnitFile* file(int unit) const;
  bool is_console(int unit) const { return unit == 0 || unit == kConsoleIn || unit == kConsoleOut; }

  std::istream& in_;
  std::ostream& out_;
  std::string implicit_dir_;
  std::array<std::unique_ptr<UnitFile>, kMaxUnit + 1> files_;
};

}  // namespace velkan
