// velkan --check on copies of the recorded example model files with one
// fault planted in each: the fault lines it prints, in file order, and the
// exit status.
#include <gtest/gtest.h>

#include "platform/units.h"
#include "report/faultlist.h"
#include "report/modelfile.h"
#include "report/reportfixture.h"
#include "support/testio.h"

namespace velkan {
namespace {

using Lines = std::vector<std::string>;

// Line `line` (from 1) of a recorded file replaced by `with` (no lines:
// removed; the line and a copy: doubled).
struct Edit {
  std::size_t line;
  Lines with;
};

struct Planted {
  const char* what;
  const char* file;
  std::vector<Edit> edits;  // applied from the last line up
  Lines faults;
};

const char* const kRiser = "riser-vomar/riser.vom";
const char* const kJumper = "jumper-vomar/jumper.vom";

// The recorded line, for edits that double it.
std::string at(const char* file, std::size_t line) {
  return test::split_lines(test::recorded(file)).at(line - 1);
}

std::string planted(const Planted& p) {
  Lines lines = test::split_lines(test::recorded(p.file));
  for (auto e = p.edits.rbegin(); e != p.edits.rend(); ++e) {
    const auto place = lines.begin() + static_cast<std::ptrdiff_t>(e->line - 1);
    lines.insert(lines.erase(place), e->with.begin(), e->with.end());
  }
  return test::join_lines(lines);
}

TEST(PlantedFaults, EachFaultItsLine) {
  const std::string beam3 = " BEAM             3      103      104        1        1";
  const Planted cases[] = {
      {"beam naming a missing node",
       kRiser,
       {{26, {" BEAM             3      103      999        1        1"}}},
       {"line 26: BEAM 3 names node 999, which is not in the file"}},
      {"beam naming a missing cross-section",
       kRiser,
       {{26, {" BEAM             3      103      104        1        9"}}},
       {"line 26: BEAM 3 names cross-section 9, which is not in the file"}},
      {"beam naming a missing material",
       kRiser,
       {{26, {" BEAM             3      103      104        9        1"}}},
       {"line 26: BEAM 3 names material 9, which is not in the file"}},
      {"a node number twice",
       kRiser,
       {{9, {at(kRiser, 9), at(kRiser, 9)}}},
       {"line 10: node number 101 used twice (first on line 9)"}},
      {"an element number twice",
       kRiser,
       {{24, {at(kRiser, 24), at(kRiser, 24)}}},
       {"line 25: element number 1 used twice (first on line 24)"}},
      {"a spring numbered like a beam",
       kJumper,
       {{75, {" Sprng2Gr          1         8   9900008"}}},
       {"line 75: element number 1 used twice (first on line 21)"}},
      {"a cross-section number twice",
       kRiser,
       {{40, {at(kRiser, 40), at(kRiser, 38), at(kRiser, 39), at(kRiser, 40)}}},
       {"line 41: cross-section number 1 used twice (first on line 38)"}},
      {"a surface number twice",
       kRiser,
       {{49, {at(kRiser, 49), at(kRiser, 49)}}},
       {"line 50: surface geometry number 1 used twice (first on line 49)"}},
      {"a material number twice",
       kRiser,
       {{54, {at(kRiser, 54), at(kRiser, 54)}}},
       {"line 55: material number 1 used twice (first on line 54)"}},
      {"a sea-bed curve numbered like a material",
       kJumper,
       {{77, {" HypElast          2 -1.0E1 -1.0  1.0E1  1.0"}}},
       {"line 76: MREF 9900008 names material 8800008, which is not in the file",
        "line 77: material number 2 used twice (first on line 47)"}},
      {"a time-dependent material twice",
       kJumper,
       {{78, {at(kJumper, 78), at(kJumper, 78)}}},
       {"line 79: time-dependent material number 8800008 used twice (first on line 78)"}},
      {"an MREF reference to nothing",
       kRiser,
       {{66, {" MREF             7    10004    10004    10004    10004    10005    10009"}}},
       {"line 66: MREF 7 names material 10009, which is not in the file"}},
      {"a spring naming a missing node",
       kJumper,
       {{75, {" Sprng2Gr    9900008         7   9900008"}}},
       {"line 75: SPRNG2GR 9900008 names node 7, which is not in the file"}},
      {"a time-dependent material naming a missing time history",
       kJumper,
       {{78, {" TimDepMat 99998    8800008  -987    9900008 3    0.1  "}}},
       {"line 78: TIMDEPMAT 8800008 names time history 99998, which is not in the file"}},
      {"NaN",
       kRiser,
       {{10, {" NODE            102            NaN          0.000        -10.000"}}},
       {"line 10: NODE 102: X is not finite: NaN"}},
      {"Infinity",
       kRiser,
       {{54, {" MISOIEP          1   1.000E+10   3.000E-01   1.000E+09    Infinity   0.000E+00"}}},
       {"line 54: MISOIEP 1: Density is not finite: Infinity"}},
      {"a field of asterisks",
       kRiser,
       {{10, {" NODE            102          0.050          0.000***************"}}},
       {"line 10: NODE 102: Z is a field of asterisks (a value too wide for its field)"}},
      {"asterisks on a continuation line",
       kRiser,
       {{39, {"                       1.20000E+04***************    1.20000E-02    4.50000E-01"}}},
       {"line 39: GENBEAM 1: value 6 is a field of asterisks (a value too wide for its field)"}},
      {"no trailer",
       kRiser,
       {{71, {}}},
       {"no end-of-file comment \"' ------------- E O F ------------\" as the last line: the "
        "file may be cut short"}},
      {"a blank line after the trailer",
       kRiser,
       {{71, {at(kRiser, 71), ""}}},
       {"no end-of-file comment \"' ------------- E O F ------------\" as the last line: the "
        "file may be cut short"}},
      {"a line of garbage",
       kRiser,
       {{22, {"hello world"}}},
       {"line 22: no record this reader knows: hello world"}},
      {"a record of another kind",
       kRiser,
       {{49, {" PIPE             1       0.300       0.015"}}},
       {"line 49: no record this reader knows: PIPE             1       0.300       0.015"}},
      {"numbers that continue no record",
       kRiser,
       {{22, {"      1.0   2.0"}}},
       {"line 22: numbers that continue no record: 1.0   2.0"}},
      {"a cross-section line missing",
       kRiser,
       {{40, {}}},
       {"line 38: GENBEAM 1: 8 values, 9 expected"}},
      {"a curve point cut in half",
       kRiser,
       {{60, {"                             1.00000E+08"}}},
       {"line 58: HYPELAST 10004: 3 curve values, P and Delta in pairs expected"}},
      {"boundary codes cut short",
       kRiser,
       {{9, {at(kRiser, 9) + "   1 1 1"}}},
       {"line 9: NODE 101: 7 fields after the keyword, 4 or 10 expected"}},
      {"a material number that is not whole",
       kRiser,
       {{26, {" BEAM             3      103      104      1.5        1"}}},
       {"line 26: BEAM 3: the material is not a whole number: 1.5"}},
      {"a node number beyond 32 bits",
       kRiser,
       {{26, {" BEAM             3 3000000000      104        1        1"}}},
       {"line 26: BEAM 3: node 1 is beyond the 32-bit range: 3000000000"}},
      {"a node numbered 0, and the beams that name the node it was",
       kRiser,
       {{9, {" NODE              0          0.000          0.000          0.000"}}},
       {"line 9: NODE 0: the number is not positive",
        "line 24: BEAM 1 names node 101, which is not in the file"}},
      {"a node without its number: the beams name a node not in the file",
       kRiser,
       {{9, {" NODE     **********          0.000          0.000          0.000"}}},
       {"line 9: NODE: the number is a field of asterisks (a value too wide for its field)",
        "line 24: BEAM 1 names node 101, which is not in the file"}},
      {"faults in file order, several to a line",
       kRiser,
       {{10, {" NODE            102            NaN            NaN        -10.000"}},
        {26, {" BEAM             3      103      999        9        1"}},
        {71, {}}},
       {"line 10: NODE 102: X is not finite: NaN", "line 10: NODE 102: Y is not finite: NaN",
        "line 26: BEAM 3 names node 999, which is not in the file",
        "line 26: BEAM 3 names material 9, which is not in the file",
        "no end-of-file comment \"' ------------- E O F ------------\" as the last line: the "
        "file may be cut short"}},
  };
  for (const Planted& p : cases) {
    test::TempDir dir;
    const std::string path = dir.write("model.vom", planted(p));
    const test::CheckRun run = test::run_check(path);
    EXPECT_EQ(run.status, 1) << p.what;
    EXPECT_EQ(run.faults, p.faults) << p.what;
    const std::size_t n = p.faults.size();
    EXPECT_EQ(run.verdict, std::to_string(n) + (n == 1 ? " fault" : " faults") +
                               ": the model file does not hold.")
        << p.what;
  }
}

TEST(PlantedFaults, EditsTheFileStillHolds) {
  const Planted cases[] = {
      {"keywords in small letters",
       kRiser,
       {{9, {" node            101          0.000          0.000          0.000"}}},
       {}},
      {"blank lines and tabs", kRiser, {{22, {"", "\t"}}, {24, {"\tBEAM\t1\t101\t102\t1\t1"}}}, {}},
      {"the wide element layout",
       kRiser,
       {{24, {" BEAM              1       101       102         1         1"}}},
       {}},
      {"a beam with its coordinate system and eccentricities",
       kRiser,
       {{24, {" BEAM             1      101      102        1        1       0       0       0"}}},
       {}},
      {"blanks behind the end-of-file comment", kRiser, {{71, {at(kRiser, 71) + "   "}}}, {}},
  };
  for (const bool crlf : {false, true}) {  // line ends of Windows editors too
    for (const Planted& p : cases) {
      std::string text;
      for (const char c : planted(p))
        text += crlf && c == '\n' ? std::string("\r\n") : std::string(1, c);
      test::TempDir dir;
      const test::CheckRun run = test::run_check(dir.write("model.vom", text));
      EXPECT_EQ(run.status, 0) << p.what << "\n" << run.output;
      EXPECT_EQ(run.faults, Lines{}) << p.what;
      EXPECT_EQ(run.verdict, "The model file holds.") << p.what;
    }
  }
}

TEST(PlantedFaults, EmptyMissingAndUnreadableFiles) {
  test::TempDir dir;
  const std::string empty = dir.write("empty.vom", "");
  const test::CheckRun e = test::run_check(empty);
  EXPECT_EQ(e.status, 1);
  EXPECT_EQ(e.faults, Lines{"the file is empty"});

  const std::string missing = dir.file("missing.vom");
  const test::CheckRun m = test::run_check(missing);
  EXPECT_EQ(m.status, 1);
  ASSERT_EQ(m.faults.size(), 1u) << m.output;
  EXPECT_EQ(m.faults[0].rfind("cannot open " + missing + ": ", 0), 0u) << m.output;
  EXPECT_GT(m.faults[0].size(), ("cannot open " + missing + ": ").size());

  const test::CheckRun d = test::run_check(dir.path().string());
  EXPECT_EQ(d.status, 1);
  EXPECT_EQ(d.faults.size(), 1u) << d.output;

  test::TestIo t;
  const std::string path = t.dir.write("riser.vom", test::recorded(kRiser));
  t.units.plant_fault(23, PlantedFault{PlantedFault::Kind::kRead, 200, io_error()});
  const ModelFile f = read_model_file(t.units, 23, path);
  EXPECT_FALSE(f.readable);
  ASSERT_EQ(f.faults.size(), 1u);
  const std::string head = "cannot read " + path + " after line ";
  EXPECT_EQ(f.faults[0].rfind(head, 0), 0u) << f.faults[0];
  const std::string tail = ": " + io_error().text;
  EXPECT_EQ(f.faults[0].substr(f.faults[0].size() - tail.size()), tail) << f.faults[0];
  EXPECT_FALSE(t.units.is_open(23));
}

TEST(PlantedFaults, ManyFaultsListTheFirstAndCountTheRest) {
  Lines lines = test::split_lines(test::recorded(kRiser));
  lines.insert(lines.begin() + 21, FaultList::kMostListed + 5, "hello");
  test::TempDir dir;
  const test::CheckRun run = test::run_check(dir.write("model.vom", test::join_lines(lines)));
  EXPECT_EQ(run.status, 1);
  ASSERT_EQ(run.faults.size(), FaultList::kMostListed + 1);
  EXPECT_EQ(run.faults.front(), "line 22: no record this reader knows: hello");
  EXPECT_EQ(run.faults[FaultList::kMostListed - 1],
            "line 1021: no record this reader knows: hello");
  EXPECT_EQ(run.faults.back(), "and 5 more faults");
  EXPECT_EQ(run.verdict, "1005 faults: the model file does not hold.");
}

}  // namespace
}  // namespace velkan
