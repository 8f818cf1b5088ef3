// A private temporary folder for one fuzzing process: the inputs are written
// into it as files, the program's output files land in it, and it is emptied
// between runs so that no run sees what an earlier one left.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace velkan::fuzz {

class WorkFolder {
 public:
  WorkFolder();
  ~WorkFolder();
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `bytes` as the file `name` in the folder and returns its path.
  std::string write(const std::string& name, std::string_view bytes) const;
  // Removes everything in the folder, keeping the folder itself.
  void empty() const;

 private:
  std::filesystem::path path_;
};

// The fuzzer's input as text.
inline std::string_view as_text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace velkan::fuzz
