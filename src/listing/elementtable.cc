// The element reader (TRX_Elem): element numbers and end nodes as internal node numbers.
#include "listing/elementtable.h"

#include "listing/listing.h"
#include "listing/section.h"
#include "platform/nint.h"
#include "platform/numfmt.h"
#include "store/arraylookup.h"
#include "store/arrayviews.h"
#include "store/numberlookup.h"
#include "store/structurerecords.h"

namespace velkan {
namespace {

constexpr std::string_view kError = "*** ERROR IN TRX_Elem ***";
constexpr std::string_view kTitle = "*** ELEMENT DATA ***";
constexpr std::int32_t kRowWidth = 9;

struct ElementArrays {
  IntSpan MELEX;
  IntSpan MNPC;
  IntSpan MPMNPC;
};

ElementArrays book_elements(Units& io, WorkArray& wa, std::int32_t NEL, int lpu,
                            std::int32_t& lerr) {
  const std::int64_t ends = 2 * static_cast<std::int64_t>(NEL);
  const std::int64_t firsts = static_cast<std::int64_t>(NEL) + 1;
  const std::int32_t MELEX = book_array(io, wa, "MELEX", NEL, "STRU", "IN", lpu, lerr);
  const std::int32_t MNPC = book_array(io, wa, "MNPC", ends, "STRU", "IN", lpu, lerr);
  const std::int32_t MPMNPC = book_array(io, wa, "MPMNPC", firsts, "STRU", "IN", lpu, lerr);
  // Cleared before they are viewed: fresh storage is never written with zeros.
  for (const char* name : {"MELEX", "MNPC", "MPMNPC"}) ARZERO(io, wa, name, lpu, lerr);
  ElementArrays a{int_view(wa, MELEX, NEL), int_view(wa, MNPC, ends), int_view(wa, MPMNPC, firsts)};
  if (!a.MPMNPC.empty()) a.MPMNPC[0] = 1;
  return a;
}

}  // namespace

std::int64_t element_table_words(std::int32_t NEL) {
  const std::int64_t n = NEL;
  return n + 2 * n + (n + 1);  // MELEX, MNPC, MPMNPC
}

void TRX_Elem(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr) {
  std::int32_t lerr = 0;
  const IntSpan MSTRU = find_ints(io, wa, "MSTRU", lpu, lerr);
  const IntSpan MNPEX = find_ints(io, wa, "MNPEX", lpu, lerr);
  const std::int32_t NNP = GTSTRU(io, MSTRU, "NNP", lpu, lerr);
  const std::int32_t NEL = GTSTRU(io, MSTRU, "NEL", lpu, lerr);
  if (lerr != 0) return reader_failed(io, lpu, lerr, kError, ierr);
  const ElementArrays a = book_elements(io, wa, NEL, lpu, lerr);
  if (lerr != 0) return reader_failed(io, lpu, lerr, kError, ierr);

  const FirstPositions nodes(leading(ConstIntSpan(MNPEX), NNP));
  Section section(io, lunin, lpu);
  std::int32_t count = 0;
  if (section.find(kTitle, 18)) {
    RowItems row;
    while (section.next_row(row, lerr, count > 0)) {
      if (row.count() != kRowWidth) continue;
      if (row.holds_non_finite()) {
        return reader_failed(io, lpu, lerr, kError, ierr,
                             non_finite_detail(listing_line(section.line_number())));
      }
      const std::int32_t k = nint(row.value(1));
      const std::int32_t ip = nodes.find(nint(row.value(2)));
      const std::int32_t iq = nodes.find(nint(row.value(3)));
      if ((ip == 0 || iq == 0) && lunout > 0) {
        io.write_detail(lunout, Line().a("Illegal nodes for elem:").i(k, 6).str());
      }
      if (++count > NEL) return reader_failed(io, lpu, lerr, kError, ierr);
      const auto c = static_cast<std::size_t>(count - 1);
      a.MELEX[c] = k;
      a.MPMNPC[c + 1] = a.MPMNPC[c] + 2;
      a.MNPC[2 * c] = ip;
      a.MNPC[2 * c + 1] = iq;
    }
  }
  if (listing_read_failed(io, lunin, lpu, kError, ierr)) return;
  if (lerr != 0 || count != NEL) return reader_failed(io, lpu, lerr, kError, ierr);
  write_count_lines(io, lunout, NEL, "*ELEMENT DATA     *", "Elems Generated.");
}

}  // namespace velkan
