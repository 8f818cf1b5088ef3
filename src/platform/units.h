// The table of I/O units: the console as units 5 (answers) and 6 (prompts and
// messages), sequential text files on units 1..99. Records are lines; a unit
// that is written without having been opened writes to "fort.<unit>".
// Every file-system call of the converter goes through this table, and every
// one is checked: a unit keeps the first error its file met.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/answerdecoding.h"
#include "platform/filestate.h"
#include "platform/osfile.h"
#include "platform/unitfile.h"

namespace velkan {

// OLD: the file must exist and is only read. NEW: it must not exist yet.
// UNKNOWN: created when missing, an existing one is written from its start.
// SCRATCH: a nameless temporary file.
enum class FileStatus { kOld, kNew, kScratch, kUnknown };

// Result of a read, as a Fortran IOSTAT: 0 a record was read, kEndOfFile at the
// end of the file, a positive value for an error.
inline constexpr int kEndOfFile = -1;

// Open refused because the file is already in use by another unit (open on
// it, or the reserved "fort.<unit>" file of it); see Units::clash().
inline constexpr int kSameFile = 5002;

// A console line that did not end within Units::kLongestConsoleLine characters:
// whatever sends it is not answering questions.
inline constexpr int kRunawayLine = 5003;

// A reserved unit's "fort.<unit>" file is held by another running program
// (see Units::claim_implicit()).
inline constexpr int kInUse = 5004;

class Units {
 public:
  static constexpr int kConsoleIn = 5;
  static constexpr int kConsoleOut = 6;
  static constexpr int kMaxUnit = 99;
  // Console answers longer than this are cut; the rest of the line is skipped,
  // up to kLongestConsoleLine characters in all, where reading gives up.
  static constexpr std::size_t kLongestAnswer = 4096;
  static constexpr std::size_t kLongestConsoleLine = 1 << 20;

  // `implicit_dir` is where "fort.<unit>" files are created.
  Units(std::istream& console_in, std::ostream& console_out, std::string implicit_dir = ".");
  ~Units();
  Units(const Units&) = delete;
  Units& operator=(const Units&) = delete;

  // Connects `unit` (1..99, not a console unit) to the named file; returns 0 or
  // a positive error code, with the reason in open_error(). An open unit is
  // closed first. A scratch file has no name. A file is never opened on two
  // units when either may write it: such an open fails with kSameFile. A file
  // refused as input because it is a reserved unit's "fort.<unit>" file is
  // never overwritten as that file afterwards: it was named as an input.
  int open(int unit, std::string_view path, FileStatus status);
  // The reason of the last failed open.
  const OsError& open_error() const { return open_error_; }
  // The unit whose file the last kSameFile open ran into.
  int clash() const { return clash_; }

  // Declares that `unit` writes its "fort.<unit>" file when it is written
  // without having been opened: no other unit may open that file.
  void reserve_implicit(int unit);
  // Reserves `unit` as reserve_implicit() does and makes its "fort.<unit>"
  // file this program's for as long as the unit lives: the file is opened (made
  // when missing, its content kept until the first record replaces it) and
  // locked. Fails with kInUse when another running program holds the lock.
  // When the file cannot be opened at all, that shows at its first record, as
  // for reserve_implicit(). A file that gets no record is removed at close(),
  // unless it was named as an input: so it never holds the records of an
  // earlier run.
  OsError claim_implicit(int unit);
  // The unit's "fort.<unit>" file is `name` instead (a message file named on
  // the command line); call before the unit is reserved or written.
  void name_implicit(int unit, std::string name);
  // Declares that an output opened on `unit` with status UNKNOWN is written
  // whole or not at all: its records go to a partial output beside the file
  // named (see wholefile.h) and reach that file only through commit(); until
  // then the file named keeps its content, and a missing one stays missing.
  // A character device is written directly.
  void write_whole(int unit);
  // An input that is the file of no unit (the file the answers are read
  // from): no output may be that file. clash() gives kConsoleIn for it.
  void protect_input(const FileId& id);
  // The name of the file of `unit`: as it was opened, or its "fort.<unit>" file.
  std::string file_name(int unit) const;

  // Closes the unit; a unit that is not open is left alone. Returns the first
  // error its file met, closing included (code 0: none). A partial output is
  // removed (see discard()).
  OsError close(int unit);
  // Closes the unit; a partial output is stored on the disk and moved over
  // its file in one step. Returns the first error its file met: with one, the
  // file named is left as it was, and the partial output stays for discard().
  OsError commit(int unit);
  // Closes the unit without putting a partial output in place: it is moved to
  // `keep_as` (no file of the run, nor a protected input), or removed when
  // `keep_as` is empty or cannot take it. Returns where it went, "" when it
  // was removed or the unit had none.
  std::string discard(int unit, std::string_view keep_as);
  // Whether the unit writes a device that keeps nothing (the null device).
  bool keeps_nothing(int unit) const;
  // Whether the unit writes a partial output (see write_whole()).
  bool writes_partial(int unit) const;
  // Whether the file `name` may be replaced or removed by the run: it is no
  // file of a unit, no reserved "fort.<unit>" file and no protected input.
  bool may_replace(std::string_view name) const;
  bool is_open(int unit) const;
  // Writes out what is buffered for the unit; returns its first error so far.
  OsError flush(int unit);
  // The first error the unit's file has met so far (code 0: none).
  OsError error(int unit) const;
  // The state of the file open on `unit` (filestate.h), taken without moving
  // its reading; error code 0: taken.
  OsError file_state(int unit, FileState& state) const;

  // Writes one record. Units 0, 5 and 6 are the console.
  void write(int unit, std::string_view record);
  // Writes a record about one element or node (a skipped element, a merged
  // pair, an illegal row): as write(), but left out on a quiet console.
  void write_detail(int unit, std::string_view record);
  // A quiet console leaves out the records of write_detail().
  void set_quiet(bool quiet) { quiet_ = quiet; }
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
  // As read_upto(), but `record` is left looking at the record where it lies
  // in the file's read buffer, valid until the next call on the unit; `spill`
  // holds it when it does not lie there whole (and for the console).
  int read_view(int unit, std::string_view& record, std::string& spill, std::size_t length);
  // Reads records as read_upto() does until a wanted one (is_wanted_record:
  // its text from its first character other than a blank begins with one of
  // `heads`, or it holds a NUL byte). The records before it count as read,
  // for backspace too, but are only searched where they lie in the buffer:
  // titles and labels are found quickly. Adds 1 to `records` for every record
  // read, the one returned included.
  int read_upto_starting(int unit, std::string& record, std::size_t length, RecordHeads heads,
                         std::int64_t& records);
  // Reads the next record whole (without its line end; at most 64 KiB of it).
  int read_line(int unit, std::string& record);
  // True when the console line read last was cut: it held more than
  // kLongestAnswer characters before its trailing blanks.
  bool console_line_cut() const { return console_line_cut_; }

  void rewind(int unit);
  // Moves back over one record, so the record last read is read again.
  void backspace(int unit);
  // Writes out everything buffered (the console included).
  void flush_all();

  // Test seam: the file on `unit` (the one open now, or the next one opened or
  // created there) fails its reads or writes after the planted byte count.
  void plant_fault(int unit, const PlantedFault& fault);

 private:
  UnitFile* file_for_write(int unit);
  UnitFile* file(int unit) const;
  void attach(int unit, OsFile f, std::string name, bool writable);
  int open_whole(int unit, std::string_view path);
  int clashing_unit(const FileId& id, int unit, bool writing) const;
  OsError clash_error(int other) const;
  void remove_unused_claim(int unit);
  void end_claim(int unit);
  bool is_kept_input(const FileId& id) const;
  int read_console(std::string& record);
  std::string implicit_name(int unit) const;
  bool is_console(int unit) const { return unit == 0 || unit == kConsoleIn || unit == kConsoleOut; }
  static bool in_range(int unit) { return unit >= 1 && unit <= kMaxUnit; }

  std::istream& in_;
  std::ostream& out_;
  AnswerDecoder console_text_;  // the console input in the program's own encoding
  bool console_line_cut_ = false;
  std::string implicit_dir_;
  std::array<std::unique_ptr<UnitFile>, kMaxUnit + 1> files_;
  std::array<bool, kMaxUnit + 1> reserved_{};
  std::array<bool, kMaxUnit + 1> whole_{};
  std::array<bool, kMaxUnit + 1> null_device_{};
  std::array<OsFile, kMaxUnit + 1> claimed_;       // fort.<unit> files held, not yet written
  std::array<int, kMaxUnit + 1> claimed_place_{};  // their places in the interrupt table
  std::array<OsError, kMaxUnit + 1> implicit_errors_;
  std::array<std::optional<PlantedFault>, kMaxUnit + 1> planted_;
  std::vector<FileId> inputs_kept_;  // refused inputs that an implicit file must not overwrite
  std::vector<FileId> protected_;    // inputs of no unit, never outputs
  std::array<std::string, kMaxUnit + 1> implicit_names_;  // set by name_implicit()
  bool quiet_ = false;
  OsError open_error_;
  int clash_ = 0;
};

}  // namespace velkan
