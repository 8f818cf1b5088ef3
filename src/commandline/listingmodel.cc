// Reading a listing into a store of its own: a size scan in a small store
// gives the model's size, then a store of that size takes the four passes of
// a conversion and the result tables. The readers write their lines on the
// console units of a unit table whose console is a string.
#include "commandline/listingmodel.h"

#include <functional>
#include <limits>

#include "lineinput/charutil.h"
#include "listing/elementtable.h"
#include "listing/modelsize.h"
#include "listing/nodetable.h"
#include "platform/consoleunits.h"
#include "store/arraylookup.h"
#include "store/arrayviews.h"
#include "store/dmssetup.h"
#include "store/fileopen.h"
#include "store/registersetup.h"
#include "store/structurerecords.h"

namespace velkan {
namespace {

constexpr int kListing = 16;                  // the listing's unit, as in a conversion
constexpr int kSaid = LTO;                    // where the readers' lines and messages go
constexpr std::int32_t kCountWords = 100000;  // the store of the size scan

// The DMS, its register and the structure-parameter record, as a conversion
// opens them.
bool open_store(Units& io, WorkArray& wa) {
  std::int32_t status = 0;
  DMSOPN(io, wa, wa.size(), -203, 0, kSaid, status);
  if (status != 0) return false;
  ARINIT(io, wa, {}, 8, 8, 200, 1, kSaid, status);
  if (status != 0) return false;
  const IntSpan mstru = book_ints(io, wa, "MSTRU", 610, "STRU", kSaid, status);
  if (status != 0) return false;
  ARZERO(io, wa, "MSTRU", kSaid, status);
  STROPN(io, mstru, 610, 1, 1, kSaid, status);
  return status == 0;
}

// The last line of `text` that is not blank.
std::string last_line(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
  const std::size_t nl = text.rfind('\n');
  return std::string(nl == std::string_view::npos ? text : text.substr(nl + 1));
}

// The line that a reader gave after its error line, the last one in `said`;
// "" when it gave none.
std::string reader_detail(std::string_view said) {
  const std::size_t error = said.rfind("*** ERROR IN ");
  if (error == std::string_view::npos) return {};
  std::string_view rest = said.substr(error);
  const std::size_t nl = rest.find('\n');
  if (nl == std::string_view::npos) return {};
  rest.remove_prefix(nl + 1);
  return std::string(trimmed(rest.substr(0, rest.find('\n'))));
}

std::string out_of_memory() {
  return " *** Out of memory: the system gave the run no more memory.";
}

}  // namespace

ListingModel::ListingModel() : io_(in_, said_) {}
ListingModel::~ListingModel() = default;

bool ListingModel::read(std::string_view listing) {
  name_ = std::string(trimmed(listing));
  return open(listing) && read_counts() && read_model() && read_results();
}

bool ListingModel::fail(std::string line) {
  failure_ = std::move(line);
  return false;
}

bool ListingModel::open(std::string_view listing) {
  std::int32_t status = 0;
  OPNTXT(io_, listing, kListing, 1, status);
  if (status != 0) {
    return fail(" *** The listing " + name_ + " cannot be opened: " + io_.open_error().text);
  }
  if (!state_.take(io_, kListing, kSaid, 0)) return fail(last_line(said_.str()));
  return true;
}

// One pass: the listing rewound, the reader, then the listing's state. False
// with the reason when the listing changed, met a read error or the reader
// failed: the detail it gave, or else `what`.
bool ListingModel::pass(const std::function<void(std::int32_t&)>& reader, std::string_view what) {
  said_.str("");
  std::int32_t status = 0;
  TRX_OPEN(io_, kListing, kSaid, status);
  if (status == 0) reader(status);
  const std::string said = said_.str();
  if (!state_.unchanged(io_, kListing, kSaid, 0)) return fail(last_line(said_.str()));
  if (const OsError err = io_.error(kListing)) {
    return fail(" *** The listing " + name_ + " cannot be read: " + err.text);
  }
  if (status == 0) return true;
  const std::string detail = reader_detail(said);
  return fail(" *** The listing " + name_ +
              " cannot be read: " + (detail.empty() ? std::string(what) : detail));
}

bool ListingModel::read_counts() {
  WorkArray wa(kCountWords);
  if (!wa.ok()) return fail(out_of_memory());
  if (!open_store(io_, wa)) return fail(" *** No store for the listing " + name_);
  const auto size_scan = [&](std::int32_t& status) {
    TRX_Size(io_, wa, kListing, kSaid, kSaid, status);
  };
  if (!pass(size_scan, "its summary cannot be read")) return false;
  if (!state_.last_line_ended(io_, kListing, kSaid, 0)) return fail(last_line(said_.str()));
  std::int32_t status = 0;
  const IntSpan mstru = find_ints(io_, wa, "MSTRU", kSaid, status);
  NEL = GTSTRU(io_, mstru, "NEL", kSaid, status);
  NNP = GTSTRU(io_, mstru, "NNP", kSaid, status);
  const std::int32_t mxgepr = GTSTRU(io_, mstru, "MXGEPR", kSaid, status);
  if (NEL <= 0) return fail(" *** No elements in the listing " + name_ + ": it has no risers.");
  const std::int32_t nodes = std::max(NNP, 0);
  words_ = DMSINF(wa, 4) + node_table_words(nodes) + element_table_words(NEL) +
           property_table_words(NEL, mxgepr) + 6 * std::int64_t{NEL} + 16;  // and ELRES
  if (words_ > std::numeric_limits<std::int32_t>::max()) {
    return fail(" *** The model of the listing " + name_ + ", " + std::to_string(NEL) +
                " elements and " + std::to_string(NNP) + " nodes, is too large for a work memory.");
  }
  return true;
}

bool ListingModel::read_model() {
  wa_ = std::make_unique<WorkArray>(static_cast<std::int32_t>(words_));
  if (!wa_->ok()) return fail(out_of_memory());
  WorkArray& wa = *wa_;
  if (!open_store(io_, wa)) return fail(" *** No store for the listing " + name_);
  const auto reader = [&](auto read) {
    return [&, read](std::int32_t& status) { read(io_, wa, kListing, kSaid, kSaid, status); };
  };
  const std::string of_summary = " that its summary counts";
  if (!pass(reader(TRX_Size), "its summary cannot be read") ||
      !pass(reader(TRX_Node), "its nodes under *** KINEMATIC VARIABLES *** are not the " +
                                  std::to_string(NNP) + of_summary) ||
      !pass(reader(TRX_Elem), "its elements under *** ELEMENT DATA *** are not the " +
                                  std::to_string(NEL) + of_summary) ||
      !pass(
          [&](std::int32_t& s) { read_properties(io_, wa, kListing, kSaid, kSaid, s, properties); },
          "a set under *** INTERNAL FLUID DATA *** is numbered outside 1 to 100")) {
    return false;
  }
  std::int32_t status = 0;
  MNPEX = leading(ConstIntSpan(find_ints(io_, wa, "MNPEX", kSaid, status)), NNP);
  MELEX = leading(ConstIntSpan(find_ints(io_, wa, "MELEX", kSaid, status)), NEL);
  MNPC = leading(ConstIntSpan(find_ints(io_, wa, "MNPC", kSaid, status)), 2 * std::int64_t{NEL});
  MPMNPC = leading(ConstIntSpan(find_ints(io_, wa, "MPMNPC", kSaid, status)), NEL + 1);
  MHINGE = leading(ConstIntSpan(find_ints(io_, wa, "MHINGE", kSaid, status)), NEL);
  TCOORD = find_leading_reals(io_, wa, "TCOORD", 3 * std::int64_t{NNP}, kSaid, status);
  if (status != 0) return fail(" *** No store for the listing " + name_);
  return true;
}

bool ListingModel::read_results() {
  std::int32_t status = 0;
  const RealSpan elres =
      book_reals(io_, *wa_, "ELRES", 3 * std::int64_t{NEL}, "STRU", kSaid, status);
  if (status != 0) return fail(" *** No store for the listing " + name_);
  for (std::size_t t = 0; t < kResultTitles.size(); ++t) {
    std::int32_t refused = 0;
    const auto result_pass = [&](std::int32_t&) {
      velkan::read_results(io_, *wa_, kResultTitles[t], elres, kListing, kSaid, kSaid, refused,
                           results[t].rows);
    };
    if (!pass(result_pass, "")) return false;
    results[t].refused = refused != 0 && results[t].rows.found;
  }
  return true;
}

}  // namespace velkan
