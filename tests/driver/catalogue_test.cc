// The built program on bad inputs, as a user meets them on any system:
// listings that hold no model, answers that are not what is asked, output
// names that are the run's own files. Each run ends with a clear line and the
// right verdict, or asks again; none hangs, and none destroys the listing.
#include "catalogue.h"

#include <string>
#include <vector>

#include "platform/osfile.h"
#include "platform/units.h"

namespace velkan::test {
namespace {

// What the system says when `path` is opened for reading (or for writing).
std::string reason_for(const std::string& path, bool writing) {
  OsError err;
  if (writing) {
    OsFile::open_for_writing(path, err);
  } else {
    OsFile::open_for_reading(path, err);
  }
  return err.text;
}

TEST_F(Catalogue, NamesThatCannotBeOpenedAreAskedForAgainWithTheReason) {
  fs::create_directory(dir.path() / "folder");
  fs::create_directory(dir.path() / "sub");
  const std::string listing = "it is the FlexCom listing being read, riser.lis";
  struct Case {
    std::string name, reason;
  } listings[] = {
      {"missing.lis", reason_for(dir.file("missing.lis"), false)},
      {"folder", reason_for(dir.file("folder"), false)},
  };
  for (const Case& c : listings) {
    const ProgramRun run = velkan(c.name + "\nriser.lis\n" + kVomarDefaults);
    EXPECT_EQ(run.exit_status, 0) << c.name << run.console;
    EXPECT_NE(run.console.find(open_error(c.name, c.reason, kListingRetry)), std::string::npos)
        << run.console;
  }
  const Case outputs[] = {
      {"missing/riser.vom", reason_for(dir.file("missing/riser.vom"), true)},
      {"folder", reason_for(dir.file("folder"), true)},
      {"riser.lis", listing},
      {"sub/../riser.lis", listing},
      {"fort.17", "fort.17 is the message file of this run"},
  };
  for (const Case& c : outputs) {
    for (const auto& [answers, output] :
         {std::pair{kVomarDefaults, "riser.vom"}, std::pair{kShear7Defaults, "riser.s7"}}) {
      const ProgramRun run =
          velkan("riser.lis\n" + edited(answers, output, c.name + "\n" + output));
      EXPECT_EQ(run.exit_status, 0) << c.name << run.console;
      EXPECT_NE(run.console.find(open_error(c.name, c.reason, kOutputRetry)), std::string::npos)
          << run.console;
    }
  }
  EXPECT_EQ(dir.read("riser.lis"), riser);
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

// The listing up to and with `text`, as a copy that stopped there leaves it.
std::string cut_after(const std::string& listing, std::string_view text) {
  const std::size_t at = listing.find(text);
  EXPECT_NE(at, std::string::npos) << text;
  return listing.substr(0, at + text.size());
}

TEST_F(Catalogue, AListingCutShortInsideAnyTableFailsBeforeItIsRead) {
  const std::string cut_short =
      "\n *** The last line of the listing cut.lis has no line end, so it is cut short (a copy "
      "that stopped): copy the whole listing again.\n";
  for (const std::string_view inside : {
           "         5     0.2000     0.30",       // drag and buoyancy
           "         9    1.200    0.100    2.0",  // drag and inertia
           "        10     0.3000     0.0200   ",  // stress calculation
           "        2      1    10",               // internal fluid
           "         6     0.0    130000.0   12",  // effective tensions
       }) {
    dir.write("cut.lis", cut_after(riser, inside));
    for (const std::string& answers : {kVomarDefaults, kShear7Defaults}) {
      const ProgramRun run = velkan("cut.lis\n" + answers);
      EXPECT_EQ(run.exit_status, 1) << inside;
      EXPECT_NE(run.console.find("Number of Elements     :    12\n" + cut_short + kFailed),
                std::string::npos)
          << inside << run.console;
      EXPECT_EQ(dir.read("fort.17"), cut_short + kFailed) << inside;
    }
  }
}

TEST_F(Catalogue, ElementsWithoutARowAreCountedPerTableAndTheRunGoesOn) {
  const auto without = [](std::string listing, std::initializer_list<std::string_view> rows) {
    for (const std::string_view row : rows) listing = edited(listing, row, "");
    return listing;
  };
  // A Vomar conversion needs every element's stiffness: the property table
  // loses a row only in the Shear7 export.
  const std::string gaps = without(
      riser, {"         3     0.2000     0.3000     1.200     0.100    0.000     0.0000       1\n",
              "         4     0.2000     0.3000     1.200     0.100    0.000     0.0000       1\n",
              "         9    1.200    0.100    2.000    1.000    1.000    0.000       1\n",
              "        12     0.3000     0.0200      1.000      1.000   4.500E+05\n",
              "        2      1    1025.000      0.000   0.000\n"});
  const std::string more_gaps = without(
      gaps, {"         5  1.2000E+08  1.2000E+08  9.0000E+07  4.5000E+09    150.000       0.000  "
             "  10.000\n",
             "         5     0.0    144000.0   137000.0   144000.0   130000.0\n"});
  // The hinge element 7 names no fluid set, whatever its drag row says.
  const std::string counted =
      " *** 2 of 12 elements have no row under *** DRAG AND BUOYANCY DATA ***: their values are "
      "0\n"
      " *** 1 of 12 elements have no row under *** ELEMENT DRAG AND INERTIA: their values are 0\n"
      " *** 1 of 12 elements have no row under *** ELEMENT PROPERTIES FOR STRESS CALC: their "
      "values are 0\n"
      " *** 5 of 12 elements name a fluid set that has no row under *** INTERNAL FLUID DATA ***: "
      "their internal fluid is 0\n";
  const std::string more_counted =
      " *** 1 of 12 elements have no row under *** ELEMENT PROPERTIES ***: their values are 0\n" +
      counted;
  const std::string tensions =
      " *** 1 of 12 elements have no row under 1)        Element Effective Tensions.: their "
      "values are 0\n";
  // A listing cut at the end of a line: the tables after the cut are missing
  // and say nothing; the one it cut says how many rows it lost.
  const std::string cut = cut_after(riser,
                                    "         8     0.2000     0.5000     1.200     0.100"
                                    "    0.000     0.0000       2\n");
  const std::string cut_counted =
      " *** 4 of 12 elements have no row under *** DRAG AND BUOYANCY DATA ***: their values are "
      "0\n";
  struct Case {
    std::string what, listing, answers;
    std::vector<std::string> console;  // each within the console
    std::string messages;
  } cases[] = {
      {"gaps, Vomar",
       gaps,
       kVomarDefaults,
       {"Props Generated.\n\n" + counted + " Available"},
       counted},
      {"gaps, Shear7",
       more_gaps,
       kShear7Defaults,
       {"Props Generated.\n\n" + more_counted + " Available",
        "Result lines Stored.\n\n" + tensions + " ... Reading Effective Tension done"},
       more_counted + tensions},
      {"cut at a line end",
       cut,
       kVomarDefaults,
       {"Props Generated.\n\n" + cut_counted},
       cut_counted},
  };
  for (const Case& c : cases) {
    dir.write("gaps.lis", c.listing);
    const ProgramRun run = velkan("gaps.lis\n" + c.answers);
    EXPECT_EQ(run.exit_status, 0) << c.what << run.console;
    for (const std::string& part : c.console) {
      EXPECT_NE(run.console.find(part), std::string::npos) << c.what << run.console;
    }
    EXPECT_EQ(dir.read("fort.17"), c.messages) << c.what;
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
    std::string output;  // the model file the run had begun, which stays missing
  } cases[] = {
      {"", "Give FlexCom File Name (complete)   :  ", ""},
      {"riser.lis\n", "Select Operation  / 1 /             :  ", ""},
      {"riser.lis\n\n", "Select Sub Operation  / 2 /         :  ", ""},
      {"riser.lis\n\n\n", "Vomar model file name               :  ", ""},
      {vomar, "Create Coarser Mesh?  /no /         :  ", "riser.vom"},
      {vomar + "yes\n", "Number of Risers                    :  ", "riser.vom"},
      {vomar + "yes\n1\n", "Number of Segments                  :  ", "riser.vom"},
      {vomar + "yes\n1\n1\n", "First Node, Last node and nSkip     :  ", "riser.vom"},
      {vomar + "yes\n1\n1\n101 113", "First Node, Last node and nSkip     :  ", "riser.vom"},
      {vomar + "\n", "Hinge Stiff, Ax & Bend /1E8 & 1E3/:  ", "riser.vom"},
      {vomar + "\n\n", "Create Sea Bed?       /no /         :  ", "riser.vom"},
      {vomar + "\n\nyes\n", "Max Z-coordinate for seabed nodes   :  ", "riser.vom"},
      {"riser.lis\n\n1\n", "Give File for Shear7 model          :  ", ""},
      {"riser.lis\n\n1\nriser.s7\n", "Scaling factor for Tension /1.0/    :  ", "riser.s7"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = velkan(c.answers);
    EXPECT_EQ(run.exit_status, 1) << c.prompt;
    const std::string kept = c.output.empty() ? "" : kept_new(c.output, c.output != "riser.s7");
    EXPECT_NE(run.console.find(std::string(c.prompt) + kEndOfInput + kept + kFailed),
              std::string::npos)
        << run.console;
    if (!c.output.empty()) {
      EXPECT_FALSE(fs::exists(dir.path() / c.output)) << c.prompt;
    }
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

TEST_F(Catalogue, AnswersWithMoreValuesThanAskedAreAskedForAgain) {
  const std::string one = " *** Only one whole number, please answer again.\n";
  const std::string comma = ": write a decimal point, not a comma (1.5), please answer again.\n";
  const std::string triple = " First Node, Last node and nSkip     :  ";
  struct Case {
    std::string answers;   // with answers refused
    std::string accepted;  // the same conversion answered at once
    std::string output;
    std::vector<std::string> refusals;  // each after its prompt
  } cases[] = {
      {"riser.lis\n1 2\n\n2,1\n\nriser.vom\nyes\n1 1\n1\n1,5\n1\n101 113 2 5\n101 113\n2 5\n"
       "101 113 1\n1,5E8 2E3\n1E8, 1E3, 5\n1.5E8 2E3\nyes\n-60,5\n-60 5\n-60.5\n",
       "riser.lis\n\n\nriser.vom\nyes\n1\n1\n101 113 1\n1.5E8 2E3\nyes\n-60.5\n",
       "riser.vom",
       {" Select Operation  / 1 /             :  " + one,
        " Select Sub Operation  / 2 /         :  " + one,
        " Number of Risers                    :  " + one,
        " Number of Segments                  :  " + one,
        triple + " *** Only 3 whole numbers, please answer again.\n" + triple +
            " *** Only 3 whole numbers, please answer again.\n" + triple,
        " Hinge Stiff, Ax & Bend /1E8 & 1E3/:   *** Only 2 numbers" + comma +
            " Hinge Stiff, Ax & Bend /1E8 & 1E3/:   *** Only 2 numbers, please answer again.\n",
        " Max Z-coordinate for seabed nodes   :   *** Only one number" + comma +
            " Max Z-coordinate for seabed nodes   :   *** Only one number, please answer "
            "again.\n"}},
      {"riser.lis\n\n1\nriser.s7\n1,5\n1 2\n1.5\n",
       "riser.lis\n\n1\nriser.s7\n1.5\n",
       "riser.s7",
       {" Scaling factor for Tension /1.0/    :   *** Only one number" + comma +
        " Scaling factor for Tension /1.0/    :   *** Only one number, please answer again.\n"}},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(velkan(c.accepted).exit_status, 0);
    const std::string expected = without_stamp(dir.read(c.output));
    const ProgramRun run = velkan(c.answers);
    EXPECT_EQ(run.exit_status, 0) << run.console;
    for (const std::string& refusal : c.refusals) {
      EXPECT_NE(run.console.find(refusal), std::string::npos) << refusal << run.console;
    }
    EXPECT_EQ(without_stamp(dir.read(c.output)), expected) << c.output;
  }
}

TEST_F(Catalogue, NumbersThatAreNotFiniteAreAskedForAgain) {
  const std::string number = " *** A number expected, please answer again.\n";
  const std::string scale = " Scaling factor for Tension /1.0/    :  ";
  const ProgramRun shear7 = velkan("riser.lis\n\n1\nriser.s7\n1E400\nNaN\nInf\n1E305\n2\n");
  EXPECT_EQ(shear7.exit_status, 0) << shear7.console;
  EXPECT_NE(shear7.console.find(scale + number + scale + number + scale + number + scale +
                                " ... Reading Effective Tension       \n"),
            std::string::npos)
      << shear7.console;
  EXPECT_NE(shear7.console.find(" ... Reading Effective Tension done  \n *** Tensions times this "
                                "factor would be beyond 1E308, please answer again.\n" +
                                scale + "\n"),
            std::string::npos)
      << shear7.console;
  EXPECT_NE(dir.read("riser.s7").find("# Tension ScaleFact:   2.0000E+00\n"), std::string::npos);
  const ProgramRun vomar =
      velkan("riser.lis\n\n\nriser.vom\n\n1E400 1E3\n-Inf 1E3\n\nyes\n1E999\n-60\n");
  EXPECT_EQ(vomar.exit_status, 0) << vomar.console;
  const std::string two = " *** 2 numbers expected, please answer again.\n";
  const std::string hinge = " Hinge Stiff, Ax & Bend /1E8 & 1E3/:  ";
  EXPECT_NE(vomar.console.find(hinge + two + hinge + two + hinge + " Create Sea"),
            std::string::npos)
      << vomar.console;
  EXPECT_NE(vomar.console.find(" Max Z-coordinate for seabed nodes   :  " + number),
            std::string::npos);
  for (const char* output : {"riser.s7", "riser.vom"}) {
    for (const char* word : {"inf", "Inf", "INF", "nan", "NaN", "NAN"}) {
      EXPECT_EQ(dir.read(output).find(word), std::string::npos) << output << ": " << word;
    }
  }
}

TEST_F(Catalogue, ListingNumbersThatWouldGiveValuesNotFiniteFailTheRun) {
  const std::string third = "         3     0.2000     0.3000";
  struct Case {
    std::string what, listing, answers, output, error;
  } cases[] = {
      {"an internal diameter of 1E200", edited(riser, third, "         3     1E200      0.3000"),
       kVomarDefaults, "riser.vom",
       "  *** ERROR IN MKPROP ***\n   Material density not finite of element:         3\n"},
      {"a tiny axial stiffness",
       edited(riser,
              "         3  1.2000E+08  1.2000E+08  9.0000E+07  "
              "4.5000E+09",
              "         3  1.2000E+08  1.2000E+08  9.0000E+07  1E-300"),
       kVomarDefaults, "riser.vom",
       "  *** ERROR IN MKPROP ***\n   Material density not finite of element:         3\n"},
      {"a hydrodynamic diameter of 1E200", edited(riser, third, "         3     0.2000     1E200"),
       kShear7Defaults, "riser.s7",
       "  *** ERROR IN S7WRIT ***\n   Mass per length not finite of element:         3\n"},
      {"lengths of 1E308",
       edited(
           edited(riser, "    150.000       0.000    10.000", "    150.000       0.000    1E308"),
           "    150.000       0.000    10.000", "    150.000       0.000    1E308"),
       kShear7Defaults, "riser.s7",
       "  *** ERROR IN S7WRIT ***\n   Length coordinate not finite at element:         3\n"},
  };
  for (const Case& c : cases) {
    dir.write("bad.lis", c.listing);
    const ProgramRun run = velkan("bad.lis\n" + c.answers);
    EXPECT_EQ(run.exit_status, 1) << c.what;
    const std::size_t error = run.console.find("\n" + c.error);
    EXPECT_NE(error, std::string::npos) << c.what << run.console;
    EXPECT_NE(run.console.find(kFailed, error), std::string::npos) << c.what << run.console;
    EXPECT_NE(dir.read("fort.17").find("\n" + c.error), std::string::npos) << c.what;
    EXPECT_FALSE(fs::exists(dir.path() / c.output)) << c.what;
    const std::string model = dir.read(c.output + ".failed");  // what the run wrote, if anything
    for (const char* word : {"inf", "nan", "*"}) {
      EXPECT_EQ(model.find(word), std::string::npos) << c.what << ": " << word;
    }
  }
}

// `text` in one of the forms that editors on Windows save.
enum class Saved { kUtf8, kUtf8Mark, kUtf16Le, kUtf16Be };

std::string saved(std::u16string_view text, Saved form) {
  std::string bytes = form == Saved::kUtf8Mark  ? "\xEF\xBB\xBF"
                      : form == Saved::kUtf16Le ? "\xFF\xFE"
                      : form == Saved::kUtf16Be ? "\xFE\xFF"
                                                : "";
  for (const char16_t u : text) {  // no surrogates in these texts
    const auto put = [&](unsigned v) { bytes.push_back(static_cast<char>(v)); };
    if (form == Saved::kUtf16Le) {
      put(u & 0xFF);
      put(u >> 8);
    } else if (form == Saved::kUtf16Be) {
      put(u >> 8);
      put(u & 0xFF);
    } else if (u < 0x80) {
      put(u);
    } else if (u < 0x800) {
      put(0xC0 | (u >> 6));
      put(0x80 | (u & 0x3F));
    } else {
      put(0xE0 | (u >> 12));
      put(0x80 | ((u >> 6) & 0x3F));
      put(0x80 | (u & 0x3F));
    }
  }
  return bytes;
}

// The file at `path`, whose name need not be one of the system's code page.
std::string content(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream text;
  text << f.rdbuf();
  return text.str();
}

TEST_F(Catalogue, AnswerFilesSavedOnWindowsGiveTheModelOfPlainAnswers) {
  struct Case {
    std::u16string answers;
    std::u8string output;
  } cases[] = {
      {u"riser.lis\r\n\r\n\r\nm\u00f3del \u6a21.vom\r\n\r\n\r\n\r\n", u8"m\u00f3del \u6a21.vom"},
      {u"riser.lis\n\n1\nriser.s7\n1.5\n", u8"riser.s7"},
  };
  for (const Case& c : cases) {
    const fs::path output = dir.path() / c.output;
    ASSERT_EQ(velkan(saved(c.answers, Saved::kUtf8)).exit_status, 0);
    const std::string expected = without_stamp(content(output));
    ASSERT_NE(expected, "");
    for (const Saved form : {Saved::kUtf8Mark, Saved::kUtf16Le, Saved::kUtf16Be}) {
      for (const bool piped : {false, true}) {
        fs::remove(output);
        const std::string answers = saved(c.answers, form);
        const ProgramRun run = piped ? run_velkan_piped(dir, "1", answers) : velkan(answers);
        EXPECT_EQ(run.exit_status, 0) << static_cast<int>(form) << piped << run.console;
        EXPECT_EQ(without_stamp(content(output)), expected) << static_cast<int>(form) << piped;
      }
    }
  }
}

TEST_F(Catalogue, AFileNameBeyondTheAnswerBoundIsAskedForAgain) {
  const std::string name(Units::kLongestAnswer - 4, 'x');
  const ProgramRun run = velkan(name + ".lis/" + "riser.lis\nriser.lis\n" + kVomarDefaults);
  EXPECT_EQ(run.exit_status, 0) << run.console.substr(0, 2000);
  EXPECT_NE(run.console.find(" Give FlexCom File Name (complete)   :   *** A file name of at most "
                             "4096 characters expected, please answer again.\n"
                             " Give FlexCom File Name (complete)   :  \n"),
            std::string::npos)
      << run.console.substr(0, 2000);
}

TEST_F(Catalogue, SegmentEndsThatAreNoNodesFailTheRun) {
  for (const std::string_view segments : {"1\n101 999 2\n", "2\n101 999 2\n999 113 2\n"}) {
    const ProgramRun run = velkan("riser.lis\n\n\nriser.vom\nyes\n1\n" + std::string(segments));
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.console.find("Illegal node:     999\n" + kept_new("riser.vom") + kFailed),
              std::string::npos)
        << run.console;
  }
}

TEST_F(Catalogue, AFailedRunLeavesTheEarlierModelAsItWasAndSaysWhereItsRecordsAre) {
  struct Case {
    std::string answers, output;
    bool kept;  // the run wrote something
  } cases[] = {
      {"riser.lis\n\n\nriser.vom\nyes\n1\n1\n999 113 2\n", "riser.vom", true},  // no such node
      {"riser.lis\n\n\nriser.vom\n\n", "riser.vom", true},  // the answers end at the hinge
      {"riser.lis\n\n1\nriser.s7\n", "riser.s7", false},    // and at the factor
  };
  for (const Case& c : cases) {
    dir.write(c.output, "the earlier, good model\n");
    const ProgramRun run = velkan(c.answers);
    EXPECT_EQ(run.exit_status, 1) << c.answers;
    const std::string kept = c.kept ? "; what this run wrote is in " + c.output + ".failed" : "";
    EXPECT_NE(
        run.console.find("\n *** " + c.output + " is left as it was" + kept + ".\n" + kFailed),
        std::string::npos)
        << run.console;
    EXPECT_EQ(dir.read(c.output), "the earlier, good model\n");
    EXPECT_EQ(dir.read(c.output + ".failed").starts_with("# \n# \n"), c.kept) << c.answers;
    EXPECT_NE(dir.read("fort.17").find(kFailed), std::string::npos);
  }
  // A completed run puts its model in place and leaves no file of the failed
  // ones: neither what they kept nor their messages.
  const ProgramRun run = velkan("riser.lis\n" + kVomarDefaults);
  EXPECT_EQ(run.exit_status, 0) << run.console;
  EXPECT_NE(dir.read("riser.vom"), "the earlier, good model\n");
  for (const std::string left : {"riser.vom.failed", "fort.17"}) {
    EXPECT_FALSE(fs::exists(dir.path() / left)) << left;
  }
}

TEST_F(Catalogue, TheFileTheAnswersComeFromIsNoOutput) {
  const ProgramRun run = velkan("riser.lis\n\n\nanswers.txt\nriser.vom\n\n\n\n");
  EXPECT_EQ(run.exit_status, 0) << run.console;
  EXPECT_NE(run.console.find(open_error("answers.txt", "it is the file the answers are read from",
                                        kOutputRetry)),
            std::string::npos)
      << run.console;
  EXPECT_EQ(dir.read("answers.txt"), "riser.lis\n\n\nanswers.txt\nriser.vom\n\n\n\n");
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
}  // namespace velkan::test
