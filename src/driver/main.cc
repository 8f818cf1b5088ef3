// velkan [size-in-millions]: converts a FlexCom listing, answering on standard input.
#include <iostream>
#include <optional>
#include <string_view>

#include "driver/entry.h"
#include "platform/filesizelimit.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  velkan::treat_file_size_limit_as_write_error();
  std::optional<std::string_view> size_arg;
  if (argc > 1) size_arg = argv[1];
  return velkan::velkan_main(size_arg, std::cin, std::cout);
}
