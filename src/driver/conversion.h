// What the driver hands to a conversion sequence: the units, the dialogue, the
// store and the run's names and counts.
#pragma once

#include <cstdint>
#include <string>

#include "driver/dialogue.h"
#include "driver/runend.h"
#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

// Unit numbers of a run.
inline constexpr int LTI = 5;
inline constexpr int LTO = 6;
inline constexpr int LRUSTD = 16;
inline constexpr int LPU = 17;
inline constexpr int LPUUFO = 23;
inline constexpr int LPUS7 = 24;

struct Conversion {
  Units& io;
  Dialogue& ask;
  WorkArray& wa;
  std::string listing_name;  // as typed, up to its last non-blank
  std::string stamp;         // the run stamp
  std::int32_t nel = 0;
  std::int32_t nnp = 0;
  std::int32_t mxgepr = 0;
  std::int32_t mxmapr = 0;
};

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
