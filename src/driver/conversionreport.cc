// The conversion report of a run, from its files to the flags on the console.
#include "driver/conversionreport.h"

#include <tuple>
#include <utility>

#include "driver/filemessages.h"
#include "driver/fileunits.h"
#include "lineinput/charutil.h"
#include "listing/propertytables.h"
#include "platform/wholefile.h"
#include "report/modelfile.h"
#include "report/reportfigures.h"
#include "report/reportflags.h"
#include "report/reporthtml.h"
#include "report/reportjson.h"
#include "report/shear7figures.h"
#include "store/arraylookup.h"
#include "store/arrayviews.h"
#include "store/fileopen.h"

namespace velkan {
namespace {

// Writes a page as the unit's records, one per line.
void write_page(Units& io, int unit, const std::string& page) {
  std::size_t from = 0;
  while (from < page.size()) {
    const std::size_t end = page.find('\n', from);
    const std::size_t to = end == std::string::npos ? page.size() : end;
    io.write(unit, std::string_view(page).substr(from, to - from));
    from = to + 1;
  }
}

// The last part of a name and the folder it lies in.
std::pair<std::string_view, std::string_view> split_name(std::string_view name) {
  const std::string_view folder = folder_prefix(name);
  return {folder.empty() ? std::string_view(".") : folder, name.substr(folder.size())};
}

// Whether two output names name the same file: one that exists, or the
// same name in the same folder.
bool same_output(std::string_view a, std::string_view b) {
  const std::optional<FileId> ia = file_id_of(a), ib = file_id_of(b);
  if (ia || ib) return ia == ib;
  const auto [folder_a, last_a] = split_name(a);
  const auto [folder_b, last_b] = split_name(b);
  const std::optional<FileId> fa = file_id_of(folder_a);
  return last_a == last_b && fa && fa == file_id_of(folder_b);
}

void say(Units& io, const std::string& line) {
  io.newline(LTO);
  io.write(LTO, line);
}

}  // namespace

void ConversionReport::declare(Units& io) const {
  io.write_whole(LPUREH);
  io.write_whole(LPUREJ);
}

bool ConversionReport::names_fit(Units& io, std::string_view messages) const {
  if (html_ && json_ && same_output(*html_, *json_)) {
    say(io,
        " *** --report and --report-json name the same file " + *json_ + ": give each its own.");
    return false;
  }
  for (const auto& [name, option] :
       {std::pair{&html_, "--report"}, std::pair{&json_, "--report-json"}}) {
    if (*name && model_option_ && same_output(**name, *model_option_)) {
      say(io, std::string(" *** ") + option + " names the model file " + *model_option_ +
                  ": give the report another name.");
      return false;
    }
    if (*name && same_output(**name, messages)) {
      say(io, std::string(" *** ") + option + " names the message file " + std::string(messages) +
                  ": give the report another name.");
      return false;
    }
  }
  return true;
}

bool ConversionReport::open(Units& io) const {
  for (const auto& [unit, name, option] :
       {std::tuple{LPUREH, &html_, "--report"}, std::tuple{LPUREJ, &json_, "--report-json"}}) {
    if (!*name) continue;
    std::int32_t status = 0;
    OPNTXT(io, **name, unit, 0, status);
    if (status == 0) continue;
    report_open_failure(
        io, **name,
        std::string(" *** No report can be written there: give ") + option + " another name.",
        false);
    return false;
  }
  return true;
}

void ConversionReport::take_listing(Units& io, WorkArray& wa, std::int32_t nel, std::int32_t nnp,
                                    std::string_view listing_name) {
  listing_name_ = std::string(trimmed(listing_name));
  std::int32_t status = 0;
  ListingArrays a;
  a.NEL = nel;
  a.NNP = nnp;
  a.MNPEX = find_ints(io, wa, "MNPEX", LPU, status);
  a.MELEX = find_ints(io, wa, "MELEX", LPU, status);
  a.MNPC = find_ints(io, wa, "MNPC", LPU, status);
  a.MPMNPC = find_ints(io, wa, "MPMNPC", LPU, status);
  a.MHINGE = find_ints(io, wa, "MHINGE", LPU, status);
  a.TCOORD = find_reals(io, wa, "TCOORD", LPU, status);
  a.row = kPropertyRowReals;
  a.ELPROP =
      find_leading_reals(io, wa, "ELPROP", std::int64_t{nel} * kPropertyRowReals, LPU, status);
  if (status != 0) return;
  taking_ = std::jthread([this, a] {
    try {
      listing_ = listing_figures(a);
    } catch (...) {
      taking_failed_ = std::current_exception();
    }
  });
}

void ConversionReport::listing_taken() {
  if (taking_.joinable()) taking_.join();
  if (taking_failed_) std::rethrow_exception(std::exchange(taking_failed_, nullptr));
}

// The report of the model file read back, for the pages and the flags.
struct ConversionReport::Pages {
  std::optional<ModelFile> file;
  std::optional<ReportFigures> figures;
  std::optional<Shear7Figures> shear7;
  std::vector<Flag> flags;
  ReportInput in;
};

void ConversionReport::read_back(Units& io, Pages& p) const {
  if (model_unit_ == LPUUFO) {
    p.file = read_model_file(io, LPURBK, model_name_);
    p.figures = report_figures(*listing_, *p.file, notes);
    p.flags = vomar_flags(*listing_, *p.figures, notes, *p.file);
    p.in.file = &*p.file;
    p.in.figures = &*p.figures;
  } else {
    p.shear7 = shear7_figures(io, LPURBK, model_name_, listing_->profile.length);
    p.flags = shear7_flags(*listing_, *p.shear7);
    p.in.shear7 = &*p.shear7;
  }
  p.in.listing_name = listing_name_;
  p.in.model_name = model_name_;
  p.in.listing = &*listing_;
  p.in.notes = &notes;
  p.in.flags = &p.flags;
}

bool ConversionReport::finish(Units& io, std::string_view stamp) {
  listing_taken();
  if (!listing_) {  // the store's arrays were not found: no figures to report
    say(io, " *** No report was written: the listing's figures could not be taken.");
    return false;
  }
  for (const std::optional<std::string>* name : {&html_, &json_}) {
    if (*name && same_output(**name, model_name_)) {  // the model file typed at its prompt
      say(io,
          " *** The report " + **name + " would replace the model file " + model_name_ +
              ": the model file is in place, no report was written; give the report another name.");
      return false;
    }
  }
  Pages p;
  read_back(io, p);
  std::string_view shown = trimmed(stamp);
  while (shown.starts_with(' ')) shown.remove_prefix(1);
  p.in.stamp = std::string(shown);
  std::string written;
  for (const auto& [unit, name, make] :
       {std::tuple{LPUREH, &html_, &report_html}, std::tuple{LPUREJ, &json_, &report_json}}) {
    if (!*name) continue;
    write_page(io, unit, make(p.in));
    if (const OsError err = io.commit(unit)) {
      report_file_error(io, LTO, "Writing", **name, err);
      return false;
    }
    written += (written.empty() ? "" : ", ") + **name;
  }
  io.newline(LTO);
  io.write(LTO, " Conversion report: " + written + (p.flags.empty() ? " (no flags)" : ""));
  for (const Flag& f : p.flags) io.write(LTO, " *** " + f.text);
  return true;
}

}  // namespace velkan
