// The line fetch and reader options: comment and blank lines, line counting,
// tabs, folding, echo, read errors, the end-of-file allowance, FIIOPN checks.
#include "lineinput/linefetch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "platform/numfmt.h"
#include "platform/stop.h"
#include "readerfixture.h"

namespace velkan {
namespace {

using test::lines_of;

TEST(LineFetch, SkipsCommentAndBlankLinesButCountsThem) {
  test::ReaderFixture f;
  f.open("* comment\n\n  \t \n   ! remark\n 12 3\n *x\nC skipped\n4\n");
  EXPECT_EQ(f.next().npar, 2);
  EXPECT_EQ(FIIQRY(9), 5);
  EXPECT_EQ(f.next().npar, 0);  // not in column 1: an item starting with '*'
  EXPECT_EQ(FIIQRY(9), 6);
  FIICMT('C');
  const test::Items last = f.next();
  ASSERT_EQ(last.npar, 1);
  EXPECT_EQ(last.value[0], 4.0);
  EXPECT_EQ(FIIQRY(9), 8);
}

TEST(LineFetch, WorkLineColumnsTabsAndTrailingComments) {
  struct Case {
    std::string raw;
    std::int32_t iupcas;
    char trail;
    std::string work;  // trimmed
    std::int32_t pos, last;
  };
  const std::vector<Case> cases = {
      {"\t\tab\tc ! x", 1, '!', "  AB C", 3, 6},
      {"  ab c", 0, '!', "  ab c", 3, 6},
      {"A!B # C", 1, '#', "A!B", 1, 3},
      {"  A  ", 1, '!', "  A", 3, 3},
  };
  for (const Case& c : cases) {
    LineReaderState s;
    s.IUPCAS = c.iupcas;
    s.trail_mark = c.trail;
    s.line = c.raw;
    s.line.resize(132, ' ');
    ASSERT_TRUE(take_in_line(s, s.line)) << c.raw;
    EXPECT_EQ(s.work.substr(0, static_cast<std::size_t>(s.last)), c.work) << c.raw;
    EXPECT_EQ(s.pos, c.pos) << c.raw;
    EXPECT_EQ(s.last, c.last) << c.raw;
  }
}

// The work line built character by character, as the rules say: a letter
// a-z folded when asked (never a trailing-comment mark then), blanks and tabs
// left blank, the trailing-comment mark ending the line.
struct Literal {
  bool taken = false;
  std::string work;
  std::int32_t pos = 0, last = 0;
};

Literal literal_take_in(const std::string& raw, std::int32_t nchlin, char comment, char trail,
                        bool fold) {
  Literal r;
  const std::size_t n = std::min(raw.size(), static_cast<std::size_t>(nchlin));
  if (n > 0 && raw[0] == comment) return r;
  std::size_t first = 0;
  while (first < n && (raw[first] == ' ' || raw[first] == '\t')) ++first;
  if (first == n || raw[first] == trail) return r;
  r.taken = true;
  r.work.assign(static_cast<std::size_t>(nchlin), ' ');
  for (std::size_t i = first; i < n; ++i) {
    char c = raw[i];
    if (c >= 'a' && c <= 'z') {
      if (fold) c = static_cast<char>(c - 32);
    } else if (c == ' ' || c == '\t') {
      continue;
    } else if (c == trail) {
      break;
    }
    r.work[i] = c;
    r.last = static_cast<std::int32_t>(i) + 1;
  }
  r.pos = static_cast<std::int32_t>(first) + 1;
  return r;
}

TEST(LineFetch, WorkLineAsTheRulesBuildItOnRandomLines) {
  const std::string alphabet = " \t aZq!*1,#.";
  std::mt19937 rng(5);
  const auto any = [&](const std::string& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
  };
  LineReaderState s;
  for (int round = 0; round < 200000; ++round) {
    s.NCHLIN = std::uniform_int_distribution<std::int32_t>(1, 40)(rng);
    s.comment_mark = any("*C ");
    s.trail_mark = any("!q \t1");
    s.IUPCAS = any("01") == '1' ? 1 : 0;
    s.line.assign(std::uniform_int_distribution<std::size_t>(0, 45)(rng), ' ');
    for (char& c : s.line) c = any(alphabet);
    const Literal want =
        literal_take_in(s.line, s.NCHLIN, s.comment_mark, s.trail_mark, s.IUPCAS == 1);
    ASSERT_EQ(take_in_line(s, s.line), want.taken) << s.line;
    if (!want.taken) continue;
    ASSERT_EQ(s.work, want.work) << s.line;
    ASSERT_EQ(s.pos, want.pos) << s.line;
    ASSERT_EQ(s.last, want.last) << s.line;
  }
}

TEST(LineFetch, EchoesEveryLineReadWithALeadingBlank) {
  test::ReaderFixture f;
  f.open("* note\nab\n", 6);
  FIISET(0, 3);
  f.next();
  EXPECT_EQ(lines_of(f.io.console()), (std::vector<std::string>{" * note", " ab    "}));
}

TEST(LineFetch, FirstEndOfFileQuietThenMessagesAndStop) {
  test::ReaderFixture f;
  f.open("1\n");
  FIISET(1, 12);
  EXPECT_EQ(f.next().npar, 1);
  EXPECT_EQ(f.next().npar, -1);
  EXPECT_EQ(f.io.console(), "");
  try {
    f.next();
    FAIL() << "no stop";
  } catch (const ProgramStop& stop) {
    EXPECT_EQ(stop.exit_status, 1);
  }
  EXPECT_EQ(lines_of(f.io.console()),
            (std::vector<std::string>{"", " *** ERROR DURING READING OF LINE     3  ON UNIT  16",
                                      "     ATTEMPT TO READ THROUGH AN END OF FILE",
                                      "     (    1 TIMES )"}));
}

TEST(LineFetch, EndOfFileWithoutAllowanceIsAnErrorNotAStop) {
  test::ReaderFixture f;
  f.open("");
  f.ierr = 3;
  const test::Items got = f.next();
  EXPECT_EQ(got.npar, -99);  // unchanged
  EXPECT_EQ(f.ierr, 2);
  EXPECT_EQ(line_reader().IERRFL, -999);
  EXPECT_EQ(lines_of(f.io.console()),
            (std::vector<std::string>{"", " *** ERROR DURING READING OF LINE     1  ON UNIT  16",
                                      "     ATTEMPT TO READ THROUGH AN END OF FILE"}));
  EXPECT_EQ(lines_of(f.io.file("fort.17")),
            (std::vector<std::string>{"", "  *** ERROR IN RDMIX", ""}));
}

TEST(LineFetch, NegativeAllowanceStopsWithoutCountLine) {
  test::ReaderFixture f;
  f.open("");
  FIISET(-1, 12);
  EXPECT_THROW(f.next(), ProgramStop);
  EXPECT_EQ(lines_of(f.io.console()).size(), 3u);
}

TEST(LineFetch, ReadErrorReportsTheStatus) {
  test::ReaderFixture f;
  f.open("1\n");
  FIISET(40, 1);  // a unit nobody opened
  f.next();
  EXPECT_EQ(f.ierr, -1);
  EXPECT_LT(line_reader().IERRFL, 0);
  const auto out = lines_of(f.io.console());
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[1], " *** ERROR DURING READING OF LINE     1  ON UNIT  40");
  EXPECT_EQ(out[2].substr(0, 13), "     IOSTAT =");
}

TEST(LineFetch, ReopenResetsCountersNotPositionAndRewindRestarts) {
  test::ReaderFixture f;
  f.open("1\n2\n");
  f.next();
  std::int32_t st = 5;
  FIIOPN(f.io.units, 132, 8, f.kUnit, 6, -1, st);
  EXPECT_EQ(st, 0);
  EXPECT_EQ(f.next().value.at(0), 2.0);
  EXPECT_EQ(FIIQRY(9), 1);
  FIIREW(f.io.units);
  EXPECT_EQ(f.next().value.at(0), 1.0);
}

TEST(LineFetch, OpenRejectsIllegalParameters) {
  struct Case {
    std::int32_t nchlin, ncmtch, lunrd;
    std::int32_t stored_nchlin, stored_ncmtch;
  };
  const std::vector<Case> cases = {{0, 8, 16, 80, 3},
                                   {2049, 8, 16, 80, 3},
                                   {132, 0, 16, 132, 3},
                                   {132, 8, -1, 132, 8},
                                   {132, 8, -4321, 132, 8}};
  for (const Case& c : cases) {
    test::TestIo io;
    std::int32_t st = 0;
    FIIOPN(io.units, 80, 3, 16, 6, -1, st);
    FIIOPN(io.units, c.nchlin, c.ncmtch, c.lunrd, -1, -1, st);
    EXPECT_EQ(st, -1);
    EXPECT_EQ(FIIQRY(2), c.stored_nchlin);
    EXPECT_EQ(FIIQRY(3), c.stored_ncmtch);
    EXPECT_EQ(FIIQRY(5), 16);
    EXPECT_EQ(FIIQRY(6), 6);
    const auto out = lines_of(io.console());
    ASSERT_EQ(out.size(), 7u);
    EXPECT_EQ(out[0] + out[1] + out[2], "");
    EXPECT_EQ(out[3], " *** ERROR RETURN FROM  K O R  LIBRARY ROUTINE FIIOPN");
    EXPECT_EQ(out[4], "     ILLEGAL PARAMETER(S) :  NCHLIN =" + fmt_i(c.nchlin, 5));
    EXPECT_EQ(out[5], std::string(29, ' ') + "NCMTCH =" + fmt_i(c.ncmtch, 5));
    EXPECT_EQ(out[6], std::string(29, ' ') + "LUNRD  =" + fmt_i(c.lunrd, 5));
  }
}

TEST(LineFetch, OptionSettersKeepValuesInRange) {
  test::TestIo io;
  std::int32_t st = 0;
  FIIOPN(io.units, 132, 8, 16, 6, -1, st);
  struct Case {
    std::int32_t value, code, query, want;
  };
  for (const Case& c : std::vector<Case>{{5000, 21, 2, 2048},
                                         {0, 21, 2, 1},
                                         {-3, 22, 3, 1},
                                         {0, 11, 4, 0},
                                         {2, 12, 8, 2},
                                         {9, 99, 5, 16},
                                         {1, 1, 99, 0}}) {
    FIISET(c.value, c.code);
    EXPECT_EQ(FIIQRY(c.query), c.want) << c.code;
  }
}

}  // namespace
}  // namespace velkan
