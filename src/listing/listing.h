// Access to the FlexCom listing shared by the readers: preparing a pass,
// finding a section title, reading rows as typed items, reporting failure.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/units.h"

namespace velkan {

inline constexpr std::size_t kRecordLength = 132;

// Rewinds the listing and prepares the line reader for one pass over it.
void TRX_OPEN(Units& io, int lunin, int lunout, std::int32_t& ierr);

// The blank line, the two count lines and the blank line a reader writes on
// `lunout` after its table (nothing when `lunout` is 0 or less): `n` and
// " `table` lines read.", then " Totally" `n` and " `stored`".
void write_count_lines(Units& io, int lunout, std::int32_t n, std::string_view table,
                       std::string_view stored);

// After a reader's count lines, the line that says how many of the `n`
// elements have no row under the table `title` (its trailing blanks left
// out), on `lunout` and `lpu` (where above 0); nothing when every element has one.
void write_missing_rows(Units& io, int lunout, int lpu, std::int64_t missing, std::int32_t n,
                        std::string_view title);

// What a reader found of one table: whether the listing has it and, when its
// rows were read to its end, how many elements have no row in it.
struct TableRows {
  bool found = false;
  bool read_whole = false;
  std::int64_t missing = 0;
};

// The record from its first to its last non-blank character ("" when blank).
std::string_view left_justified(std::string_view record);
// True when the left-justified text begins with the first n characters of
// `title`, both blank-padded as far as needed.
bool starts_with_title(std::string_view text, std::string_view title, std::size_t n);
// The same for a record as read.
inline bool title_matches(std::string_view record, std::string_view title, std::size_t n) {
  return starts_with_title(left_justified(record), title, n);
}
// The beginning that every record matching the first n characters of `title`
// starts with (after its leading blanks): those characters without trailing
// blanks; empty when every record may match.
std::string_view title_head(std::string_view title, std::size_t n);

// The items of one row as the line reader returns them, numbered from 1.
class RowItems {
 public:
  static constexpr std::size_t kCapacity = 100;

  // Reads the next significant line; false when the reader reported an error
  // (`lerr` went down). `count()` is then the item count, or -1 at the end of file.
  bool read(Units& io, int lunin, int lpu, std::int32_t& lerr);
  // Sets every item value to 0.0, so items missing from a short row read as 0.0.
  // Only values that a read may have set are written.
  void clear_values() {
    std::fill_n(rval_.begin(), set_, 0.0);
    set_ = 0;
  }

  std::int32_t count() const { return npar_; }
  bool is_text(int k) const { return type_[static_cast<std::size_t>(k - 1)] == 3; }
  double value(int k) const { return rval_[static_cast<std::size_t>(k - 1)]; }
  // True when an item is a number no model can hold: beyond the range of
  // reals (1E400), or a word that a program prints for one (NaN, Inf, Infinity).
  bool holds_non_finite() const;

 private:
  std::int32_t npar_ = 0;
  std::size_t set_ = 0;  // values before this one may be other than 0.0
  std::array<std::int32_t, kCapacity> type_{};
  std::array<double, kCapacity> rval_{};
  std::array<std::string, kCapacity> cval_;
};

// The failure report of a reader: `ierr` = -1; the error text goes to the
// message unit only when a store or line-reader call failed (`lerr` < 0) or a
// detail is given.
void reader_failed(Units& io, int lpu, std::int32_t lerr, std::string_view error_line,
                   std::int32_t& ierr, std::string_view detail = {});

// A read error on the listing fails the reader, never ends its pass as the end
// of the file would: the failure report names the listing and the system's
// reason. False when the listing has met no error.
bool listing_read_failed(Units& io, int lunin, int lpu, std::string_view error_line,
                         std::int32_t& ierr);

// The detail line for a row holding a number that is not finite, `where` being
// for example "line 12 of the listing".
std::string non_finite_detail(std::string_view where);
// "line <n> of the listing".
std::string listing_line(std::int64_t n);

}  // namespace velkan
