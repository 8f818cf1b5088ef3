// The console's unit numbers, as the whole program names them: LTI for the
// answers read from standard input, LTO for the prompts, progress lines and
// messages written on standard output.
#pragma once

#include "platform/units.h"

namespace velkan {

inline constexpr int LTI = Units::kConsoleIn;
inline constexpr int LTO = Units::kConsoleOut;

}  // namespace velkan
