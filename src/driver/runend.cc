// The end of a run: closing and checking the files, and the verdict.
#include "driver/runend.h"

#include <string>

#include "driver/conversion.h"
#include "driver/filemessages.h"

namespace velkan {
namespace {

constexpr std::string_view kFrame = "  ======  F L E X C O M   C O N V E R T I O N ";
constexpr std::string_view kCompletedText = "    C O M P L E T E D    ======";
constexpr std::string_view kFailedText = "    F A I L E D    ======";

void write_frame(Units& io, int unit, std::string_view verdict) {
  io.newline(unit);
  io.newline(unit);
  io.newline(unit);
  io.write(unit, std::string(kFrame) + std::string(verdict));
}

// Closes a model file; false (with the file's name and the reason on the
// console and in the message file) when not all of it reached the file.
bool close_model_file(Units& io, int unit) {
  const std::string name = io.file_name(unit);
  const OsError err = io.close(unit);
  if (!err) return true;
  for (const int to : {LTO, LPU}) report_file_error(io, to, "Writing", name, err);
  return false;
}

// A read error on the listing, which the reader that met it has reported in
// the message file: named on the console too. False when there was one.
bool listing_read(Units& io) {
  const OsError err = io.error(LRUSTD);
  if (!err) return true;
  report_file_error(io, LTO, "Reading", io.file_name(LRUSTD), err);
  return false;
}

// The verdict frame on the console; returns the run's status.
std::int32_t console_verdict(Units& io, bool completed) {
  write_frame(io, LTO, completed ? kCompletedText : kFailedText);
  return completed ? 0 : -1;
}

}  // namespace

std::int32_t write_verdict(Units& io, Outcome outcome) {
  if (outcome == Outcome::kFailed) write_frame(io, LPU, kFailedText);
  return console_verdict(io, outcome == Outcome::kCompleted);
}

std::int32_t end_run(Units& io, Outcome outcome) {
  if (!listing_read(io)) outcome = Outcome::kFailed;
  for (const int unit : {LPUS7, LPUUFO}) {
    if (!close_model_file(io, unit)) outcome = Outcome::kFailed;
  }
  // The message file is closed before the console learns the verdict: its
  // diagnostics are part of the run, and losing them fails the run too.
  if (outcome == Outcome::kFailed) write_frame(io, LPU, kFailedText);
  const std::string messages = io.file_name(LPU);
  bool completed = outcome == Outcome::kCompleted;
  if (const OsError err = io.close(LPU)) {
    report_file_error(io, LTO, "Writing", messages, err);
    completed = false;
  }
  return console_verdict(io, completed);
}

}  // namespace velkan
