// Fixed-width number edits as a Fortran compiler's formatted output writes them
// (Iw, Fw.d, 1P Ew.d, nX), with asterisks over the whole field when a value does
// not fit, and a small line builder that strings such fields together.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velkan {

// Append one field to `out`.
void put_i(std::string& out, std::int64_t value, int width);          // Iw
void put_f(std::string& out, double value, int width, int decimals);  // Fw.d
void put_e(std::string& out, double value, int width, int decimals);  // 1P Ew.d

// The same edits returned as a new string.
std::string fmt_i(std::int64_t value, int width);
std::string fmt_f(double value, int width, int decimals);
std::string fmt_e(double value, int width, int decimals);

// Builds one output line field by field:
//   Line l; l.a(" NODE     ").i(17, 10).f(x, 15, 3);  io.write(unit, l.str());
class Line {
 public:
  // Room for a whole record from the start: a line grown by appends would
  // otherwise be reallocated a few times on its way to its length.
  Line() { s_.reserve(kRoom); }
  Line& a(std::string_view text) {
    s_.append(text);
    return *this;
  }
  Line& x(int blanks) {
    if (blanks > 0) s_.append(static_cast<std::size_t>(blanks), ' ');
    return *this;
  }
  Line& i(std::int64_t value, int width) {
    put_i(s_, value, width);
    return *this;
  }
  Line& f(double value, int width, int decimals) {
    put_f(s_, value, width, decimals);
    return *this;
  }
  Line& e(double value, int width, int decimals) {
    put_e(s_, value, width, decimals);
    return *this;
  }
  const std::string& str() const { return s_; }
  operator std::string_view() const { return s_; }
  Line& clear() {
    s_.clear();
    return *this;
  }

 private:
  static constexpr std::size_t kRoom = 136;
  std::string s_;
};

}  // namespace velkan
