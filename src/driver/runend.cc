// The end of a run: closing and checking the files, and the verdict.
#include "driver/runend.h"

#include <string>

#include "driver/filemessages.h"
#include "driver/fileunits.h"
#include "platform/wholefile.h"

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

// Where a model file that did not complete is kept: beside its name.
std::string failed_name(const std::string& name) {
  return name + ".failed";
}

// Ends a model file of a run that failed: the file named is left as it was,
// and what the run wrote is kept under a name that says so (or removed, when
// the run wrote nothing or that name is taken by a file of the run). One line
// says so, on the console and in the message file.
void keep_failed_model_file(Units& io, int unit) {
  if (!io.writes_partial(unit)) {
    io.close(unit);
    return;
  }
  const std::string name = io.file_name(unit);
  const std::string kept = io.discard(unit, failed_name(name));
  std::string line = file_id_of(name) ? " *** " + name + " is left as it was"
                                      : " *** No model file " + name + " was made";
  line += kept.empty() ? "." : "; what this run wrote is in " + kept + ".";
  for (const int to : {LTO, LPU}) {
    io.newline(to);
    io.write(to, line);
  }
}

// Puts a model file of a completed run in place. What an earlier failed run
// kept beside it is removed then: it is out of date.
OsError commit_model_file(Units& io, int unit) {
  const std::string name = io.file_name(unit);
  const bool partial = io.writes_partial(unit);
  if (const OsError err = io.commit(unit)) return err;
  OsError ignored;
  if (partial && io.may_replace(failed_name(name)) && file_id_of(failed_name(name))) {
    remove_file(failed_name(name), ignored);
  }
  return {};
}

// Ends a model file: in place when the run completed and all of it reached
// the file; otherwise kept as one of a failed run. A file that could not be
// written is named with the reason on the console and in the message file.
// False when the file fails the run.
bool end_model_file(Units& io, int unit, bool completed) {
  const std::string name = io.file_name(unit);
  OsError err = io.flush(unit);
  if (!err && completed) err = commit_model_file(io, unit);
  if (err) {
    for (const int to : {LTO, LPU}) report_file_error(io, to, "Writing", name, err);
  }
  if (io.is_open(unit)) keep_failed_model_file(io, unit);
  return !err;
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

std::int32_t end_run(Units& io, Outcome outcome, const std::function<bool()>& after_models) {
  if (!listing_read(io)) outcome = Outcome::kFailed;
  // A model file is put in place only when the run completed and its
  // messages so far reached the message file.
  if (outcome == Outcome::kCompleted && io.flush(LPU)) outcome = Outcome::kFailed;
  for (const int unit : {LPUS7, LPUUFO}) {
    if (io.is_open(unit) && !end_model_file(io, unit, outcome == Outcome::kCompleted)) {
      outcome = Outcome::kFailed;
    }
  }
  if (outcome == Outcome::kCompleted && after_models && !after_models()) {
    outcome = Outcome::kFailed;
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
