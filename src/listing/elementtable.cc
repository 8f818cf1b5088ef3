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
  IntSpan melex;
  IntSpan mnpc;
  IntSpan mpmnpc;
};

ElementArrays book_elements(Units& io, WorkArray& wa, std::int32_t nel, int lpu,
                            std::int32_t& lerr) {
  const std::int64_t ends = 2 * static_cast<std::int64_t>(nel);
  const std::int64_t firsts = static_cast<std::int64_t>(nel) + 1;
  const std::int32_t melex = book_array(io, wa, "MELEX", nel, "STRU", "IN", lpu, lerr);
  const std::int32_t mnpc = book_array(io, wa, "MNPC", ends, "STRU", "IN", lpu, lerr);
  const std::int32_t mpmnpc = book_array(io, wa, "MPMNPC", firsts, "STRU", "IN", lpu, lerr);
  // Cleared before they are viewed: fresh storage is never written with zeros.
  for (const char* name : {"MELEX", "MNPC", "MPMNPC"}) ARZERO(io, wa, name, lpu, lerr);
  ElementArrays a{int_view(wa, melex, nel), int_view(wa, mnpc, ends), int_view(wa, mpmnpc, firsts)};
  if (!a.mpmnpc.empty()) a.mpmnpc[0] = 1;
  return a;
}

}  // namespace

void TRX_Elem(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr) {
  std::int32_t lerr = 0;
  const IntSpan mstru = find_ints(io, wa, "MSTRU", lpu, lerr);
  const IntSpan mnpex = find_ints(io, wa, "MNPEX", lpu, lerr);
  const std::int32_t nnp = GTSTRU(io, mstru, "NNP", lpu, lerr);
  const std::int32_t nel = GTSTRU(io, mstru, "NEL", lpu, lerr);
  if (lerr != 0) return reader_failed(io, lpu, lerr, kError, ierr);
  const ElementArrays a = book_elements(io, wa, nel, lpu, lerr);
  if (lerr != 0) return reader_failed(io, lpu, lerr, kError, ierr);

  const FirstPositions nodes(leading(ConstIntSpan(mnpex), nnp));
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
        io.write(lunout, Line().a("Illegal nodes for elem:").i(k, 6).str());
      }
      if (++count > nel) return reader_failed(io, lpu, lerr, kError, ierr);
      const auto c = static_cast<std::size_t>(count - 1);
      a.melex[c] = k;
      a.mpmnpc[c + 1] = a.mpmnpc[c] + 2;
      a.mnpc[2 * c] = ip;
      a.mnpc[2 * c + 1] = iq;
    }
  }
  if (listing_read_failed(io, lunin, lpu, kError, ierr)) return;
  if (lerr != 0 || count != nel) return reader_failed(io, lpu, lerr, kError, ierr);
  write_count_lines(io, lunout, nel, "*ELEMENT DATA     *", "Elems Generated.");
}

}  // namespace velkan
