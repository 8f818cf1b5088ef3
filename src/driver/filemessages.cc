// Messages about files that cannot be opened, written or read.
#include "driver/filemessages.h"

#include <string>

#include "driver/fileunits.h"

namespace velkan {
namespace {

// Why the open failed, in words: a system error, or the file of the run that
// the name turned out to be.
std::string reason_of_failed_open(const Units& io, bool listing) {
  if (io.open_error().code != kSameFile) return io.open_error().text;
  const int other = io.clash();
  if (other == LRUSTD) return "it is the FlexCom listing being read, " + io.file_name(other);
  if (other == LTI) return "it is the file the answers are read from";
  std::string reason = io.file_name(other) + " is the message file of this run";
  if (listing) reason += ": rename the listing";
  return reason;
}

}  // namespace

void report_open_failure(Units& io, std::string_view name, std::string_view retry_line,
                         bool listing) {
  io.write(LTO, "*** ERROR Opening File:" + std::string(name));
  io.write(LTO, "      Reason: " + reason_of_failed_open(io, listing));
  io.write(LTO, retry_line);
}

void report_file_error(Units& io, int unit, std::string_view doing, std::string_view name,
                       const OsError& err) {
  io.newline(unit);
  io.write(unit, "*** ERROR " + std::string(doing) + " File:" + std::string(name));
  io.write(unit, "      Reason: " + err.text);
}

}  // namespace velkan
