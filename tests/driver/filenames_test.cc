// File names as users type them, through the built program: absolute paths in
// the system's own form and with forward slashes, blanks, letters beyond ASCII
// (typed as UTF-8), and answer lines ended by CR LF. Every run writes the same
// model file, apart from the names it records and its date.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "run_program.h"

namespace velkan {
namespace {

namespace fs = std::filesystem;

std::string bytes_of(const std::u8string& text) {
  return std::string(text.begin(), text.end());
}

// The model file without its line that records the run's date.
std::string without_date(const std::string& model) {
  std::string kept;
  for (const std::string& line : test::lines_of(model)) {
    if (line.rfind("# Converted  Date : ", 0) != 0) kept += line + "\n";
  }
  return kept;
}

TEST(FileNames, TypedNamesReachTheirFilesAndTheModelIsTheSame) {
  struct Case {
    std::u8string listing;  // the listing's file name in the working directory
    std::u8string model;
    bool absolute;  // the listing is typed as an absolute path
    bool generic;   // ... written with forward slashes
    std::string line_end;
  } cases[] = {
      {u8"riser.lis", u8"riser.vom", false, false, "\n"},
      {u8"riser.lis", u8"riser.vom", false, false, "\r\n"},
      {u8"riser.lis", u8"riser.vom", true, false, "\n"},
      {u8"riser.lis", u8"riser.vom", true, true, "\r\n"},
      {u8"my riser.lis", u8"my model.vom", false, false, "\n"},
      {u8"r\u00efser \u00f8.lis", u8"m\u00f3del \u00fc.vom", false, false, "\r\n"},
      {u8"\u6cb3 riser.lis", u8"\u6a21\u578b.vom", true, false, "\n"},
  };
  std::string reference;
  for (const Case& c : cases) {
    test::TempDir dir;
    const fs::path listing = dir.path() / c.listing;
    fs::copy_file(fs::path(VELKAN_EXAMPLES) / "riser.lis", listing);
    std::u8string typed = c.listing;
    if (c.absolute) typed = c.generic ? listing.generic_u8string() : listing.u8string();
    const std::vector<std::string> answers = {
        bytes_of(typed), "", "", bytes_of(c.model), "", "", ""};
    std::string input;
    for (const std::string& a : answers) input += a + c.line_end;
    const test::ProgramRun run = test::run_velkan(dir, "1", input);
    const std::string label = bytes_of(typed);
    EXPECT_EQ(run.exit_status, 0) << label << "\n" << run.console;
    ASSERT_TRUE(fs::exists(dir.path() / c.model)) << label;
    std::ifstream f(dir.path() / c.model, std::ios::binary);
    const std::string model{std::istreambuf_iterator<char>(f), {}};
    EXPECT_EQ(test::lines_of(model).at(3), "# Input File: " + label);
    EXPECT_EQ(model.find('\r'), std::string::npos) << label;
    std::string rest = without_date(model);
    rest.erase(0, rest.find("\n# Input File: "));
    rest.erase(0, rest.find('\n', 1));
    if (reference.empty()) reference = rest;
    EXPECT_EQ(rest, reference) << label;
  }
}

}  // namespace
}  // namespace velkan
