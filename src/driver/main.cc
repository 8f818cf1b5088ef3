// velkan [size-in-millions]: converts a FlexCom listing, answering on standard
// input; velkan --help and velkan --version tell about the program.
#include <optional>
#include <string_view>

#include "driver/entry.h"
#include "platform/console.h"
#include "platform/filesizelimit.h"
#include "platform/interrupts.h"

int main(int argc, char** argv) {
  velkan::treat_file_size_limit_as_write_error();
  velkan::stop_cleanly_on_interrupt();
  velkan::StdConsole console;
  std::optional<std::string_view> size_arg;
  if (argc > 1) size_arg = argv[1];
  return velkan::velkan_main(size_arg, console.in(), console.out(), console.input_file());
}
