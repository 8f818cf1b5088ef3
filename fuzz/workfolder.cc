// The fuzz targets' temporary folder.
#include "workfolder.h"

#include <fstream>
#include <random>

namespace velkan::fuzz {

WorkFolder::WorkFolder() {
  std::random_device rd;
  const auto base = std::filesystem::temp_directory_path();
  do {
    path_ = base / ("velkan-fuzz-" + std::to_string(rd()));
  } while (!std::filesystem::create_directory(path_));
}

WorkFolder::~WorkFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string WorkFolder::write(const std::string& name, std::string_view bytes) const {
  const std::string p = (path_ / name).string();
  std::ofstream(p, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return p;
}

void WorkFolder::empty() const {
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    std::filesystem::remove_all(entry.path());
  }
}

}  // namespace velkan::fuzz
