// The node reader (TRX_Node): node numbers and coordinates, in listing order.
#include "listing/nodetable.h"

#include <string>

#include "lineinput/linereader.h"
#include "listing/listing.h"
#include "listing/section.h"
#include "platform/nint.h"
#include "platform/numfmt.h"
#include "store/arraylookup.h"
#include "store/arrayviews.h"
#include "store/structurerecords.h"

namespace velkan {
namespace {

constexpr std::string_view kError = "*** ERROR IN TRX_Node ***";
constexpr std::string_view kTitle = "*** KINEMATIC VARIABLES ***";

struct NodeArrays {
  IntSpan MNPEX;
  RealSpan TCOORD;
};

// The arrays are cleared before they are viewed, so their fresh storage is
// never written with zeros.
NodeArrays book_nodes(Units& io, WorkArray& wa, std::int32_t NNP, int lpu, std::int32_t& lerr) {
  const std::int64_t coords = 3 * static_cast<std::int64_t>(NNP);
  const std::int32_t MNPEX = book_array(io, wa, "MNPEX", NNP, "STRU", "IN", lpu, lerr);
  book_array(io, wa, "NBOUN", 6 * static_cast<std::int64_t>(NNP), "STRU", "IN", lpu, lerr);
  const std::int32_t TCOORD = book_array(io, wa, "TCOORD", coords, "STRU", "RE", lpu, lerr);
  for (const char* name : {"MNPEX", "NBOUN", "TCOORD"}) ARZERO(io, wa, name, lpu, lerr);
  return {int_view(wa, MNPEX, NNP), real_view(wa, TCOORD, coords)};
}

}  // namespace

std::int64_t node_table_words(std::int32_t NNP) {
  const std::int64_t n = NNP;
  return n + 6 * n + 2 * 3 * n + 1;  // MNPEX, NBOUN, TCOORD from an even word
}

void TRX_Node(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr) {
  std::int32_t lerr = 0;
  const IntSpan MSTRU = find_ints(io, wa, "MSTRU", lpu, lerr);
  const std::int32_t NNP = GTSTRU(io, MSTRU, "NNP", lpu, lerr);
  if (lerr != 0) return reader_failed(io, lpu, lerr, kError, ierr);
  const NodeArrays a = book_nodes(io, wa, NNP, lpu, lerr);
  if (lerr != 0) return reader_failed(io, lpu, lerr, kError, ierr);

  Section section(io, lunin, lpu);
  std::int32_t count = 0;
  if (section.find(kTitle, 27)) {
    RowItems row;
    while (section.next_row(row, lerr, count > 0)) {
      if (++count > NNP) return reader_failed(io, lpu, lerr, kError, ierr);
      if (row.count() < 8) {
        return reader_failed(
            io, lpu, lerr, kError, ierr,
            "Node row with fewer than 8 items in " + listing_line(section.line_number()));
      }
      if (row.holds_non_finite()) {
        return reader_failed(io, lpu, lerr, kError, ierr,
                             non_finite_detail(listing_line(section.line_number())));
      }
      const auto i = static_cast<std::size_t>(count - 1);
      a.MNPEX[i] = nint(row.value(1));
      a.TCOORD[3 * i] = row.value(5);
      a.TCOORD[3 * i + 1] = row.value(8);
      a.TCOORD[3 * i + 2] = row.value(2);
    }
  }
  if (listing_read_failed(io, lunin, lpu, kError, ierr)) return;
  if (lerr != 0 || count != NNP) return reader_failed(io, lpu, lerr, kError, ierr);
  write_count_lines(io, lunout, NNP, "*JOINT COORDINATES*", "Nodes Generated.");
}

}  // namespace velkan
