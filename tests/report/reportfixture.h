// Helpers for the tests of model files read back: the recorded example
// model files, and a check run split into its parts.
#pragma once

#include <string>
#include <vector>

namespace velkan::test {

// The text of a model file recorded under tests/driver/expected, such as
// "riser-vomar/riser.vom".
std::string recorded(const std::string& relative);

// Lines of a text with "\n" line ends (a last line end adds no line), and back.
std::vector<std::string> split_lines(const std::string& text);
std::string join_lines(const std::vector<std::string>& lines);

// What check_model_file wrote and returned. `faults` are the lines between
// the heading and the first figure (all of the output when the file could
// not be read), `verdict` the last line.
struct CheckRun {
  int status = -1;
  std::string output;
  std::vector<std::string> faults;
  std::string verdict;
};
CheckRun run_check(const std::string& path);

}  // namespace velkan::test
