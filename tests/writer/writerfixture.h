// Helpers for the writer tests: real tables over a small integer backing store
// (two words per real, as in the work array), right-aligned expected fields,
// and the lines a writer left in the model file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "store/realspan.h"
#include "support/testio.h"

namespace velkan::test {

inline constexpr int kModelUnit = 23;

// Rows of `row_length` reals; row and word counted from 1 as in the model store.
class RealTable {
 public:
  RealTable(std::size_t rows, std::size_t row_length)
      : words_(2 * rows * row_length), row_length_(row_length) {}
  RealSpan span() {
    return RealSpan(reinterpret_cast<std::byte*>(words_.data()), words_.size() / 2);
  }
  void set(std::size_t row, std::size_t k, double v) {
    span().set((row - 1) * row_length_ + (k - 1), v);
  }
  void set_row(std::size_t row, std::initializer_list<double> v) {
    std::size_t k = 1;
    for (const double x : v) set(row, k++, x);
  }

 private:
  std::vector<std::int32_t> words_;
  std::size_t row_length_;
};

// `text` right-aligned in `width` characters.
inline std::string rj(const std::string& text, std::size_t width) {
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}
inline std::string rj(long long value, std::size_t width) {
  return rj(std::to_string(value), width);
}

// Fields joined into one line.
inline std::string cat(std::initializer_list<std::string> parts) {
  std::string s;
  for (const auto& p : parts) s += p;
  return s;
}

struct ModelFile : TestIo {
  std::vector<std::string> lines() { return lines_of(file("fort.23")); }
};

}  // namespace velkan::test
