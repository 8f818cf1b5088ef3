// An output file of a conversion: the prompt loop that opens it, the
// identification lines written into it, and whether its records reached it.
#pragma once

#include <string_view>

#include "driver/conversion.h"

namespace velkan {

// The output-file prompt loop: asks until the file opens on `unit`.
void open_output_file(Conversion& c, int unit, std::string_view prompt);
// True when everything written so far on `unit` and on the message unit has
// reached its file. A sequence stops at the first write that failed; the
// failure is reported when the driver closes the files.
bool written(Conversion& c, int unit);
// The identification lines of an output file: the header text padded to 72
// characters, the listing's name and the run stamp between comment lines.
void write_identification(Conversion& c, int unit, std::string_view header);

}  // namespace velkan
