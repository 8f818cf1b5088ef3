// Fuzz target of the whole program, run in-process as the command line runs it:
// velkan_main with a work array of 200,000 words, a listing file and console
// answers, in a private working folder where the message file and the output
// files land. The program must never crash, leak, hang or trip a sanitizer; a
// failed conversion is fine.
//
// Input: the listing, then a line holding only "%%", then the console answers
// (no such line: all of it is the listing and the console is empty). The
// answer to the listing prompt is given by the target, so the answers begin at
// the operation menu. Path separators in the answers become '_', so every file
// the program opens or creates lies in the working folder.
//
// State kept between runs inside one process: the line reader's state is reset
// before each run; the open status remembered by OPNTXT is set by each of the
// program's own calls (the listing as an existing file, the outputs as new or
// overwritten ones) before it is used; the working folder is emptied.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/entry.h"
#include "lineinput/linereader.h"
#include "workfolder.h"

namespace {

constexpr std::string_view kSeparator = "\n%%\n";
constexpr std::string_view kListingName = "listing.lis";

std::string console_answers(std::string_view answers) {
  std::string console = std::string(kListingName) + "\n";
  console.append(answers);
  std::replace(console.begin(), console.end(), '/', '_');
  std::replace(console.begin(), console.end(), '\\', '_');
  return console;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const velkan::fuzz::WorkFolder folder;
  static const bool moved = (std::filesystem::current_path(folder.path()), true);
  (void)moved;
  folder.empty();

  const std::string_view input = velkan::fuzz::as_text(data, size);
  const std::size_t cut = input.find(kSeparator);
  const bool has_answers = cut != std::string_view::npos;
  const std::string_view listing = has_answers ? input.substr(0, cut + 1) : input;
  const std::string_view answers =
      has_answers ? input.substr(cut + kSeparator.size()) : std::string_view();
  folder.write(std::string(kListingName), listing);

  velkan::line_reader() = velkan::LineReaderState{};
  std::istringstream in(console_answers(answers));
  std::ostringstream out;
  const std::vector<std::string> args{"0.2"};
  velkan::velkan_main(args, in, out, out);
  return 0;
}
