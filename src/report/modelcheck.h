// Checking a model file from the command line: its faults, its figures and
// the verdict.
#pragma once

#include <iosfwd>
#include <string_view>

namespace velkan {

// Reads and checks the model file `name` and writes to `out` the faults, one
// line each, the model's figures and the verdict. Returns 0 when the file
// holds, 1 when it has faults; a file that cannot be opened or read gives one
// line with the reason and 1.
int check_model_file(std::string_view name, std::ostream& out);

}  // namespace velkan
