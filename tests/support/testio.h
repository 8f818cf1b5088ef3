// Test fixtures: a private temporary directory and a unit table whose console
// is a pair of string streams, so tests can script answers and read what was
// written to the console and to files.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/units.h"

namespace velkan::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // Writes `text` to a file in the directory and returns its path.
  std::string write(const std::string& name, const std::string& text) const;
  // Whole content of a file in the directory ("" when missing).
  std::string read(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

struct TestIo {
  explicit TestIo(const std::string& answers = "") : in(answers) {}
  TempDir dir;
  std::istringstream in;
  std::ostringstream out;
  Units units{in, out, dir.path().string()};

  std::string console() {
    units.flush_all();
    return out.str();
  }
  std::string file(const std::string& name) {
    units.flush_all();
    return dir.read(name);
  }
};

// Splits text into lines (without line ends); a final line end adds no line.
std::vector<std::string> lines_of(const std::string& text);

}  // namespace velkan::test
