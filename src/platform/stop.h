// A stop of the whole program from deep inside a routine (the line reader's
// end-of-file rule). The entry routine catches it, closes the units and ends
// the process with the carried exit status.
#pragma once

namespace velkan {

struct ProgramStop {
  int exit_status = 1;
};

}  // namespace velkan
