// The prompt loop for an output file.
#include "driver/conversion.h"
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

}  // namespace velkan
