// One titled section of the listing: the title search by plain record reads,
// then the section's rows through the line reader.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "listing/listing.h"
#include "platform/units.h"

namespace velkan {

class Section {
 public:
  Section(Units& io, int lunin, int lpu) : io_(io), lunin_(lunin), lpu_(lpu) {}

  // Reads records until one matches the first n characters of `title`; false
  // at the end of the file.
  bool find(std::string_view title, std::size_t n);
  // The next row that starts with a number. Rows without items are passed
  // over; a text row is a heading and passed over while `started` is false,
  // and ends the section once rows were taken. False at the end of the section
  // or of the file, and when the line reader failed (`lerr` went down).
  bool next_row(RowItems& row, std::int32_t& lerr, bool started);
  // Line number in the listing of the last row read.
  std::int64_t line_number() const;

 private:
  Units& io_;
  int lunin_;
  int lpu_;
  std::string record_;
  std::int64_t records_before_rows_ = 0;  // records read by the title search
};

}  // namespace velkan
