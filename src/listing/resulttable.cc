// The element result reader (TRX_GtERes): three values of every element's row of one
// result table (found by its title) into ELRES.
#include "listing/resulttable.h"

#include <algorithm>
#include <vector>

#include "lineinput/charutil.h"
#include "listing/listing.h"
#include "listing/section.h"
#include "platform/nint.h"
#include "platform/numfmt.h"
#include "store/arrayviews.h"
#include "store/numberlookup.h"
#include "store/structurerecords.h"

namespace velkan {
namespace {

constexpr std::string_view kError = "*** ERROR IN TRX_GtERes  ***";
constexpr std::int32_t kRowWidth = 6;

}  // namespace

void TRX_GtERes(Units& io, WorkArray& wa, std::string_view title, RealSpan ELRES, int lunin,
                int lunout, int lpu, std::int32_t& ierr) {
  TableRows rows;
  read_results(io, wa, title, ELRES, lunin, lunout, lpu, ierr, rows);
}

void read_results(Units& io, WorkArray& wa, std::string_view title, RealSpan ELRES, int lunin,
                  int lunout, int lpu, std::int32_t& ierr, TableRows& rows) {
  rows = {};
  std::int32_t lerr = 0;
  const IntSpan MSTRU = find_ints(io, wa, "MSTRU", lpu, lerr);
  const IntSpan MELEX = find_ints(io, wa, "MELEX", lpu, lerr);
  const std::int32_t NEL = GTSTRU(io, MSTRU, "NEL", lpu, lerr);
  if (lerr != 0) return reader_failed(io, lpu, lerr, kError, ierr);

  const ConstIntSpan elements = leading(ConstIntSpan(MELEX), NEL);
  const FirstPositions find_element(elements);
  // The internal number of the element of the last row read (0: not found).
  std::int32_t last_element = 0;
  Section section(io, lunin, lpu);
  std::int32_t stored = 0;
  std::vector<bool> has_row;  // for each element, once the table is found
  if (section.find(title, static_cast<std::size_t>(LASTNB(title)))) {
    rows.found = true;
    has_row.assign(static_cast<std::size_t>(NEL), false);
    RowItems row;
    while (section.next_row(row, lerr, stored > 0)) {
      if (row.count() != kRowWidth) continue;
      if (row.holds_non_finite()) {
        return reader_failed(io, lpu, lerr, kError, ierr,
                             non_finite_detail(listing_line(section.line_number())));
      }
      const std::int32_t number = nint(row.value(1));
      const std::int32_t e = find_element.find(number);
      last_element = e;
      if (e == 0) {
        if (lunout > 0)
          io.write_detail(lunout, Line().a("Illegal Element     :").i(number, 6).str());
        continue;
      }
      const auto i = 3 * static_cast<std::size_t>(e - 1);
      if (i + 2 >= ELRES.size()) continue;
      ELRES[i] = row.value(3);
      ELRES[i + 1] = row.value(4);
      ELRES[i + 2] = row.value(6);
      has_row[static_cast<std::size_t>(e - 1)] = true;
      ++stored;
    }
  }
  if (listing_read_failed(io, lunin, lpu, kError, ierr)) return;
  if (lerr != 0) return reader_failed(io, lpu, lerr, kError, ierr);
  // Elements without a row keep the zeros the caller cleared ELRES to; a table
  // cut at the end of a line loses rows the same way, so they are counted.
  rows.read_whole = rows.found;
  rows.missing = std::count(has_row.begin(), has_row.end(), false);
  if (last_element != NEL) return reader_failed(io, lpu, lerr, kError, ierr);
  write_count_lines(io, lunout, NEL, "*ELEMENT RESULT   *", "Result lines Stored.");
  if (rows.found) write_missing_rows(io, lunout, lpu, rows.missing, NEL, title);
}

}  // namespace velkan
