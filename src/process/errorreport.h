// Failure reports of the processing routines: the routine's error line after an
// empty line, then its detail lines.
#pragma once

#include <initializer_list>
#include <string_view>

#include "platform/units.h"

namespace velkan {

// Writes an empty line, "  *** ERROR IN <routine> ***" and the detail lines.
void report_error(Units& io, int unit, std::string_view routine,
                  std::initializer_list<std::string_view> details);

}  // namespace velkan
