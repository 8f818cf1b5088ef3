// Whole conversions whose files fail under them: writes to the model file or
// the message file and reads of the listing fail after a planted number of
// bytes. The run must fail, say which file failed and why, and still show the
// verdict on the console.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "driver/conversiondriver.h"
#include "support/testio.h"

namespace velkan {
namespace {

// A straight riser of `nel` elements with every table both conversions read.
std::string model_listing(int nel, bool tensions = true) {
  std::string s = "   Total No. of Structural Elements       :  " + std::to_string(nel) +
                  "\n   No. of Nodes                           :  " + std::to_string(nel + 1) +
                  "\n   *** KINEMATIC VARIABLES ***\n";
  for (int i = 1; i <= nel + 1; ++i) s += "  " + std::to_string(i) + " 0 0 0 0 0 0 0\n";
  s += "  end of nodes\n*** ELEMENT DATA ***\n";
  for (int e = 1; e <= nel; ++e) {
    s += "  " + std::to_string(e) + " " + std::to_string(e) + " " + std::to_string(e + 1) +
         " 0 0 0 0 0 0\n";
  }
  s += "  end\n   *** ELEMENT PROPERTIES ***\n  Elem\n";
  for (int e = 1; e <= nel; ++e) s += "  " + std::to_string(e) + " 2E10 2E10 1E10 4E10 100 0 10\n";
  s += "  end\n   *** DRAG AND BUOYANCY DATA ***\n  Elem\n";
  for (int e = 1; e <= nel; ++e) s += "  " + std::to_string(e) + " 0 0.5 0 0 0 0 0\n";
  s += "  end\n";
  if (!tensions) return s;
  s += "1)        Element Effective Tensions.\n  Elem\n";
  for (int e = 1; e <= nel; ++e) s += "  " + std::to_string(e) + " 0.0 500 450 500 400\n";
  return s;
}

struct ConversionRun {
  std::int32_t status = 0;
  std::string console, messages;
  std::string dir;      // the run's folder, ending in '/'
  std::string listing;  // the listing's name as the answers give it
};

// Runs a conversion of `listing` in a fresh folder; in the answers "@" stands
// for that folder. `unit` (when not 0) gets the planted fault.
ConversionRun run(const std::string& listing, std::string answers, int unit = 0,
                  PlantedFault fault = {}) {
  test::TestIo io;
  ConversionRun r;
  r.dir = io.dir.path().string() + "/";
  for (std::size_t at = answers.find('@'); at != std::string::npos; at = answers.find('@'))
    answers.replace(at, 1, r.dir);
  r.listing = io.dir.write("model.lis", listing);
  io.in.str(r.listing + "\n" + answers);
  if (unit != 0) io.units.plant_fault(unit, fault);
  WorkArray wa(1000000);
  r.status = VELKAN(io.units, wa, wa.size(), 1);
  r.console = io.console();
  r.messages = io.dir.read("fort.17");
  return r;
}

const std::string kFailedFrame =
    "\n\n\n  ======  F L E X C O M   C O N V E R T I O N     F A I L E D    ======\n";

std::string error_lines(std::string_view doing, const std::string& file) {
  return "*** ERROR " + std::string(doing) + " File:" + file +
         "\n      Reason: " + io_error().text + "\n";
}

// The line that says where the records of a model file that did not
// complete went (when any reached it): the file named was never made.
std::string kept_line(const std::string& dir, const std::string& file, bool wrote) {
  const std::string kept = wrote ? "; what this run wrote is in " + dir + file + ".failed" : "";
  return "\n *** No model file " + dir + file + " was made" + kept + ".\n";
}

const std::string kVomar = "\n\n@model.vom\n\n\n";
const std::string kShear7 = "\n1\n@model.s7\n\n";

TEST(FileFaults, AModelFileThatCannotBeWrittenFailsEitherConversion) {
  struct Case {
    std::string answers;
    int unit;
    std::int64_t after;
    std::string file;
    std::string not_reached;  // the sequence stops before this progress line
  } cases[] = {
      {kVomar, 23, 0, "model.vom", "Creating element properties"},  // in the header
      {kVomar, 23, 700, "model.vom", "Writing Elem info"},          // in the nodes
      {kVomar, 23, 3250, "model.vom", ""},                          // in the materials
      {kShear7, 24, 0, "model.s7", ""},
      {kShear7, 24, 100, "model.s7", ""},
      {kShear7, 24, 900, "model.s7", ""},  // in the identification lines
  };
  for (const Case& c : cases) {
    const ConversionRun r = run(model_listing(20), c.answers, c.unit,
                                PlantedFault{PlantedFault::Kind::kWrite, c.after, io_error()});
    const std::string report =
        "\n" + error_lines("Writing", r.dir + c.file) + kept_line(r.dir, c.file, c.after > 0);
    EXPECT_EQ(r.status, -1) << c.file << c.after;
    EXPECT_NE(r.console.find(report + kFailedFrame + "     Max used space:"), std::string::npos)
        << c.file << c.after << r.console;
    EXPECT_EQ(r.messages, report + kFailedFrame) << c.file << c.after;
    EXPECT_FALSE(std::filesystem::exists(r.dir + c.file)) << c.file << c.after;
    if (!c.not_reached.empty()) {
      EXPECT_EQ(r.console.find(c.not_reached), std::string::npos) << c.after;
    }
  }
}

TEST(FileFaults, AMessageFileThatCannotBeWrittenDoesNotHideTheVerdict) {
  struct Case {
    std::string listing, answers, file;
    std::int64_t after;
  } cases[] = {
      // A riser end that is no node: the failed frame goes to the message file.
      {model_listing(3), "\n\n@model.vom\nyes\n1\n1\n99 4 2\n", "model.vom", 0},
      {model_listing(3), "\n\n@model.vom\nyes\n1\n1\n99 4 2\n", "model.vom", 10},
      // No tension table: the result reader fails.
      {model_listing(3, false), kShear7, "model.s7", 0},
  };
  for (const Case& c : cases) {
    const ConversionRun r = run(c.listing, c.answers, 17,
                                PlantedFault{PlantedFault::Kind::kWrite, c.after, io_error()});
    EXPECT_EQ(r.status, -1);
    EXPECT_NE(r.console.find("\n" + error_lines("Writing", r.dir + "fort.17") + kFailedFrame +
                             "     Max used space:"),
              std::string::npos)
        << r.console;
    EXPECT_EQ(r.messages, (kept_line(r.dir, c.file, c.file == "model.vom") + kFailedFrame)
                              .substr(0, static_cast<std::size_t>(c.after)));
  }
}

TEST(FileFaults, AReadErrorOnTheListingIsAFailedRunNeverItsEnd) {
  // The reads fail in the summary, before the node count: read as the end of
  // the file, the listing would be a model without nodes.
  const std::string listing = model_listing(3);
  const auto at = static_cast<std::int64_t>(listing.find("No. of Nodes"));
  for (const std::string& answers : {kVomar, kShear7}) {
    const ConversionRun r =
        run(listing, answers, 16, PlantedFault{PlantedFault::Kind::kRead, at, io_error()});
    EXPECT_EQ(r.status, -1);
    EXPECT_NE(r.console.find("\n" + error_lines("Reading", r.listing) + kFailedFrame),
              std::string::npos)
        << r.console;
    EXPECT_EQ(r.messages, "*** ERROR IN TRX_Size ***\nRead error in the listing " + r.listing +
                              ": " + io_error().text + "\n" + kFailedFrame);
  }
}

TEST(FileFaults, UnfailedFilesCompleteBothConversions) {
  for (const auto& [answers, unit] : {std::pair{kVomar, 23}, std::pair{kShear7, 24}}) {
    const ConversionRun r = run(model_listing(20), answers, unit,
                                PlantedFault{PlantedFault::Kind::kWrite, 1 << 30, io_error()});
    EXPECT_EQ(r.status, 0) << r.console;
    EXPECT_EQ(r.messages, "");
  }
}

}  // namespace
}  // namespace velkan
