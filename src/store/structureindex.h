// The fixed table of parameter names of a table-form structure record (STRIDX).
#pragma once

#include <cstdint>
#include <string_view>

namespace velkan {

// Entry number (1..200) of a six-character name in the fixed table, 0 if absent.
std::int32_t STRIDX(std::string_view name6);

}  // namespace velkan
