// Character utilities. Only the blank (code 32) counts as blank; a tab does not.
// Routines: FRSTNB, LASTNB, UPCASE, NOTDIG.
#include "lineinput/charutil.h"

namespace velkan {

int FRSTNB(std::string_view s) {
  const std::size_t p = s.find_first_not_of(' ');
  return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

int LASTNB(std::string_view s) {
  const std::size_t p = s.find_last_not_of(' ');
  return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

void UPCASE(std::string& s) {
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
}

bool NOTDIG(char c) {
  return c < '0' || c > '9';
}

std::string padded(std::string_view s, std::size_t length) {
  std::string out(s.substr(0, length));
  out.resize(length, ' ');
  return out;
}

}  // namespace velkan
