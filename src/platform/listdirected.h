// Free-format ("list-directed") reading of numbers from an answer line: values
// separated by blanks, tabs or commas; integers with an optional sign; reals
// in any of the forms 12, -1.5, .5, 5., 1E8, 2.5d-3.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace velkan {

// Splits a line into its value tokens.
std::vector<std::string_view> list_tokens(std::string_view line);

std::optional<std::int32_t> parse_list_integer(std::string_view token);
std::optional<double> parse_list_real(std::string_view token);

}  // namespace velkan
