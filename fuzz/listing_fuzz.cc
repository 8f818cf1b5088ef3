// Fuzz target of the listing passes: arbitrary bytes as a listing file, read as
// the driver reads it, with the store opened over a small work array: the size
// scan, then the node, element and property readers, then the effective-tension
// table as the Shear7 export reads it. As in the driver, a failed pass ends the
// run; a failed pass is fine, a crash, leak or sanitizer report is not.
#include <cstdint>
#include <sstream>
#include <string_view>

#include "lineinput/linereader.h"
#include "listing/elementtable.h"
#include "listing/listing.h"
#include "listing/modelsize.h"
#include "listing/nodetable.h"
#include "listing/propertytables.h"
#include "listing/resulttable.h"
#include "platform/units.h"
#include "store/arraylookup.h"
#include "store/arrayviews.h"
#include "store/dmssetup.h"
#include "store/fileopen.h"
#include "store/registersetup.h"
#include "store/structurerecords.h"
#include "store/workarray.h"
#include "workfolder.h"

namespace {

using velkan::Units;
using velkan::WorkArray;

constexpr int kListing = 16;
constexpr int kConsole = 6;
constexpr int kMessages = 17;
// Room for models of a few hundred elements; larger counts fail their booking.
constexpr std::int32_t kWords = 100000;
constexpr std::string_view kTensions = "1)        Element Effective Tensions.   ";

bool open_store(Units& io, WorkArray& wa) {
  std::int32_t status = 0;
  velkan::DMSOPN(io, wa, wa.size(), -203, 0, kMessages, status);
  velkan::ARINIT(io, wa, {}, 8, 8, 200, 1, kMessages, status);
  const velkan::IntSpan mstru = velkan::book_ints(io, wa, "MSTRU", 610, "STRU", kMessages, status);
  if (status != 0) return false;
  velkan::ARZERO(io, wa, "MSTRU", kMessages, status);
  velkan::STROPN(io, mstru, 610, 1, 1, kMessages, status);
  return status == 0;
}

bool pass(Units& io, WorkArray& wa,
          void (*reader)(Units&, WorkArray&, int, int, int, std::int32_t&)) {
  std::int32_t status = 0;
  velkan::TRX_OPEN(io, kListing, kConsole, status);
  reader(io, wa, kListing, kConsole, kMessages, status);
  return status == 0;
}

void read_tensions(Units& io, WorkArray& wa) {
  std::int32_t status = 0;
  const velkan::IntSpan mstru = velkan::find_ints(io, wa, "MSTRU", kMessages, status);
  const std::int32_t nel = velkan::GTSTRU(io, mstru, "NEL", kMessages, status);
  const velkan::RealSpan elres = velkan::book_reals(
      io, wa, "ELRES", 3 * static_cast<std::int64_t>(nel), "STRU", kMessages, status);
  if (status != 0) return;
  velkan::ARZERO(io, wa, "ELRES", kMessages, status);
  velkan::TRX_OPEN(io, kListing, kConsole, status);
  velkan::TRX_GtERes(io, wa, kTensions, elres, kListing, kConsole, kMessages, status);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const velkan::fuzz::WorkFolder folder;
  folder.empty();
  const std::string listing = folder.write("model.lis", velkan::fuzz::as_text(data, size));
  std::istringstream in;
  std::ostringstream out;
  Units io(in, out, folder.path().string());
  std::int32_t status = 0;
  velkan::OPNTXT(io, listing, kListing, 1, status);
  if (status != 0) return 0;
  velkan::line_reader() = velkan::LineReaderState{};
  WorkArray wa(kWords);
  if (!open_store(io, wa)) return 0;
  for (const auto reader :
       {velkan::TRX_Size, velkan::TRX_Node, velkan::TRX_Elem, velkan::TRX_Prop}) {
    if (!pass(io, wa, reader)) return 0;
  }
  read_tensions(io, wa);
  return 0;
}
