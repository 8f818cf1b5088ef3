// The numbers of a report as text, through the program's own number edits,
// so that every system writes the same characters.
#pragma once

#include <cstdint>
#include <string>

namespace velkan {

// Fixed point with `decimals` decimals ("-" for a value that is not finite).
std::string decimal(double value, int decimals);
// The same with a sign always ("+0.876").
std::string signed_decimal(double value, int decimals);
// 1P E form with `decimals` decimals ("1.0000E+08").
std::string scientific(double value, int decimals);
// Every digit a double needs to read back the same, for JSON ("null" for a
// value that is not finite).
std::string exact(double value);
std::string whole(std::int64_t value);

}  // namespace velkan
