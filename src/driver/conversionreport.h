// The conversion report of a run (--report, --report-json): its files
// opened with the run's other files and written whole or not at all, the
// listing's figures taken once the listing is read, what the conversion
// changed on the way, and, once the model file is in place, the model read
// back from it, the pages written and put in place after it, and the flags
// on the console.
#pragma once

#include <exception>
#include <optional>
#include <string>
#include <thread>

#include "commandline/options.h"
#include "platform/units.h"
#include "report/conversionnotes.h"
#include "report/listingfigures.h"
#include "store/workarray.h"

namespace velkan {

// The units of the report's files and of the model file read back.
inline constexpr int LPUREH = 25;
inline constexpr int LPUREJ = 26;
inline constexpr int LPURBK = 27;

class ConversionReport {
 public:
  explicit ConversionReport(const CommandLine& cl)
      : html_(cl.report_html),
        json_(cl.report_json),
        model_option_(cl.vomar ? cl.vomar : cl.shear7) {}

  // Whether the command line asked for a report.
  bool wanted() const { return html_ || json_; }
  // Declares the report's units as written whole.
  void declare(Units& io) const;
  // Opens the report's files (to partial outputs beside them); false, with
  // the reason on the console, when one cannot be written, or when two of the
  // run's outputs (the two pages, a page and the model file named on the
  // command line) are the same file.
  // False, with the reason on the console, when a report is named as the
  // other report, the model file given as an option or the message file:
  // checked before the listing is read.
  bool names_fit(Units& io, std::string_view messages) const;
  bool open(Units& io) const;
  // Takes the listing's figures from the store the four passes filled, on a
  // thread of its own while the conversion goes on: nothing may change the
  // node, element and property arrays until listing_taken().
  void take_listing(Units& io, WorkArray& wa, std::int32_t nel, std::int32_t nnp,
                    std::string_view listing_name);
  // Waits until the listing's figures are taken.
  void listing_taken();
  // What the conversion changed, filled where it knows it.
  ConversionNotes notes;

  // The model file of the run, named before it is put in place: the unit
  // tells the conversion (LPUUFO a Vomar, LPUS7 a Shear7 model file).
  void model_file(int unit, std::string name) {
    model_unit_ = unit;
    model_name_ = std::move(name);
  }
  // After the model file was put in place: reads it back, writes the pages
  // and puts them in place, and shows the flags on the console. False, with
  // the file's name and the reason on the console, when a page could not be
  // written.
  bool finish(Units& io, std::string_view stamp);

 private:
  struct Pages;
  // Reads the model file back and makes the figures and flags of the pages.
  void read_back(Units& io, Pages& p) const;

  std::optional<std::string> html_, json_, model_option_;
  std::optional<ListingFigures> listing_;
  std::jthread taking_;
  std::exception_ptr taking_failed_;
  std::string listing_name_;
  int model_unit_ = 0;
  std::string model_name_;
};

}  // namespace velkan
