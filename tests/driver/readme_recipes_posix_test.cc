// The README's shell recipes run as written: each block marked as a shell
// recipe is run on a folder of the shipped listings, with the built program
// on the path, and must convert every listing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue.h"

namespace velkan::test {
namespace {

// The code blocks of the README that follow a line "<!-- recipe: `kind` -->".
std::vector<std::string> recipes(const std::string& kind) {
  std::ifstream readme(fs::path(VELKAN_EXAMPLES).parent_path() / "README.md");
  std::vector<std::string> blocks;
  std::string line;
  bool marked = false, inside = false;
  while (std::getline(readme, line)) {
    if (line == "<!-- recipe: " + kind + " -->") {
      marked = true;
    } else if (marked && !inside && line.starts_with("```")) {
      inside = true;
      blocks.emplace_back();
    } else if (inside && line.starts_with("```")) {
      inside = marked = false;
    } else if (inside) {
      blocks.back() += line + "\n";
    }
  }
  return blocks;
}

TEST(ReadmeRecipes, TheShellRecipesConvertAFolderOfListings) {
  const std::vector<std::string> blocks = recipes("sh");
  ASSERT_EQ(blocks.size(), 2u);
  const std::string bin = fs::absolute(VELKAN_EXE).parent_path().string();
  for (const std::string& block : blocks) {
    TempDir dir;
    fs::create_directory(dir.path() / "listings");
    for (const char* name : {"riser", "jumper"}) {
      dir.write(std::string("listings/") + name + ".lis", example(std::string(name) + ".lis"));
    }
    dir.write("recipe.sh", block);
    const std::string command = "cd '" + dir.path().string() + "' && PATH='" + bin +
                                "':\"$PATH\" sh recipe.sh > recipe.out 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << block << dir.read("recipe.out");
    EXPECT_EQ(dir.read("recipe.out"), "") << block;
    for (const char* name : {"riser", "jumper"}) {
      const std::string base = std::string("listings/") + name;
      EXPECT_TRUE(dir.read(base + ".vom").ends_with("' ------------- E O F ------------\n"))
          << block << name;
      EXPECT_NE(dir.read(base + ".log").find(kCompleted), std::string::npos) << block << name;
    }
  }
}

}  // namespace
}  // namespace velkan::test
