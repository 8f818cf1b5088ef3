// Opening an output file and the identification lines written into it.
#include "driver/conversion.h"
#include "lineinput/charutil.h"
#include "store/fileopen.h"

namespace velkan {

void open_output_file(Conversion& c, int unit, std::string_view prompt) {
  for (;;) {
    const std::string name = c.ask.file_name(prompt);
    std::int32_t status = 0;
    OPNTXT(c.io, name, unit, 0, status);
    if (status == 0) return;
    c.io.write(LTO, "*** ERROR Opening File:" + name);
    c.io.write(LTO, "      Try another file name !");
  }
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
