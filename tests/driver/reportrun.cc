// Conversions with a report, and what the tests read from its pages.
#include "reportrun.h"

namespace velkan::test {

ReportRun run_with_report(const TempDir& dir, const std::string& args, const std::string& answers) {
  ReportRun r;
  r.run = run_velkan(dir, args + " --report report.html --report-json report.json", answers);
  if (r.run.exit_status == 0) r.json = parse_json(dir.read("report.json"));
  r.html = dir.read("report.html");
  return r;
}

void copy_examples(const TempDir& dir) {
  fs::create_directory(dir.path() / "examples");
  for (const auto& file : fs::directory_iterator(VELKAN_EXAMPLES)) {
    fs::copy_file(file.path(), dir.path() / "examples" / file.path().filename());
  }
}

std::vector<std::string> flag_codes(const JsonValue& report) {
  std::vector<std::string> codes;
  for (const JsonValue& f : report["flags"].items) {
    codes.push_back(f["code"].text + ":" + std::to_string(static_cast<int>(f["riser"].number)));
  }
  return codes;
}

const JsonValue& riser(const JsonValue& report, std::size_t number) {
  return report["risers"][number - 1];
}

}  // namespace velkan::test
