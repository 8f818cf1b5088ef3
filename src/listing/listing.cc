// Listing access shared by the readers.
// Routines: TRX_OPEN.
#include "listing/listing.h"

#include <algorithm>
#include <cmath>

#include "lineinput/charutil.h"
#include "lineinput/linereader.h"
#include "lineinput/mixeditems.h"
#include "platform/int32arith.h"
#include "platform/numfmt.h"
#include "store/registerrecords.h"

namespace velkan {

void write_count_lines(Units& io, int lunout, std::int32_t n, std::string_view table,
                       std::string_view stored) {
  if (lunout <= 0) return;
  io.newline(lunout);
  io.write(lunout, Line().x(3).i(n, 5).a(" ").a(table).a(" lines read.").str());
  io.write(lunout, Line().x(8).a(" Totally").i(n, 5).a(" ").a(stored).str());
  io.newline(lunout);
}

void write_missing_rows(Units& io, int lunout, int lpu, std::int64_t missing, std::int32_t n,
                        std::string_view title) {
  if (missing == 0) return;
  const std::string line = " *** " + std::to_string(missing) + " of " + std::to_string(n) +
                           " elements have no row under " + std::string(trimmed(title)) +
                           ": their values are 0";
  for (const int unit : {lunout, lpu}) {
    if (unit > 0) io.write(unit, line);
  }
}

void TRX_OPEN(Units& io, int lunin, int lunout, std::int32_t& ierr) {
  if (lunin <= 0) return;
  io.rewind(lunin);
  const int echo = lunout > 0 ? -lunout : -1;
  std::int32_t status = 0;
  FIIOPN(io, static_cast<std::int32_t>(kRecordLength), 8, lunin, lunout, echo, status);
  if (status != 0) {
    io.newline(lunout);
    io.write(lunout, "  *** ERROR IN TRX_OPEN ***");
    decrement(ierr);
    return;
  }
  FIISET(1, 12);   // the first end of file ends a pass quietly
  FIICHR('*', 1);  // comment mark
  FIICHR(' ', 3);  // no separator besides blanks: a comma is an ordinary character
  FIISET(lunin, 1);
  io.rewind(lunin);
}

std::string_view left_justified(std::string_view record) {
  const int first = FRSTNB(record);
  if (first == 0) return {};
  return record.substr(static_cast<std::size_t>(first - 1),
                       static_cast<std::size_t>(LASTNB(record) - first + 1));
}

bool starts_with_title(std::string_view text, std::string_view title, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const char r = i < text.size() ? text[i] : ' ';
    const char t = i < title.size() ? title[i] : ' ';
    if (r != t) return false;
  }
  return true;
}

std::string_view title_head(std::string_view title, std::size_t n) {
  const std::string_view head = title.substr(0, std::min(n, title.size()));
  return head.substr(0, static_cast<std::size_t>(LASTNB(head)));
}

bool RowItems::read(Units& io, int lunin, int lpu, std::int32_t& lerr) {
  const std::int32_t before = lerr;
  RDMIX(io, npar_, type_, rval_, cval_, lunin, lpu, lerr);
  // The line reader sets the values of the items it returns, no others.
  if (npar_ > 0) set_ = std::max(set_, std::min(static_cast<std::size_t>(npar_), kCapacity));
  return lerr == before;
}

namespace {

// A word that stands for a number that is not finite, sign included; item
// texts are cut to 8 characters.
bool is_non_finite_word(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  return text == "NAN" || text == "INF" || text.substr(0, 7) == "INFINIT";
}

}  // namespace

bool RowItems::holds_non_finite() const {
  for (std::size_t k = 0; k < static_cast<std::size_t>(std::max(npar_, 0)); ++k) {
    if (type_[k] == 3 ? is_non_finite_word(cval_[k]) : !std::isfinite(rval_[k])) return true;
  }
  return false;
}

void reader_failed(Units& io, int lpu, std::int32_t lerr, std::string_view error_line,
                   std::int32_t& ierr, std::string_view detail) {
  ierr = -1;
  if (lerr >= 0 && detail.empty()) return;
  std::string text(error_line);
  if (!detail.empty()) {
    text.push_back('\n');
    text.append(detail);
  }
  ARMSGO(io, lpu, -1, text, "Store");
}

bool listing_read_failed(Units& io, int lunin, int lpu, std::string_view error_line,
                         std::int32_t& ierr) {
  const OsError err = io.error(lunin);
  if (!err) return false;
  reader_failed(io, lpu, 0, error_line, ierr,
                "Read error in the listing " + io.file_name(lunin) + ": " + err.text);
  return true;
}

std::string non_finite_detail(std::string_view where) {
  return "Number that is not finite (NaN, Inf or beyond 1E308) in " + std::string(where);
}

std::string listing_line(std::int64_t n) {
  return "line " + std::to_string(n) + " of the listing";
}

}  // namespace velkan
