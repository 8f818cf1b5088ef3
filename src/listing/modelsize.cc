// The model size scan (TRX_Size): the element and node counts from the listing's summary
// block, with the fixed row lengths, stored as structure parameters.
#include "listing/modelsize.h"

#include <array>
#include <string>

#include "lineinput/stringsplit.h"
#include "listing/listing.h"
#include "platform/nint.h"
#include "platform/numfmt.h"
#include "store/arrayviews.h"
#include "store/structurerecords.h"

namespace velkan {
namespace {

constexpr std::string_view kError = "*** ERROR IN TRX_Size ***";

constexpr std::array<std::string_view, 14> kLabels = {
    "Total No. of Structural Elements       :", "No. of Nodes                           :",
    "No. of Support Nodes                   :", "No. of Integration Points per Element  :",
    "Total No. of Auxiliary Elements        :", "No. of Auxiliary Nodes                 :",
    "No. of Auxiliary Bodies                :", "No. of Added Mass Components           :",
    "No. of Articulations                   :", "No. of Attached Vessel Nodes           :",
    "No. of Spring Elements                 :", "No. of Node Springs                    :",
    "No. of Drag Chains                     :", "--- User Defined ------",
};

// Number of the first label the record carries (1..14), 0 for none.
int label_of(std::string_view record) {
  const std::string_view text = left_justified(record);
  for (std::size_t i = 0; i < kLabels.size(); ++i) {
    if (starts_with_title(text, kLabels[i], 40)) return static_cast<int>(i) + 1;
  }
  return 0;
}

// The number after the first ":" token that is followed by a number.
bool value_after_colon(std::string_view record, std::int32_t& value) {
  std::array<std::int32_t, 100> types{};
  std::array<double, 100> reals{};
  std::array<std::string, 100> texts;
  const int n = STRSPL(record, types, reals, texts, 80);
  for (int k = 0; k + 1 < n; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (types[i] == 3 && texts[i][0] == ':' && types[i + 1] != 3) {
      value = nint(reals[i + 1]);
      return true;
    }
  }
  return false;
}

}  // namespace

void TRX_Size(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr) {
  std::int32_t lerr = 0;
  const IntSpan MSTRU = find_ints(io, wa, "MSTRU", lpu, lerr);
  if (lerr != 0) return reader_failed(io, lpu, lerr, kError, ierr);
  std::int32_t NEL = 0, NNP = 0;
  // Only the first two labels are used; records that start otherwise are passed over unread.
  const std::array<std::string_view, 2> heads = {title_head(kLabels[0], 40),
                                                 title_head(kLabels[1], 40)};
  std::string record;
  std::int64_t records = 0;
  while (io.read_upto_starting(lunin, record, kRecordLength, heads, records) == 0) {
    // A NUL byte is in no printed listing: the file is binary or damaged (a
    // disk that filled up leaves blocks of them), and its tables cannot be
    // trusted. Records holding one are never passed over unread.
    if (record.find('\0') != std::string::npos) {
      return reader_failed(io, lpu, lerr, kError, ierr,
                           "NUL byte in " + listing_line(records) + ": not a text listing");
    }
    const int label = label_of(record);
    if (label == 1) value_after_colon(record, NEL);
    if (label == 2) value_after_colon(record, NNP);
  }
  if (listing_read_failed(io, lunin, lpu, kError, ierr)) return;
  PTSTRU(io, MSTRU, "NEL", NEL, lpu, lerr);
  PTSTRU(io, MSTRU, "NNP", NNP, lpu, lerr);
  PTSTRU(io, MSTRU, "MXGEPR", 30, lpu, lerr);
  PTSTRU(io, MSTRU, "MXMAPR", 58, lpu, lerr);
  PTSTRU(io, MSTRU, "IDPROG", 13, lpu, lerr);
  if (lerr != 0) return reader_failed(io, lpu, lerr, kError, ierr);
  if (lunout <= 0) return;
  io.newline(lunout);
  io.write(lunout, Line().x(10).a("Number of Nodes        :").i(NNP, 6).str());
  io.write(lunout, Line().x(10).a("Number of Elements     :").i(NEL, 6).str());
}

}  // namespace velkan
