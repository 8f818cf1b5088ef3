// Cutting a whole string into blank-separated tokens typed integer (1), real (2)
// or text (3), for reading label lines of the listing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velkan {

// Splits `s` at runs of blanks (a tab is an ordinary character) and classifies
// every token. types[k] gets the type; reals[k] the value (0.0 for a text);
// texts[k] the token cut or blank-padded to text_len for a text, blanks
// otherwise. Stops when the shortest array is full; returns the number stored.
int STRSPL(std::string_view s, std::span<std::int32_t> types, std::span<double> reals,
           std::span<std::string> texts, std::size_t text_len);

// Type of one token and its value: all digits 1; a leading sign, or a leading
// digit with a point or with an E followed by a sign or digit, 2; otherwise 3.
// A token typed as a number that does not read as one is a text. `value` is 0.0
// for a text.
std::int32_t TOKTYP(std::string_view token, double& value);

}  // namespace velkan
