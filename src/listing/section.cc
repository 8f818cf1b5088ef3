// Title search and row reading.
#include "listing/section.h"

#include "lineinput/linereader.h"

namespace velkan {

bool Section::find(std::string_view title, std::size_t n) {
  // Only a record whose left-justified text starts with the title's head can
  // match; the others are passed over unread.
  const std::string_view head = title_head(title, n);
  const RecordHeads heads(&head, head.empty() ? 0 : 1);
  while (io_.read_upto_starting(lunin_, record_, kRecordLength, heads, records_before_rows_) == 0) {
    if (title_matches(record_, title, n)) return true;
  }
  return false;
}

bool Section::next_row(RowItems& row, std::int32_t& lerr, bool started) {
  for (;;) {
    if (!row.read(io_, lunin_, lpu_, lerr)) return false;
    if (row.count() < 0) return false;
    if (row.count() == 0) continue;
    if (!row.is_text(1)) return true;
    if (started) return false;
  }
}

std::int64_t Section::line_number() const {
  return records_before_rows_ + FIIQRY(9);
}

}  // namespace velkan
