// The conversion driver VELKAN: banner, listing, store, the four reading
// passes, the operation menus, one conversion sequence, and the verdict.
#include "driver/conversiondriver.h"

#include <new>
#include <string>

#include "driver/conversion.h"
#include "driver/conversionreport.h"
#include "driver/filemessages.h"
#include "driver/givenanswers.h"
#include "driver/prompts.h"
#include "driver/prompttexts.h"
#include "driver/runend.h"
#include "driver/shear7export.h"
#include "driver/vomarconversion.h"
#include "lineinput/charutil.h"
#include "listing/elementtable.h"
#include "listing/listing.h"
#include "listing/modelsize.h"
#include "listing/nodetable.h"
#include "listing/propertytables.h"
#include "platform/numfmt.h"
#include "platform/wholefile.h"
#include "process/propertybuilder.h"
#include "store/arraylookup.h"
#include "store/arrayviews.h"
#include "store/dmssetup.h"
#include "store/fileopen.h"
#include "store/registersetup.h"
#include "store/structurerecords.h"

namespace velkan {
namespace {

constexpr const char* kBanner[] = {
    "---------------------------------------------",
    "---------------------------------------------",
    "---------------------------------------------",
    "-------        V E L K A N            --------",
    "-------  Version 1.3 / 27.Nov 2006   --------",
    "-------       Supported By           --------",
    "-------                              --------",
    "-------    Riser Engineering Tools   --------",
    "---------------------------------------------",
    "---------------------------------------------",
    "---------------------------------------------",
};

constexpr std::string_view kOperations[] = {"Convert Model      /def/      ",
                                            "Extract Results               "};
constexpr std::string_view kSubOperations[] = {"Export to Shear7              ",
                                               "Export to Vomar    /def/      "};

void write_banner(Units& io) {
  io.newline(LTO);
  io.newline(LTO);
  for (const char* line : kBanner) io.write(LTO, line);
}

std::string open_listing(Units& io, Dialogue& ask) {
  for (;;) {
    const std::string name = ask.file_name(kListingPrompt);
    std::int32_t status = 0;
    OPNTXT(io, name, LRUSTD, 1, status);
    if (status == 0) return name;
    report_open_failure(io, name, "      Try once more !", true);
  }
}

// DMS, array register and the structure-parameter record.
bool open_store(Units& io, WorkArray& wa, std::int32_t nwiwa) {
  std::int32_t status = 0;
  DMSOPN(io, wa, nwiwa, -203, 0, LPU, status);
  if (status != 0) return false;
  ARINIT(io, wa, {}, 8, 8, 200, 1, LPU, status);
  if (status != 0) return false;
  const IntSpan mstru = book_ints(io, wa, "MSTRU", 610, "STRU", LPU, status);
  if (status != 0) return false;
  ARZERO(io, wa, "MSTRU", LPU, status);
  STROPN(io, mstru, 610, 1, 1, LPU, status);
  return status == 0;
}

// The node, element and property tables that the next readers book, announced
// as soon as the model's size is known, so that their pages are faulted in
// while the listing is read, each from its start and in the order the readers
// fill them (the pages announced last are prepared first); the cross-section
// table, which only a Vomar conversion fills, comes last. Of the cross-section
// table and ELPROP only the part that their packed rows take is announced.
// Nothing is announced when they would not fit: their booking fails then
// anyway.
void expect_model_tables(Conversion& c) {
  if (c.nel <= 0 || c.nnp <= 0 || c.mxgepr <= 0) return;
  const std::int64_t nodes = node_table_words(c.nnp), elements = element_table_words(c.nel);
  const std::int64_t properties = property_table_words(c.nel, c.mxgepr);
  if (nodes + elements + properties > ARFREE(c.wa)) return;
  const std::int64_t rows = property_row_table_words(c.nel, c.mxgepr);
  const std::int64_t first = DMSINF(c.wa, 4), props = first + nodes + elements;
  const std::int64_t index = properties - 2 * rows;  // MEXGEO, MGETYP, MHINGE
  const auto packed = [&](std::int32_t row) { return 2 * std::int64_t{c.nel} * row + 1; };
  c.wa.expect_use(props + index, packed(kCrossSectionRowReals));           // TCRGEO
  c.wa.expect_use(props + index + rows, packed(kPropertyRowReals), true);  // ELPROP
  c.wa.expect_use(props, index, true);
  c.wa.expect_use(first + nodes, elements, true);
  c.wa.expect_use(first, nodes, true);
}

// The four passes over the listing. One that changes while it is read fails
// the run after the pass that finds the change, whatever that pass made of it.
// One whose last line has no line end is cut short: that is said after the
// size scan, which has read the whole file and refused it first when it is no
// text at all (binary files seldom end in a line end either).
bool read_model(Conversion& c) {
  using Reader = void (*)(Units&, WorkArray&, int, int, int, std::int32_t&);
  const Reader readers[] = {TRX_Size, TRX_Node, TRX_Elem, TRX_Prop};
  if (!c.listing_state.take(c.io, LRUSTD, LTO, LPU)) return false;
  for (const Reader reader : readers) {
    std::int32_t status = 0;
    TRX_OPEN(c.io, LRUSTD, LTO, status);
    reader(c.io, c.wa, LRUSTD, LTO, LPU, status);
    const bool same = c.listing_state.unchanged(c.io, LRUSTD, LTO, LPU);
    if (status != 0 || c.io.error(LRUSTD) || !same) return false;
    if (reader == TRX_Size) {
      if (!c.listing_state.last_line_ended(c.io, LRUSTD, LTO, LPU)) return false;
      const IntSpan mstru = find_ints(c.io, c.wa, "MSTRU", LPU, status);
      c.nel = GTSTRU(c.io, mstru, "NEL", LPU, status);
      c.nnp = GTSTRU(c.io, mstru, "NNP", LPU, status);
      c.mxgepr = GTSTRU(c.io, mstru, "MXGEPR", LPU, status);
      c.mxmapr = GTSTRU(c.io, mstru, "MXMAPR", LPU, status);
      expect_model_tables(c);
    }
  }
  return true;
}

void write_menu(Units& io, const std::string_view (&entries)[2]) {
  for (int i = 0; i < 2; ++i) io.write(LTO, Line().i(i + 1, 4).a(": ").a(entries[i]).str());
  io.write(LTO, " ");
}

void not_implemented(Units& io, int blanks, std::string_view text) {
  io.write(LTO, std::string(static_cast<std::size_t>(blanks), ' '));
  io.write(LTO, text);
  io.write(LTO, std::string(static_cast<std::size_t>(blanks), ' '));
}

// The operation menu and then the sub-operation menu; returns the sub-operation.
std::int32_t choose_operation(Units& io, Dialogue& ask) {
  for (;;) {
    io.write(LTO, " Available Options:");
    write_menu(io, kOperations);
    if (ask.integer_or(kOperationPrompt, 1) == 1) break;
    not_implemented(io, 33, " *** Option not implemented ***. ");
  }
  for (;;) {
    io.newline(LTO);
    io.newline(LTO);
    io.write(LTO, " Available Sub Options:");
    write_menu(io, kSubOperations);
    const std::int32_t sub = ask.integer_or(kSubOperationPrompt, 2);
    if (sub == 1 || sub == 2) return sub;
    not_implemented(io, 37, " *** Sub Option not implemented ***. ");
  }
}

// A listing without elements (an empty file, another kind of file, a listing
// without its summary block) would give an empty model: there is nothing to
// convert, and the run says so instead of completing.
bool has_elements(Conversion& c) {
  if (c.nel > 0) return true;
  for (const int unit : {LTO, LPU}) {
    c.io.newline(unit);
    c.io.write(unit, " *** No elements in the listing: nothing to convert.");
  }
  return false;
}

// With a report, its names are checked against each other and the files
// named so far before the listing is read; its files are opened once the
// listing is read (so that neither can be the listing), and the listing's figures are taken before
// the conversion changes the model.
Outcome convert(Units& io, Dialogue& ask, WorkArray& wa, std::int32_t nwiwa,
                const std::string& stamp, ConversionReport& report) {
  if (report.wanted() && !report.names_fit(io, io.file_name(LPU))) return Outcome::kFailed;
  Conversion c{io, ask, wa, open_listing(io, ask), stamp};
  if (!open_store(io, wa, nwiwa) || !read_model(c) || !has_elements(c)) return Outcome::kFailed;
  std::int32_t status = 0;
  find_leading_reals(io, wa, "ELPROP", 0, LPU, status);
  if (status != 0) return Outcome::kFailed;
  if (report.wanted()) {
    if (!report.open(io)) return Outcome::kFailed;
    report.take_listing(io, wa, c.nel, c.nnp, c.listing_name);
    c.notes = &report.notes;
    c.before_mesh_changes = [&report] { report.listing_taken(); };
  }
  const Outcome outcome = choose_operation(io, ask) == 1 ? shear7_export(c) : vomar_conversion(c);
  for (const int unit : {LPUUFO, LPUS7}) {
    if (io.is_open(unit)) report.model_file(unit, io.file_name(unit));
  }
  return outcome;
}

// The files of the run: the message file is the run's own from the start (no
// listing or output file may be the same file, and no other conversion may
// write it meanwhile), and the model files are written whole or not at all.
// False, with the reason on the console, when another conversion holds the
// message file.
bool claim_run_files(Units& io, const ConversionReport& report) {
  if (const OsError busy = io.claim_implicit(LPU)) {
    io.newline(LTO);
    io.write(LTO, " *** " + busy.text +
                      " in this folder: wait until it has ended, or run in another folder.");
    write_verdict(io, Outcome::kFailedAfterTrailer);  // the message file is the other run's
    return false;
  }
  io.write_whole(LPUUFO);
  io.write_whole(LPUS7);
  if (report.wanted()) report.declare(io);
  remove_leftover_partials(io.file_name(LPU));
  return true;
}

void say_out_of_memory(Units& io) {
  for (const int unit : {LTO, LPU}) {
    io.newline(unit);
    io.write(unit, " *** Out of memory: the system gave the run no more memory.");
  }
}

}  // namespace

std::int32_t VELKAN(Units& io, WorkArray& wa, std::int32_t nwiwa, std::int32_t mode,
                    const CommandLine& given) {
  (void)mode;  // always an interactive run
  const std::string stamp = padded(RUNSTP(80, 6), 256);
  ConversionReport report(given);
  if (!claim_run_files(io, report)) return -1;
  write_banner(io);
  Dialogue ask(io);
  give_answers(given, ask);
  Outcome outcome = Outcome::kFailed;
  try {
    outcome = convert(io, ask, wa, nwiwa, stamp, report);
  } catch (const EndOfInput& end) {
    io.newline(LTO);
    io.write(LTO, end.line_without_end
                      ? " *** No line end in the console input: no answer to the last question."
                      : " *** End of the console input: no answer to the last question.");
    outcome = Outcome::kFailed;
  } catch (const std::bad_alloc&) {
    say_out_of_memory(io);
    outcome = Outcome::kFailed;
  }
  const std::int32_t status = report.wanted()
                                  ? end_run(io, outcome, [&] { return report.finish(io, stamp); })
                                  : end_run(io, outcome);
  // A report not put in place is removed: it belongs to a failed run.
  io.close(LPUREH);
  io.close(LPUREJ);
  io.write(LTO, Line().a("     Max used space: ").i(DMSGET(wa, kColStart, 3), 10).str());
  return status;
}

}  // namespace velkan
