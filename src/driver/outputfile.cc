// Opening an output file, the identification lines written into it, and
// whether its records reached it.
#include "driver/outputfile.h"

#include "driver/filemessages.h"
#include "lineinput/charutil.h"
#include "platform/consoleunits.h"
#include "store/fileopen.h"

namespace velkan {

void open_output_file(Conversion& c, int unit, std::string_view prompt) {
  for (;;) {
    const std::string name = c.ask.file_name(prompt);
    std::int32_t status = 0;
    OPNTXT(c.io, name, unit, 0, status);
    if (status == 0) {
      if (c.io.keeps_nothing(unit)) {
        c.io.write(LTO,
                   " *** " + name + " is the null device: the model is written, and not kept.");
      }
      return;
    }
    report_open_failure(c.io, name, "      Try another file name !", false);
  }
}

bool written(Conversion& c, int unit) {
  return !c.io.flush(unit) && !c.io.flush(LPU);
}

void write_identification(Conversion& c, int unit, std::string_view header) {
  c.io.write(unit, "# ");
  c.io.write(unit, "# ");
  c.io.write(unit, padded(header, 72));
  c.io.write(unit, "# Input File: " + std::string(trimmed(c.listing_name)));
  c.io.write(unit, "# Converted " + std::string(trimmed(c.stamp)));
  c.io.write(unit, "# ");
}

}  // namespace velkan
