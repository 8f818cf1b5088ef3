// Conversions with a report, through the built program: the run, its JSON
// page parsed and its HTML page read, for the tests of the report.
#pragma once

#include <string>

#include "catalogue.h"
#include "report/jsonvalue.h"

namespace velkan::test {

struct ReportRun {
  ProgramRun run;
  JsonValue json;
  std::string html;
};

// Runs velkan in `dir` with `args` and the report's two options (report.html,
// report.json), the answers on standard input.
ReportRun run_with_report(const TempDir& dir, const std::string& args,
                          const std::string& answers = "");

// The example listings and answer files copied into `dir`/examples.
void copy_examples(const TempDir& dir);

// The flag codes of a report, in order, each with its riser ("mass_changed:2").
std::vector<std::string> flag_codes(const JsonValue& report);

// The riser of a report numbered `number` (from 1).
const JsonValue& riser(const JsonValue& report, std::size_t number);

}  // namespace velkan::test
