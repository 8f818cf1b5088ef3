// Every shipped example conversion, run through the built program, gives the
// console transcript and the files recorded in tests/driver/expected, byte for
// byte (the run-stamp line of a model file aside).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "run_program.h"

namespace velkan::test {
namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream text;
  text << f.rdbuf();
  return text.str();
}

// The file with the time of the run replaced, as the recorded files hold it.
std::string without_stamp(std::string text) {
  const std::string stamp = "# Converted  Date : ";
  for (std::size_t at = text.find(stamp); at != std::string::npos; at = text.find(stamp, at)) {
    at += stamp.size();
    const std::size_t end = std::min(text.find('\n', at), text.size());
    text.replace(at, end - at, "(run stamp)");
  }
  return text;
}

TEST(Examples, EveryConversionGivesItsRecordedFiles) {
  const fs::path examples(VELKAN_EXAMPLES);
  const fs::path expected = examples.parent_path() / "tests" / "driver" / "expected";
  int cases = 0;
  for (const auto& entry : fs::directory_iterator(expected)) {
    const std::string name = entry.path().filename().string();
    TempDir dir;
    fs::create_directory(dir.path() / "examples");
    for (const auto& file : fs::directory_iterator(examples)) {
      fs::copy_file(file.path(), dir.path() / "examples" / file.path().filename());
    }
    const ProgramRun run = run_velkan(dir, "", read_file(examples / (name + ".ans")));
    EXPECT_EQ(run.exit_status, 0) << name;
    std::set<std::string> made;
    for (const auto& file : fs::directory_iterator(dir.path())) {
      const std::string f = file.path().filename().string();
      if (f != "examples" && f != "answers.txt") made.insert(f);
    }
    std::set<std::string> recorded;
    for (const auto& file : fs::directory_iterator(entry.path())) {
      const std::string f = file.path().filename().string();
      recorded.insert(f);
      EXPECT_EQ(without_stamp(read_file(dir.path() / f)), read_file(file.path()))
          << name << "/" << f;
    }
    EXPECT_EQ(made, recorded) << name;
    ++cases;
  }
  EXPECT_EQ(cases, 4);
}

}  // namespace
}  // namespace velkan::test
