// The report's files follow the model file's rules: written whole, put in
// place after it only when the run completed, never for a failed run, and
// never over the listing or the model file; and a run with a report writes
// the same model file, message file and console as one without, but for the
// report's lines before the verdict.
#include <gtest/gtest.h>

#include <filesystem>

#include "reportrun.h"

namespace velkan::test {
namespace {

const std::string kRiser = "--listing examples/riser.lis --vomar riser.vom --hinge 1E8,1E3";

bool has_partial(const TempDir& dir) {
  for (const auto& e : fs::directory_iterator(dir.path())) {
    if (e.path().string().ends_with(".velkan-tmp")) return true;
  }
  return false;
}

TEST(ReportFiles, WrittenOnlyWhenTheRunCompleted) {
  const struct Case {
    const char* name;
    std::string args;
    bool completes;
  } cases[] = {
      {"completed", kRiser, true},
      {"a segment end that is no node", kRiser + " --coarsen 101:999:2", false},
      {"the answers end", "--listing examples/riser.lis --vomar riser.vom", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TempDir dir;
    copy_examples(dir);
    dir.write("report.html", "old page\n");
    dir.write("report.json", "old page\n");
    const ReportRun r = run_with_report(dir, c.args);
    EXPECT_EQ(r.run.exit_status, c.completes ? 0 : 1) << r.run.console;
    EXPECT_EQ(dir.read("report.html").starts_with("<?xml"), c.completes);
    EXPECT_EQ(dir.read("report.json").starts_with("{"), c.completes);
    if (!c.completes) {
      EXPECT_EQ(dir.read("report.html"), "old page\n");
      EXPECT_EQ(dir.read("report.json"), "old page\n");
    }
    EXPECT_FALSE(has_partial(dir));
  }
}

TEST(ReportFiles, NeverTheListingOrTheModelFile) {
  const struct Case {
    const char* name;
    std::string args, answers, line;
  } cases[] = {
      {"the listing", kRiser + " --report examples/riser.lis", "",
       "      Reason: it is the FlexCom listing being read, examples/riser.lis\n"
       " *** No report can be written there: give --report another name.\n"},
      {"a missing folder", kRiser + " --report nodir/r.html", "",  // the reason is the system's
       " *** No report can be written there: give --report another name.\n"},
      {"the model file named by --vomar", kRiser + " --report riser.vom", "",
       " *** --report names the model file riser.vom: give the report another name.\n"},
      {"the model file by another name", kRiser + " --report-json ./riser.vom", "",
       " *** --report-json names the model file riser.vom: give the report another name.\n"},
      {"both pages", kRiser + " --report r.html --report-json r.html", "",
       " *** --report and --report-json name the same file r.html: give each its own.\n"},
      {"the message file", kRiser + " --report-json fort.17", "",
       " *** --report-json names the message file fort.17: give the report another name.\n"},
      {"the message file named by --messages", kRiser + " -m run.msg --report ./run.msg", "",
       " *** --report names the message file run.msg: give the report another name.\n"},
      {"the model file typed at the prompt", "--report riser.vom",
       "examples/riser.lis\n\n\nriser.vom\n\n\n\n",
       " *** The report riser.vom would replace the model file riser.vom: the model file is in "
       "place, no report was written; give the report another name.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TempDir dir;
    copy_examples(dir);
    const ProgramRun run = run_velkan(dir, c.args, c.answers);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.console.find(c.line), std::string::npos) << run.console;
    EXPECT_NE(run.console.find(kFailed), std::string::npos);
    EXPECT_EQ(dir.read("examples/riser.lis"), example("riser.lis"));
    // Only a model file typed at the prompt is in place (it completed first).
    const std::string model = dir.read("riser.vom");
    EXPECT_EQ(model.empty(), c.answers.empty()) << model.substr(0, 80);
    if (!model.empty()) {
      EXPECT_TRUE(model.starts_with("# ")) << model.substr(0, 80);
    }
    EXPECT_FALSE(has_partial(dir));
  }
}

// The console of a run without the report's lines: from the line end
// before " Conversion report:" to the end of the last flag.
std::string without_report_lines(const std::string& console) {
  const std::size_t from = console.find("\n Conversion report: ");
  if (from == std::string::npos) return console;
  const std::size_t to = console.find("\n\n\n\n  ======", from);
  return console.substr(0, from) + console.substr(to + 1);
}

TEST(ReportFiles, EveryOtherOutputAsWithoutAReport) {
  for (const char* answers : {"riser-vomar.ans", "jumper-vomar.ans", "jumper-shear7.ans"}) {
    SCOPED_TRACE(answers);
    const TempDir plain, reported;
    copy_examples(plain);
    copy_examples(reported);
    const ProgramRun a = run_velkan(plain, "", example(answers));
    const ReportRun b = run_with_report(reported, "", example(answers));
    ASSERT_EQ(a.exit_status, 0);
    ASSERT_EQ(b.run.exit_status, 0);
    EXPECT_EQ(without_report_lines(b.run.console), a.console);
    EXPECT_NE(b.run.console.find("\n Conversion report: report.html, report.json"),
              std::string::npos);
    for (const char* file : {"riser.vom", "jumper.vom", "jumper.s7", "fort.17"}) {
      EXPECT_EQ(without_stamp(reported.read(file)), without_stamp(plain.read(file))) << file;
    }
  }
}

}  // namespace
}  // namespace velkan::test
