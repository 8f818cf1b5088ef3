// The command line's requests for information instead of a conversion: the
// usage text (--help, -h, /?) and the program's name and version (--version).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velkan {

// The text that answers `arg` when it asks for the usage or the version; none
// for anything else, which is the size argument.
std::optional<std::string> information_request(std::string_view arg);

}  // namespace velkan
