// The built program on bad inputs, as a user meets them: listings that cannot
// be read or hold no model, answers that are not what is asked, output files
// that cannot be written. Each run ends with a clear line and the right
// verdict, or asks again; none hangs, and none destroys the listing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "run_program.h"

namespace velkan {
namespace {

namespace fs = std::filesystem;
using test::ProgramRun;
using test::TempDir;

const std::string kCompleted =
    "\n\n\n  ======  F L E X C O M   C O N V E R T I O N     C O M P L E T E D    ======\n";
const std::string kFailed =
    "\n\n\n  ======  F L E X C O M   C O N V E R T I O N     F A I L E D    ======\n";
const std::string kEndOfInput =
    "\n *** End of the console input: no answer to the last question.\n";

// Every default of a Vomar conversion of riser.lis (it has a hinge element),
// and of a Shear7 export.
const std::string kVomarDefaults = "\n\nriser.vom\n\n\n\n";
const std::string kShear7Defaults = "\n1\nriser.s7\n\n";

std::string example(const std::string& name) {
  std::ifstream f(fs::path(VELKAN_EXAMPLES) / name, std::ios::binary);
  std::ostringstream text;
  text << f.rdbuf();
  return text.str();
}

// `text` with its first `from` replaced by `to`.
std::string edited(std::string text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The lines of a model file without the line that holds the time of the run.
std::string without_stamp(const std::string& text) {
  std::string out;
  for (const std::string& line : test::lines_of(text)) {
    if (line.rfind("# Converted ", 0) != 0) out += line + "\n";
  }
  return out;
}

bool running_as_root() {
  return ::geteuid() == 0;
}

bool shell(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// Shell words that run the program as a user without privileges: none when
// this is one already; none at all (nullopt) when that is not possible here.
std::optional<std::string> unprivileged() {
  if (!running_as_root()) return std::string();
  const std::string setpriv = "setpriv --reuid=65534 --regid=65534 --clear-groups";
  if (!shell(setpriv + " test -x '" VELKAN_EXE "'")) return std::nullopt;
  return setpriv;
}

// A file or folder that may not be written: immutable for root, read-only for
// anyone else. False when that cannot be arranged here.
bool lock(const fs::path& path) {
  if (!running_as_root()) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    return true;
  }
  return shell("chattr +i '" + path.string() + "'");
}

void unlock(const fs::path& path) {
  if (running_as_root()) {
    shell("chattr -i '" + path.string() + "'");
  } else {
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  }
}

class Catalogue : public ::testing::Test {
 protected:
  Catalogue() { dir.write("riser.lis", riser); }
  ProgramRun velkan(const std::string& answers, const std::string& wrapper = "",
                    const std::string& args = "1") {
    return test::run_velkan(dir, args, answers, wrapper);
  }
  static std::string open_error(std::string_view name, std::string_view reason,
                                std::string_view retry) {
    return "*** ERROR Opening File:" + std::string(name) +
           "\n      Reason: " + std::string(reason) + "\n" + std::string(retry) + "\n";
  }

  const std::string riser = example("riser.lis");
  TempDir dir;
};

constexpr std::string_view kListingRetry = "      Try once more !";
constexpr std::string_view kOutputRetry = "      Try another file name !";

TEST_F(Catalogue, ListingsThatCannotBeOpenedAreAskedForAgain) {
  fs::create_directory(dir.path() / "folder");
  ASSERT_TRUE(shell("mkfifo '" + dir.file("pipe.lis") + "'"));
  struct Case {
    std::string name, reason;
  } cases[] = {
      {"missing.lis", "No such file or directory"},
      {"folder", "Is a directory"},
      {"pipe.lis", "Not a regular file"},  // never waited for
      {"/dev/null", "Not a regular file"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = velkan(c.name + "\nriser.lis\n" + kVomarDefaults, "timeout 60");
    EXPECT_EQ(run.exit_status, 0) << c.name << run.console;
    EXPECT_NE(run.console.find(open_error(c.name, c.reason, kListingRetry)), std::string::npos)
        << run.console;
  }
}

TEST_F(Catalogue, AListingThatMayNotBeReadIsAskedForAgain) {
  const std::optional<std::string> as_user = unprivileged();
  if (!as_user) GTEST_SKIP() << "no way to run without privileges here";
  fs::permissions(dir.path(), fs::perms::all);  // the user writes fort.17 and the model
  dir.write("secret.lis", riser);
  fs::permissions(dir.file("secret.lis"), fs::perms::none);
  const ProgramRun run = velkan("secret.lis\nriser.lis\n" + kVomarDefaults, *as_user);
  EXPECT_EQ(run.exit_status, 0) << run.console;
  EXPECT_NE(run.console.find(open_error("secret.lis", "Permission denied", kListingRetry)),
            std::string::npos)
      << run.console;
}

TEST_F(Catalogue, AListingNamedAsTheMessageFileIsRefusedAndSurvivesTheRun) {
  struct Case {
    std::string answers;
    int exit_status;
    std::string after_refusal;
  } cases[] = {
      // Given up at once: the failed frame has nowhere to go but the console.
      {"fort.17\n", 1,
       kEndOfInput +
           "\n*** ERROR Writing File:fort.17\n      Reason: Is a file that was named as "
           "an input\n" +
           kFailed},
      {"fort.17\nriser.lis\n" + kVomarDefaults, 0, "\n          Number of Nodes"},
  };
  for (const Case& c : cases) {
    dir.write("fort.17", riser);
    const ProgramRun run = velkan(c.answers);
    EXPECT_EQ(run.exit_status, c.exit_status);
    EXPECT_NE(run.console.find(open_error("fort.17",
                                          "fort.17 is the message file of this run: rename the "
                                          "listing",
                                          kListingRetry) +
                               " Give FlexCom File Name (complete)   :  " + c.after_refusal),
              std::string::npos)
        << run.console;
    EXPECT_EQ(dir.read("fort.17"), riser);
  }
}

TEST_F(Catalogue, ListingsThatHoldNoUsableModelFailWithAReason) {
  std::string binary;
  for (int i = 0; i < 1024; ++i) binary.push_back(static_cast<char>(i % 256));
  const std::string counts = "Total No. of Structural Elements       :      12";
  struct Case {
    std::string what, listing, answers;
    std::string console, messages;  // expected within the console and within fort.17
  } cases[] = {
      {"empty", "", kVomarDefaults, " *** No elements in the listing: nothing to convert.\n", ""},
      {"binary", binary, kVomarDefaults, "",
       "NUL byte in line 1 of the listing: not a text listing"},
      {"NUL bytes", edited(riser, "         3  1.2000E+08", std::string("\0\0", 2) + "       3"),
       kVomarDefaults, "", "NUL byte in line 79 of the listing: not a text listing"},
      {"2,000,000,000 elements",
       edited(riser, counts, "Total No. of Structural Elements       :  2000000000"),
       kVomarDefaults, "", "*** ERROR IN ARBOOK ***\nInsufficient space for array MELEX\n"},
      {"a count too wide for 32 bits",
       edited(riser, counts, "Total No. of Structural Elements       :  99999999999"),
       kVomarDefaults, "", "*** ERROR IN ARBOOK ***\nInsufficient space for array MELEX\n"},
      {"NaN", edited(riser, "         3  1.2000E+08", "         3  NaN"), kVomarDefaults, "",
       "*** ERROR IN TRX_Prop ***\nNumber that is not finite (NaN, Inf or beyond 1E308) in the "
       "row of element 3 under *** ELEMENT PROPERTIES ***\n"},
      {"1E400", edited(riser, "       104    -30.000", "       104    1E400"), kVomarDefaults, "",
       "*** ERROR IN TRX_Node ***\nNumber that is not finite (NaN, Inf or beyond 1E308) in line "
       "33 of the listing\n"},
      {"Inf", edited(riser, "         4     0.0    158000.0", "         4     0.0    -Infinity"),
       kShear7Defaults, "",
       "*** ERROR IN TRX_GtERes  ***\nNumber that is not finite (NaN, Inf or beyond 1E308) in "
       "line 169 of the listing\n"},
      // The readers find these themselves and say no more than the verdict.
      {"counts that do not match the tables",
       edited(riser, "No. of Nodes                           :      13",
              "No. of Nodes                           :      14"),
       kVomarDefaults, "", ""},
      {"cut short in a table", riser.substr(0, riser.find("         5       105")), kVomarDefaults,
       "", ""},
  };
  for (const Case& c : cases) {
    dir.write("bad.lis", c.listing);
    const ProgramRun run = velkan("bad.lis\n" + c.answers);
    EXPECT_EQ(run.exit_status, 1) << c.what;
    EXPECT_NE(run.console.find(c.console + kFailed), std::string::npos) << c.what << run.console;
    const std::string messages = dir.read("fort.17");
    EXPECT_NE(messages.find(c.messages), std::string::npos) << c.what << messages;
    EXPECT_EQ(messages.substr(messages.size() - kFailed.size()), kFailed) << c.what;
  }
}

TEST_F(Catalogue, CarriageReturnsAndVeryLongLinesConvertAsTheListingWithout) {
  std::string crlf;
  for (const std::string& line : test::lines_of(riser)) crlf += line + "\r\n";
  const std::string wide(100000, 'x');
  std::string long_lines = edited(riser, "   FLEXCOM", wide + "\n   " + wide + "\n   FLEXCOM");
  // Only the first 132 columns of a line count: what stands beyond is never read.
  const std::string beyond = std::string(200, ' ') + wide + "\n";
  long_lines = edited(long_lines, "0.000      1     1\n", "0.000      1     1" + beyond);
  long_lines = edited(long_lines, "       107    -60.000", "*" + wide + "\n       107    -60.000");
  long_lines = edited(long_lines, "   4.500E+05\n", "   4.500E+05" + beyond);
  for (const std::string& answers : {kVomarDefaults, kShear7Defaults}) {
    const std::string output = answers == kVomarDefaults ? "riser.vom" : "riser.s7";
    dir.write("riser.lis", riser);
    ASSERT_EQ(velkan("riser.lis\n" + answers).exit_status, 0);
    const std::string expected = without_stamp(dir.read(output));
    for (const std::string& listing : {crlf, long_lines}) {
      dir.write("riser.lis", listing);
      const ProgramRun run = velkan("riser.lis\n" + answers);
      EXPECT_EQ(run.exit_status, 0) << run.console;
      EXPECT_EQ(without_stamp(dir.read(output)), expected) << output;
    }
  }
}

TEST_F(Catalogue, ANodeNumberTooWideForThirtyTwoBitsIsNotFoundByItsElements) {
  dir.write("wide.lis", edited(riser, "       105    -40.000", "       99999999999    -40.000"));
  const ProgramRun wide = velkan("wide.lis\n" + kVomarDefaults);
  EXPECT_NE(wide.console.find("Illegal nodes for elem:     4\nIllegal nodes for elem:     5\n"),
            std::string::npos)
      << wide.console;
}

TEST_F(Catalogue, TheEndOfTheInputAtEveryQuestionEndsTheRunAsFailed) {
  const std::string vomar = "riser.lis\n\n\nriser.vom\n";
  struct Case {
    std::string answers;
    std::string_view prompt;
  } cases[] = {
      {"", "Give FlexCom File Name (complete)   :  "},
      {"riser.lis\n", "Select Operation  / 1 /             :  "},
      {"riser.lis\n\n", "Select Sub Operation  / 2 /         :  "},
      {"riser.lis\n\n\n", "Vomar model file name               :  "},
      {vomar, "Create Coarser Mesh?  /no /         :  "},
      {vomar + "yes\n", "Number of Risers                    :  "},
      {vomar + "yes\n1\n", "Number of Segments                  :  "},
      {vomar + "yes\n1\n1\n", "First Node, Last node and nSkip     :  "},
      {vomar + "yes\n1\n1\n101 113", "First Node, Last node and nSkip     :  "},
      {vomar + "\n", "Hinge Stiff, Ax & Bend /1E8 & 1E3/:  "},
      {vomar + "\n\n", "Create Sea Bed?       /no /         :  "},
      {vomar + "\n\nyes\n", "Max Z-coordinate for seabed nodes   :  "},
      {"riser.lis\n\n1\n", "Give File for Shear7 model          :  "},
      {"riser.lis\n\n1\nriser.s7\n", "Scaling factor for Tension /1.0/    :  "},
  };
  for (const Case& c : cases) {
    const ProgramRun run = velkan(c.answers);
    EXPECT_EQ(run.exit_status, 1) << c.prompt;
    EXPECT_NE(run.console.find(std::string(c.prompt) + kEndOfInput + kFailed), std::string::npos)
        << run.console;
  }
}

TEST_F(Catalogue, AConsoleLineWithoutEndEndsTheRunAsFailed) {
  const ProgramRun run = velkan("riser.lis\n" + std::string(3 << 20, 'x'));
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_NE(run.console.find("Select Operation  / 1 /             :  \n *** No line end in the "
                             "console input: no answer to the last question.\n" +
                             kFailed),
            std::string::npos)
      << run.console.substr(run.console.size() - 500);
}

TEST_F(Catalogue, AnswersThatAreNotWhatIsAskedAreAskedForAgain) {
  const ProgramRun run = velkan(
      "riser.lis\nabc\n\nx\n\nriser.vom\nyes\nabc\n-1\n99999999999\n11\n1\n-5\n201\n1\n"
      "101 113\n2\nx y\n\nyes\ndeep\n-60\n");
  EXPECT_EQ(run.exit_status, 0) << run.console;
  const std::string whole = " *** A whole number expected, please answer again.\n";
  const std::string risers = " *** At most 10 risers: please give a number from 0 to 10.\n";
  const std::string segments =
      " *** At most 200 segments in all: please give a number from 0 to 200.\n";
  const std::string risers_prompt = " Number of Risers                    :  ";
  const std::string segments_prompt = " Number of Segments                  :  ";
  for (const std::string& expected : std::vector<std::string>{
           " Select Operation  / 1 /             :  " + whole,
           " Select Sub Operation  / 2 /         :  " + whole,
           risers_prompt + whole + risers_prompt + risers + risers_prompt + whole + risers_prompt +
               risers,
           segments_prompt + segments + segments_prompt + segments,
           std::string(" Hinge Stiff, Ax & Bend /1E8 & 1E3/:   *** 2 numbers expected, please "
                       "answer again.\n"),
           " Max Z-coordinate for seabed nodes   :   *** A number expected, please answer again.\n",
       }) {
    EXPECT_NE(run.console.find(expected), std::string::npos) << expected;
  }
}

TEST_F(Catalogue, SegmentEndsThatAreNoNodesFailTheRun) {
  for (const std::string_view segments : {"1\n101 999 2\n", "2\n101 999 2\n999 113 2\n"}) {
    const ProgramRun run = velkan("riser.lis\n\n\nriser.vom\nyes\n1\n" + std::string(segments));
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.console.find("Illegal node:     999\n" + kFailed), std::string::npos)
        << run.console;
  }
}

TEST_F(Catalogue, OutputFilesThatCannotBeOpenedAreAskedForAgain) {
  fs::create_directory(dir.path() / "folder");
  fs::create_directory(dir.path() / "sub");
  ASSERT_TRUE(shell("mkfifo '" + dir.file("pipe.vom") + "'"));
  fs::create_hard_link(dir.file("riser.lis"), dir.file("hard.lis"));
  fs::create_symlink(dir.file("riser.lis"), dir.file("soft.lis"));
  const std::string listing = "it is the FlexCom listing being read, riser.lis";
  const std::string messages = "fort.17 is the message file of this run";
  struct Case {
    std::string name, reason;
  } cases[] = {
      {"missing/riser.vom", "No such file or directory"},
      {"folder", "Is a directory"},
      {"pipe.vom", "Not a regular file"},
      {"riser.lis", listing},
      {"sub/../riser.lis", listing},
      {"hard.lis", listing},
      {"soft.lis", listing},
      {"fort.17", messages},
      {"./fort.17", messages},
  };
  for (const Case& c : cases) {
    for (const auto& [answers, output] :
         {std::pair{kVomarDefaults, "riser.vom"}, std::pair{kShear7Defaults, "riser.s7"}}) {
      const std::string bad_first = edited(answers, output, c.name + "\n" + output);
      const ProgramRun run = velkan("riser.lis\n" + bad_first, "timeout 60");
      EXPECT_EQ(run.exit_status, 0) << c.name << run.console;
      EXPECT_NE(run.console.find(open_error(c.name, c.reason, kOutputRetry)), std::string::npos)
          << run.console;
    }
  }
  EXPECT_EQ(dir.read("riser.lis"), riser);
}

TEST_F(Catalogue, OutputFilesThatMayNotBeWrittenAreAskedForAgain) {
  dir.write("old.vom", "old content\n");
  fs::create_directory(dir.path() / "shut");
  if (!lock(dir.path() / "old.vom") || !lock(dir.path() / "shut")) {
    GTEST_SKIP() << "files cannot be locked here";
  }
  const ProgramRun run = velkan("riser.lis\n\n\nold.vom\nshut/riser.vom\nriser.vom\n\n\n\n");
  unlock(dir.path() / "old.vom");
  unlock(dir.path() / "shut");
  EXPECT_EQ(run.exit_status, 0) << run.console;
  for (const std::string name : {"old.vom", "shut/riser.vom"}) {
    const std::string start = "*** ERROR Opening File:" + name + "\n      Reason: ";
    const std::size_t at = run.console.find(start);
    ASSERT_NE(at, std::string::npos) << run.console;
    EXPECT_NE(run.console.find(std::string("\n") + std::string(kOutputRetry), at),
              std::string::npos);
  }
  EXPECT_EQ(dir.read("old.vom"), "old content\n");
  EXPECT_NE(dir.read("riser.vom"), "");
}

// A model of `nel` elements whose cross-sections and materials do not merge,
// so that the console stays short while the model file grows.
std::string long_riser(int nel) {
  std::string s = "Total No. of Structural Elements       :  " + std::to_string(nel) +
                  "\nNo. of Nodes                           :  " + std::to_string(nel + 1) +
                  "\n*** KINEMATIC VARIABLES ***\n";
  for (int i = 1; i <= nel + 1; ++i) s += "  " + std::to_string(i) + " 0 0 0 0 0 0 0\n";
  s += "  end\n*** ELEMENT DATA ***\n";
  for (int e = 1; e <= nel; ++e) {
    s += "  " + std::to_string(e) + " " + std::to_string(e) + " " + std::to_string(e + 1) +
         " 0 0 0 0 0 0\n";
  }
  s += "  end\n*** ELEMENT PROPERTIES ***\n  Elem\n";
  for (int e = 1; e <= nel; ++e) {
    const std::string ei = std::to_string(1000 + e) + "E7", mass = std::to_string(1000 + e);
    s += "  " + std::to_string(e) + " " + ei + " " + ei + " 1E10 4E10 " + mass + " 0 10\n";
  }
  s += "  end\n1)        Element Effective Tensions.\n  Elem\n";
  for (int e = 1; e <= nel; ++e) s += "  " + std::to_string(e) + " 0.0 500 450 500 400\n";
  return s;
}

TEST_F(Catalogue, AFullDiskOrAFileSizeLimitFailsEitherConversion) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no full device here";
  dir.write("long.lis", long_riser(1000));
  struct Case {
    std::string answers, wrapper, file, reason;
  } cases[] = {
      {"long.lis\n\n\n/dev/full\n\n\n", "", "/dev/full", "No space left on device"},
      {"long.lis\n\n1\n/dev/full\n\n", "", "/dev/full", "No space left on device"},
      // 16 blocks of 512 or 1024 bytes: the console and fort.17 fit, the model does not.
      {"long.lis\n\n\nlong.vom\n\n\n", "ulimit -f 16 &&", "long.vom", "File too large"},
      {"long.lis\n\n1\nlong.s7\n\n", "ulimit -f 16 &&", "long.s7", "File too large"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = velkan(c.answers, c.wrapper);
    const std::string report =
        "\n*** ERROR Writing File:" + c.file + "\n      Reason: " + c.reason + "\n";
    EXPECT_EQ(run.exit_status, 1) << c.file << run.console;
    EXPECT_NE(run.console.find(report + kFailed), std::string::npos) << run.console;
    EXPECT_EQ(dir.read("fort.17"), report + kFailed);
  }
}

TEST_F(Catalogue, AMessageFileOnAFullDiskDoesNotHideTheVerdict) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no full device here";
  fs::create_symlink("/dev/full", dir.path() / "fort.17");
  dir.write("empty.lis", "");
  const ProgramRun run = velkan("empty.lis\n");
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_NE(run.console.find(" *** No elements in the listing: nothing to convert.\n"
                             "\n*** ERROR Writing File:fort.17\n      Reason: No space left on "
                             "device\n" +
                             kFailed),
            std::string::npos)
      << run.console;
}

TEST_F(Catalogue, AWorkMemoryTooSmallFailsWithTheStoresMessages) {
  struct Case {
    std::string size, message;
  } cases[] = {
      {"0.001", " *** ERROR return from a  K O R  library routine\n"},
      {"0.005", "*** ERROR IN ARBOOK ***\nInsufficient space for array"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = velkan("riser.lis\n" + kVomarDefaults, "", c.size);
    EXPECT_EQ(run.exit_status, 1) << c.size;
    EXPECT_NE(run.console.find(kFailed), std::string::npos) << run.console;
    EXPECT_NE(dir.read("fort.17").find(c.message), std::string::npos) << dir.read("fort.17");
  }
}

}  // namespace
}  // namespace velkan
