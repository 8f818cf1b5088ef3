// The program entry: sizes and allocates the work array from the command line,
// runs the conversion driver and turns its result into the exit status.
#pragma once

#include <iosfwd>
#include <optional>
#include <string_view>

#include "platform/osfile.h"

namespace velkan {

// `size_arg` is the optional work-array size in millions of words, or a
// request for the usage text or the version, which is answered instead.
// `answers_file` is the file `in` reads, when it is one: no output may be it.
int velkan_main(std::optional<std::string_view> size_arg, std::istream& in, std::ostream& out,
                std::optional<FileId> answers_file = std::nullopt);

}  // namespace velkan
