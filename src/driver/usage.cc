// The usage text and the version line.
#include "driver/usage.h"

namespace velkan {
namespace {

constexpr std::string_view kUsage =
    "Usage: velkan [size-in-millions]\n"
    "\n"
    "Converts the printed listing of a FlexCom run into a Vomar model file or a\n"
    "Shear7 model file. The questions are asked on the console; the answers may\n"
    "as well be piped in or read from a file:  velkan < answers.txt\n"
    "\n"
    "  size-in-millions  work memory in millions of 32-bit words (default 50,\n"
    "                    that is 200 MB; 0.5 gives half a million words)\n"
    "  --help, -h, /?    shows this text\n"
    "  --version         shows the program's name and version\n"
    "\n"
    "Diagnostics go to the message file fort.17 in the working directory. The\n"
    "exit status is 0 for a completed conversion and 1 otherwise. The README\n"
    "that comes with the program tells more.\n";

}  // namespace

std::optional<std::string> information_request(std::string_view arg) {
  if (arg == "--help" || arg == "-h" || arg == "/?") return std::string(kUsage);
  if (arg == "--version") return "velkan " VELKAN_VERSION "\n";
  return std::nullopt;
}

}  // namespace velkan
