// Plain text in columns: every column as wide as its widest cell, numbers
// right-aligned, texts left-aligned, two blanks between columns.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velkan {

class TextTable {
 public:
  enum class Align { kLeft, kRight };
  explicit TextTable(std::vector<Align> columns) : columns_(std::move(columns)) {}

  // One row; a row with fewer cells leaves the last columns empty.
  void add(std::vector<std::string> cells);
  bool empty() const { return rows_.empty(); }
  // Every row on its own line after `indent`, without trailing blanks.
  void write(std::ostream& out, std::string_view indent) const;

 private:
  std::vector<Align> columns_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace velkan
