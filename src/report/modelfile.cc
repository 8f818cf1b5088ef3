// Reading a model file back: one pass over its lines through the unit table
// (their records read in stretches, on two threads), then the checks across
// its records.
#include "report/modelfile.h"

#include <string>

#include "report/chunkedrecords.h"
#include "report/faultlist.h"
#include "report/modelchecks.h"

namespace velkan {
namespace {

std::string_view without_trailing_blanks(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The file cannot be read at all: its only fault is the reason.
ModelFile unreadable(ModelFile file, std::string reason) {
  file.faults = {std::move(reason)};
  file.fault_count = 1;
  file.readable = false;
  return file;
}

}  // namespace

ModelFile read_model_file(Units& io, int unit, std::string_view name) {
  ModelFile file;
  if (io.open(unit, name, FileStatus::kOld) != 0) {
    return unreadable(std::move(file),
                      fault_text({"cannot open ", name, ": ", io.open_error().text}));
  }
  FaultList faults;
  ChunkedRecords records;
  std::string spill;
  std::string_view line;
  for (;;) {
    const int rc = io.read_view(unit, line, spill, ChunkedRecords::kLongestLine + 1);
    if (rc == kEndOfFile) break;
    if (rc != 0) {
      const std::string reason = io.error(unit).text;
      io.close(unit);
      return unreadable(std::move(file), fault_text({"cannot read ", name, " after line ",
                                                     std::to_string(file.lines), ": ", reason}));
    }
    ++file.lines;
    file.trailer = without_trailing_blanks(line) == kEndOfFileComment;
    records.add(file.lines, line);
  }
  io.close(unit);
  records.finish(file, faults);
  if (file.lines == 0) {
    faults.add(0, "the file is empty");
  } else if (!file.trailer) {
    faults.add(0, fault_text({"no end-of-file comment \"", kEndOfFileComment,
                              "\" as the last line: the file may be cut short"}));
  }
  check_references(file, faults);
  file.readable = true;
  file.faults = faults.listed();
  file.fault_count = faults.count();
  return file;
}

}  // namespace velkan
