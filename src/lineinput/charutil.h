// Small operations on fixed-length, blank-padded texts; positions count from 1.
#pragma once

#include <string>
#include <string_view>

namespace velkan {

// Position of the first character that is not a blank; 0 for a blank text.
int FRSTNB(std::string_view s);
// Position of the last character that is not a blank; 0 for a blank text.
int LASTNB(std::string_view s);
// Letters a..z become A..Z; nothing else changes (no locale).
void UPCASE(std::string& s);
// True when `c` is not one of 0..9.
bool NOTDIG(char c);

// The text up to its last non-blank character.
inline std::string_view trimmed(std::string_view s) {
  return s.substr(0, static_cast<std::size_t>(LASTNB(s)));
}
// `s` cut or padded with blanks to `length` characters.
std::string padded(std::string_view s, std::size_t length);

}  // namespace velkan
