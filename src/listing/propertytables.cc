// The element property reader (TRX_Prop): the five property tables, in any order, into
// one row of ELPROP per element; hinge elements marked in MHINGE.
#include "listing/propertytables.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "lineinput/charutil.h"
#include "listing/listing.h"
#include "listing/propsections.h"
#include "platform/consoleunits.h"
#include "platform/nint.h"
#include "platform/numfmt.h"
#include "store/arraylookup.h"
#include "store/arrayviews.h"
#include "store/numberlookup.h"
#include "store/structurerecords.h"

namespace velkan {
namespace {

constexpr std::string_view kError = "*** ERROR IN TRX_Prop ***";
constexpr std::size_t kWholeRecord = 1024;
constexpr int kFluidSets = 100;
static_assert(kPropSections.size() == kPropertyTables);

struct PropReader {
  Units& io;
  int lunin, lunout, lpu;
  std::int32_t NEL;
  ConstIntSpan MELEX;
  IntSpan MHINGE;
  RealSpan ELPROP;
  FirstPositions elements;
  std::array<double, kFluidSets> fluid{};
  std::array<bool, kFluidSets> fluid_read{};  // the set has a row
  // The tables whose titles were found, and for each element one bit per
  // element table in which it has a row.
  std::array<bool, kPropSections.size()> found{};
  std::vector<std::uint8_t> rows_of{};
  std::string record{};
  std::string
      detail{};  // what made the reading fail, when it is not a store or line-reader failure

  bool silent() const { return lunout <= 0; }
  bool listing_ok() const { return !io.error(lunin); }
  // Number (1..5) of the property table whose title the record carries, 0 for none.
  int next_section();
  enum class Next { kTitleSearch, kEndOfFile, kFailed };
  // Reads one section's rows and says how the reading goes on.
  Next read_rows(int t, std::int32_t& lerr);
  bool is_hinge_row(const RowItems& row, int t);
  bool is_title_line();
  void store_element_row(const RowItems& row, int t, bool hinge_row);
  bool store_fluid_row(const RowItems& row);
  // Word 27 of every element from its fluid set; the count of elements that
  // name a set without a row.
  std::int32_t fill_internal_fluid();
  void report_missing_rows(std::int32_t unnamed_fluid,
                           std::array<TableRows, kPropertyTables>& tables);
  void set_word(std::int32_t e, int word, double v) {
    ELPROP[static_cast<std::size_t>(e - 1) * static_cast<std::size_t>(kPropertyRowReals) +
           static_cast<std::size_t>(word - 1)] = v;
  }
  double word(std::int32_t e, int w) const {
    return ELPROP.get(static_cast<std::size_t>(e - 1) *
                          static_cast<std::size_t>(kPropertyRowReals) +
                      static_cast<std::size_t>(w - 1));
  }
};

int PropReader::next_section() {
  // Records that start with none of the titles are passed over unread.
  std::array<std::string_view, kPropSections.size()> heads;
  for (std::size_t t = 0; t < heads.size(); ++t) heads[t] = title_head(kPropSections[t].title, 25);
  std::int64_t records = 0;
  while (io.read_upto_starting(lunin, record, kRecordLength, heads, records) == 0) {
    const std::string_view text = left_justified(record);
    for (std::size_t t = 0; t < kPropSections.size(); ++t) {
      if (!starts_with_title(text, kPropSections[t].title, 25)) continue;
      found[t] = true;
      io.newline(lunout);
      io.write(lunout, "Processing : " + std::string(text));
      io.write(lunout, Line().a("Item number: ").i(static_cast<std::int64_t>(t) + 1, 2).str());
      io.newline(lunout);
      return static_cast<int>(t) + 1;
    }
  }
  return 0;
}

// A line without items (an indented line starting with "*") may be the title
// of the next table, met before any text row ended this one: it ends the table
// and goes back to the title search, instead of being passed over and its
// table lost or read into this one.
bool PropReader::is_title_line() {
  io.backspace(lunin);
  if (io.read(lunin, record, kRecordLength) != 0 || !listing_ok()) return false;
  const std::string_view text = left_justified(record);
  for (const PropSection& s : kPropSections) {
    if (starts_with_title(text, s.title, 25)) {
      io.backspace(lunin);
      return true;
    }
  }
  return false;
}

// A row shorter than expected is a hinge row when its record carries
// "Hinge Element" in columns 15..27; otherwise it is reported and used as it is.
// A record that cannot be read again is left to the caller, which finds the
// listing's read error.
bool PropReader::is_hinge_row(const RowItems& row, int t) {
  if (row.count() >= kPropSections[static_cast<std::size_t>(t - 1)].width) return false;
  io.backspace(lunin);
  std::string whole;
  if (io.read(lunin, whole, kWholeRecord) != 0 || !listing_ok()) return false;
  if (whole.compare(14, 13, "Hinge Element") == 0) return true;
  if (!silent()) {
    io.write_detail(lunout, Line().a("Illegal no of Parameters").i(row.count(), 6).str());
    if (LASTNB(whole) > 0) io.write_detail(lunout, "Line:" + std::string(trimmed(whole)));
  }
  return false;
}

void PropReader::store_element_row(const RowItems& row, int t, bool hinge_row) {
  const std::int32_t number = nint(row.value(1));
  const std::int32_t e = elements.find(number);
  if (e == 0) {
    if (!silent()) io.write_detail(lunout, Line().a("Illegal Element     :").i(number, 6).str());
    return;
  }
  rows_of[static_cast<std::size_t>(e - 1)] |= static_cast<std::uint8_t>(1u << (t - 1));
  std::int32_t& mark = MHINGE[static_cast<std::size_t>(e - 1)];
  if (t == 1) {
    mark = hinge_row ? 1 : 0;
    if (hinge_row && !silent())
      io.write(lunout, Line().a("Hinge Element detected:").i(number, 8).str());
  }
  const PropSection& s = kPropSections[static_cast<std::size_t>(t - 1)];
  for (int i = 0; i < s.words; ++i) {
    const int w = s.first_word + i;
    set_word(e, w, mark == 1 ? kHingeWords[static_cast<std::size_t>(w - 1)] : row.value(i + 2));
  }
  if (t == kStressSection && row.count() == 7) set_word(e, 26, row.value(7));
}

bool PropReader::store_fluid_row(const RowItems& row) {
  const std::int32_t k = nint(row.value(1));
  if (k < 1 || k > kFluidSets) return false;
  fluid[static_cast<std::size_t>(k - 1)] = row.value(3);
  fluid_read[static_cast<std::size_t>(k - 1)] = true;
  io.write(LTO, Line().a(" Internal Fluid Data:").i(k, 3).f(row.value(3), 12, 3).str());
  return true;
}

PropReader::Next PropReader::read_rows(int t, std::int32_t& lerr) {
  RowItems row;
  bool taken = false;
  for (;;) {
    row.clear_values();
    if (!row.read(io, lunin, lpu, lerr)) return Next::kFailed;
    if (row.count() < 0) return Next::kEndOfFile;
    if (row.count() == 0) {
      if (is_title_line()) return Next::kTitleSearch;
      if (!listing_ok()) return Next::kFailed;
      continue;
    }
    if (row.is_text(1)) {
      if (!taken) continue;
      // The section ends here. The record before this text row (a title written
      // from column 1, which the line reader passes over as a comment) and the
      // text row itself go back to the title search.
      io.backspace(lunin);
      io.backspace(lunin);
      return Next::kTitleSearch;
    }
    taken = true;
    if (row.holds_non_finite()) {
      const std::string set = t == kFluidSection ? "fluid set " : "element ";
      detail =
          non_finite_detail("the row of " + set + std::to_string(nint(row.value(1))) + " under " +
                            std::string(kPropSections[static_cast<std::size_t>(t - 1)].title));
      return Next::kFailed;
    }
    const bool hinge_row = is_hinge_row(row, t);
    if (!listing_ok()) return Next::kFailed;
    if (t == kFluidSection) {
      if (!store_fluid_row(row)) return Next::kFailed;
    } else {
      store_element_row(row, t, hinge_row);
    }
  }
}

std::int32_t PropReader::fill_internal_fluid() {
  std::int32_t unnamed = 0;
  for (std::int32_t e = 1; e <= NEL; ++e) {
    const std::int32_t k = nint(word(e, 14));
    if (k < 1 || k > kFluidSets) continue;
    const auto set = static_cast<std::size_t>(k - 1);
    set_word(e, 27, fluid[set]);
    if (!fluid_read[set]) ++unnamed;
  }
  return unnamed;
}

// Rows may be missing from a table by design, and their words stay 0; but a
// listing cut at the end of a line inside a table loses rows the same way, so
// the elements without a row are counted for every table the listing has.
void PropReader::report_missing_rows(std::int32_t unnamed_fluid,
                                     std::array<TableRows, kPropertyTables>& tables) {
  std::array<std::int32_t, kFluidSection - 1> missing{};
  for (const std::uint8_t rows : rows_of) {
    for (std::size_t t = 0; t < missing.size(); ++t) missing[t] += (rows >> t & 1u) == 0;
  }
  for (std::size_t t = 0; t < tables.size(); ++t) {
    tables[t] = {found[t], found[t], t < missing.size() ? missing[t] : unnamed_fluid};
  }
  for (std::size_t t = 0; t < missing.size(); ++t) {
    if (found[t]) write_missing_rows(io, lunout, lpu, missing[t], NEL, kPropSections[t].title);
  }
  if (!found[kFluidSection - 1] || unnamed_fluid == 0) return;
  const std::string line = " *** " + std::to_string(unnamed_fluid) + " of " + std::to_string(NEL) +
                           " elements name a fluid set that has no row under " +
                           std::string(kPropSections[kFluidSection - 1].title) +
                           ": their internal fluid is 0";
  for (const int unit : {lunout, lpu}) {
    if (unit > 0) io.write(unit, line);
  }
}

}  // namespace

std::int64_t property_row_table_words(std::int32_t NEL, std::int32_t MXGEPR) {
  return 2 * static_cast<std::int64_t>(NEL) * MXGEPR + 1;  // from an even word
}

std::int64_t property_table_words(std::int32_t NEL, std::int32_t MXGEPR) {
  // MEXGEO, MGETYP, MHINGE; TCRGEO and ELPROP.
  return 3 * static_cast<std::int64_t>(NEL) + 2 * property_row_table_words(NEL, MXGEPR);
}

void TRX_Prop(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr) {
  std::array<TableRows, kPropertyTables> tables;
  read_properties(io, wa, lunin, lunout, lpu, ierr, tables);
}

void read_properties(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr,
                     std::array<TableRows, kPropertyTables>& tables) {
  tables = {};
  std::int32_t lerr = 0;
  const IntSpan MSTRU = find_ints(io, wa, "MSTRU", lpu, lerr);
  const IntSpan MELEX = find_ints(io, wa, "MELEX", lpu, lerr);
  const std::int32_t NEL = GTSTRU(io, MSTRU, "NEL", lpu, lerr);
  const std::int32_t MXGEPR = GTSTRU(io, MSTRU, "MXGEPR", lpu, lerr);
  PTSTRU(io, MSTRU, "MXGEOS", NEL, lpu, lerr);
  if (lerr != 0) return reader_failed(io, lpu, lerr, kError, ierr);
  if (MXGEPR < kPropertyRowReals)
    return reader_failed(io, lpu, lerr, kError, ierr, "Property rows shorter than 27 words");
  const std::int64_t rows = static_cast<std::int64_t>(NEL) * MXGEPR;
  book_array(io, wa, "MEXGEO", NEL, "STRU", "IN", lpu, lerr);
  book_array(io, wa, "MGETYP", NEL, "STRU", "IN", lpu, lerr);
  const std::int32_t hinges = book_array(io, wa, "MHINGE", NEL, "STRU", "IN", lpu, lerr);
  // Only the start of the cross-section table and of ELPROP is ever used
  // (their rows are kept packed): the driver announces those parts to the page
  // preparer, and a view prepares what it reaches.
  book_array(io, wa, "TCRGEO", rows, "STRU", "RE", lpu, lerr, Preparation::kAsReached);
  const std::int32_t props =
      book_array(io, wa, "ELPROP", rows, "STRU", "RE", lpu, lerr, Preparation::kAsReached);
  // Cleared before they are viewed: fresh storage is never written with zeros.
  for (const char* name : {"MEXGEO", "MGETYP", "MHINGE", "TCRGEO", "ELPROP"}) {
    ARZERO(io, wa, name, lpu, lerr);
  }
  if (lerr != 0) return reader_failed(io, lpu, lerr, kError, ierr);
  const IntSpan MHINGE = int_view(wa, hinges, NEL);
  const RealSpan ELPROP = real_view(wa, props, static_cast<std::int64_t>(NEL) * kPropertyRowReals);

  const ConstIntSpan elements = leading(ConstIntSpan(MELEX), NEL);
  PropReader r{io, lunin, lunout, lpu, NEL, elements, MHINGE, ELPROP, FirstPositions(elements)};
  r.rows_of.assign(static_cast<std::size_t>(NEL), 0);
  for (int t = r.next_section(); t != 0; t = r.next_section()) {
    const PropReader::Next next = r.read_rows(t, lerr);
    if (next == PropReader::Next::kFailed) {
      if (listing_read_failed(io, lunin, lpu, kError, ierr)) return;
      return reader_failed(io, lpu, lerr, kError, ierr, r.detail);
    }
    if (next == PropReader::Next::kEndOfFile) break;
  }
  if (listing_read_failed(io, lunin, lpu, kError, ierr)) return;
  write_count_lines(io, lunout, NEL, "*ELEMENT PROPERTY *", "Props Generated.");
  r.report_missing_rows(r.fill_internal_fluid(), tables);
}

}  // namespace velkan
