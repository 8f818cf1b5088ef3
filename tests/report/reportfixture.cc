// Recorded model files and check runs for the report tests.
#include "report/reportfixture.h"

#include <fstream>
#include <sstream>

#include "report/modelcheck.h"
#include "support/testio.h"

namespace velkan::test {

std::string recorded(const std::string& relative) {
  std::ifstream in(std::string(VELKAN_EXPECTED) + "/" + relative, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> split_lines(const std::string& text) {
  return lines_of(text);
}

std::string join_lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

CheckRun run_check(const std::string& path) {
  CheckRun run;
  std::ostringstream out;
  run.status = check_model_file(path, out);
  run.output = out.str();
  const std::vector<std::string> lines = split_lines(run.output);
  const bool read = !lines.empty() && lines[0] == "Model file " + path;
  for (std::size_t k = read ? 1 : 0; k < lines.size(); ++k) {
    if (read && lines[k].rfind("  nodes ", 0) == 0) break;
    run.faults.push_back(lines[k]);
  }
  if (!lines.empty()) run.verdict = lines.back();
  return run;
}

}  // namespace velkan::test
