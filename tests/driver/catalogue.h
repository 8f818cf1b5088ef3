// The fixture of the end-to-end tests on bad inputs: a folder holding the
// example riser listing, the built program run in it, and the texts its runs
// are checked against.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "run_program.h"

namespace velkan::test {

namespace fs = std::filesystem;

inline const std::string kCompleted =
    "\n\n\n  ======  F L E X C O M   C O N V E R T I O N     C O M P L E T E D    ======\n";
inline const std::string kFailed =
    "\n\n\n  ======  F L E X C O M   C O N V E R T I O N     F A I L E D    ======\n";
// The line of a failed run whose model file `name` did not exist before:
// what the run wrote, if anything, is kept beside it.
inline std::string kept_new(const std::string& name, bool wrote = true) {
  const std::string kept = wrote ? "; what this run wrote is in " + name + ".failed" : "";
  return "\n *** No model file " + name + " was made" + kept + ".\n";
}

inline const std::string kEndOfInput =
    "\n *** End of the console input: no answer to the last question.\n";

// Every default of a Vomar conversion of riser.lis (it has a hinge element),
// and of a Shear7 export.
inline const std::string kVomarDefaults = "\n\nriser.vom\n\n\n\n";
inline const std::string kShear7Defaults = "\n1\nriser.s7\n\n";

inline std::string example(const std::string& name) {
  std::ifstream f(fs::path(VELKAN_EXAMPLES) / name, std::ios::binary);
  std::ostringstream text;
  text << f.rdbuf();
  return text.str();
}

// `text` with its first `from` replaced by `to`.
inline std::string edited(std::string text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The lines of a model file without the line that holds the time of the run.
inline std::string without_stamp(const std::string& text) {
  std::string out;
  for (const std::string& line : test::lines_of(text)) {
    if (line.rfind("# Converted ", 0) != 0) out += line + "\n";
  }
  return out;
}

class Catalogue : public ::testing::Test {
 protected:
  Catalogue() { dir.write("riser.lis", riser); }
  ProgramRun velkan(const std::string& answers, const std::string& wrapper = "",
                    const std::string& args = "1") {
    return test::run_velkan(dir, args, answers, wrapper);
  }
  static std::string open_error(std::string_view name, std::string_view reason,
                                std::string_view retry) {
    return "*** ERROR Opening File:" + std::string(name) +
           "\n      Reason: " + std::string(reason) + "\n" + std::string(retry) + "\n";
  }

  const std::string riser = example("riser.lis");
  TempDir dir;
};

inline constexpr std::string_view kListingRetry = "      Try once more !";
inline constexpr std::string_view kOutputRetry = "      Try another file name !";

}  // namespace velkan::test
