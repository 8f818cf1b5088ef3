// Plain text in columns.
#include "commandline/texttable.h"

#include <algorithm>

namespace velkan {

void TextTable::add(std::vector<std::string> cells) {
  cells.resize(columns_.size());
  rows_.push_back(std::move(cells));
}

void TextTable::write(std::ostream& out, std::string_view indent) const {
  std::vector<std::size_t> width(columns_.size(), 0);
  for (const auto& row : rows_) {
    for (std::size_t c = 0; c < row.size(); ++c) width[c] = std::max(width[c], row[c].size());
  }
  for (const auto& row : rows_) {
    std::string line(indent);
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) line += "  ";
      const std::string pad(width[c] - row[c].size(), ' ');
      line += columns_[c] == Align::kRight ? pad + row[c] : row[c] + pad;
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
  }
}

}  // namespace velkan
