// velkan [size-in-millions] [options]: converts a FlexCom listing, the
// questions answered by the options or on standard input; velkan --help tells
// more.
#include "driver/entry.h"
#include "platform/arguments.h"
#include "platform/console.h"
#include "platform/filesizelimit.h"
#include "platform/interrupts.h"

int main(int argc, char** argv) {
  velkan::treat_file_size_limit_as_write_error();
  velkan::stop_cleanly_on_interrupt();
  velkan::StdConsole console;
  return velkan::velkan_main(velkan::command_line_arguments(argc, argv), console.in(),
                             console.out(), console.err(), console.input_file());
}
