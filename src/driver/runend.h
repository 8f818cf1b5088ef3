// The end of a run: the model files closed and checked, every file error the
// run met reported, the message file closed, and the verdict frame.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/units.h"

namespace velkan {

// How a sequence ended: completed, failed (the driver's failed verdict), or
// failed after the file was finished (the failed frame on the console only).
enum class Outcome { kCompleted, kFailed, kFailedAfterTrailer };

// Writes the verdict frame of a run (a failure also on the message unit,
// unless the output file was finished); returns the run's status.
std::int32_t write_verdict(Units& io, Outcome outcome);

// Closes the Shear7 and Vomar files and the message file, and writes the
// verdict; returns the run's status. A model file that could not be written
// in full, a read error on the listing and a message file that could not be
// written each fail the run, with the file's name and the reason on the
// console (and in the message file while it works). When the run completed,
// `after_models` runs once the model files are in place, before the message
// file is closed; its false fails the run.
std::int32_t end_run(Units& io, Outcome outcome, const std::function<bool()>& after_models = {});

}  // namespace velkan
