// Failure reports of the processing routines.
#include "process/errorreport.h"

#include <string>

namespace velkan {

void report_error(Units& io, int unit, std::string_view routine,
                  std::initializer_list<std::string_view> details) {
  io.newline(unit);
  std::string head = "  *** ERROR IN ";
  head.append(routine).append(" ***");
  io.write(unit, head);
  for (const std::string_view line : details) io.write(unit, line);
}

}  // namespace velkan
