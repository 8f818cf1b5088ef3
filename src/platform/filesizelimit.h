// The file-size limit of the process as the converter meets it: a write beyond
// the limit must fail like any other write (and be reported), not end the
// process without a word.
#pragma once

namespace velkan {

// Makes a write beyond the process's file-size limit fail with an error
// instead of stopping the program. Called once at start.
void treat_file_size_limit_as_write_error();

}  // namespace velkan
