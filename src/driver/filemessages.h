// The driver's messages about files: a name that cannot be opened (with the
// reason between the error line and the retry line), and a file that could not
// be written or read (the file's name and the system's reason).
#pragma once

#include <string_view>

#include "platform/osfile.h"
#include "platform/units.h"

namespace velkan {

// After a failed open of `name`: the error line, the reason of the failure
// (for a file already in use: which file of the run it is) and `retry_line`,
// on the console. `listing` tells the listing prompt, where the only way out of
// a clash with the message file is renaming the listing.
void report_open_failure(Units& io, std::string_view name, std::string_view retry_line,
                         bool listing);

// A file of the run that met `err`: an empty line, "*** ERROR <doing> File:"
// with its name and the reason, on `unit` (the console or the message file).
void report_file_error(Units& io, int unit, std::string_view doing, std::string_view name,
                       const OsError& err);

}  // namespace velkan
