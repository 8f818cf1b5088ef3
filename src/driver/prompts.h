// Console prompts written so that the answer is typed on the same line
// (ASKLIN), and the date-and-time stamp of a run (RUNSTP).
#pragma once

#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/units.h"

namespace velkan {

// Writes one blank and the first min(length, 80) characters of `prompt`,
// without ending the line.
void ASKLIN(Units& io, int unit, std::string_view prompt, int length);

// " Date : YYYY-MM-DD HH:MM:SS" of the local time, cut or padded to `length`.
std::string RUNSTP(int length, int level);
// The same stamp for a given time.
std::string run_stamp(const LocalTime& t, int length);

}  // namespace velkan
