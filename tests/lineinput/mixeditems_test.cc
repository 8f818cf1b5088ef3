// RDMIX: recogniser order, item ends and separators, item arrays and their bound.
#include "lineinput/mixeditems.h"

#include <gtest/gtest.h>

#include "lineinput/recognise.h"
#include "readerfixture.h"

namespace velkan {
namespace {

struct Want {
  std::int32_t type;
  double value;
  std::string text;  // CVAL, 8 characters
};

struct LineCase {
  std::string line;
  std::vector<Want> items;
};

constexpr const char* kNone = "        ";

void expect_items(const test::Items& got, const LineCase& c) {
  ASSERT_EQ(got.npar, static_cast<std::int32_t>(c.items.size())) << c.line;
  for (std::size_t k = 0; k < c.items.size(); ++k) {
    EXPECT_EQ(got.type[k], c.items[k].type) << c.line << " item " << k + 1;
    EXPECT_DOUBLE_EQ(got.value[k], c.items[k].value) << c.line << " item " << k + 1;
    EXPECT_EQ(got.text[k], c.items[k].text) << c.line << " item " << k + 1;
  }
}

void run_cases(const std::vector<LineCase>& cases, char separator) {
  test::ReaderFixture f;
  std::string file;
  for (const auto& c : cases) file += c.line + "\n";
  f.open(file);
  FIICHR(separator, 3);
  for (const auto& c : cases) expect_items(f.next(), c);
  EXPECT_EQ(f.ierr, 0);
}

TEST(Rdmix, ItemsWithCommaSeparator) {
  run_cases(
      {
          {"12 3.5 ABC ! note", {{1, 12, kNone}, {2, 3.5, kNone}, {3, 0, "ABC     "}}},
          {"node7 -4 +2.5e1", {{3, 0, "NODE7   "}, {1, -4, kNone}, {2, 25, kNone}}},
          {"ABCDEFGHIJ12345", {{3, 0, "ABCDEFGH"}}},
          {"7 # rest", {{1, 7, kNone}}},
          {"PI E5 X1", {{3, 0, "PI      "}, {3, 0, "E5      "}, {3, 0, "X1      "}}},
          {"12 12. 1E3 2*3", {{1, 12, kNone}, {2, 12, kNone}, {2, 1000, kNone}, {2, 6, kNone}}},
          {"1 2", {{1, 1, kNone}, {1, 2, kNone}}},
          {"1,2", {{1, 1, kNone}, {1, 2, kNone}}},
          {"1 , 2", {{1, 1, kNone}, {1, 2, kNone}}},
          {"1\t2", {{1, 1, kNone}, {1, 2, kNone}}},
          {"1.5,x A,B",
           {{2, 1.5, kNone}, {3, 0, "X       "}, {3, 0, "A       "}, {3, 0, "B       "}}},
          {"A-B 2+X", {{3, 0, "A-B     "}, {3, 0, "2+X     "}}},
          {"1 ,,2", {{1, 1, kNone}, {3, 0, ",2      "}}},
          {" *abc", {}},
          {"4294967297 2147483648", {{1, 1, kNone}, {1, -2147483648.0, kNone}}},
          {"3000000000.", {{2, 3.0e9, kNone}}},
      },
      ',');
}

TEST(Rdmix, ItemsWithBlankSeparator) {
  run_cases(
      {
          {"1,5", {{3, 0, "1,5     "}}},
          {"1 , 2", {{1, 1, kNone}, {3, 0, ",       "}, {1, 2, kNone}}},
          {"  17  0.25  ABC,D", {{1, 17, kNone}, {2, 0.25, kNone}, {3, 0, "ABC,D   "}}},
      },
      ' ');
}

TEST(Rdmix, NeverWritesBeyondTheShortestArray) {
  test::ReaderFixture f;
  f.open("1 2 3 4\n");
  std::vector<std::int32_t> type(4, -7);
  std::vector<double> value(3, -7.0);
  std::vector<std::string> text(4, "x");
  std::int32_t npar = 0;
  RDMIX(f.io.units, npar, std::span(type).first(2), value, text, f.kUnit, f.kPrintUnit, f.ierr);
  EXPECT_EQ(npar, 2);
  EXPECT_EQ(type[2], -7);
  EXPECT_EQ(value[2], -7.0);
  EXPECT_EQ(text[2], "x");
}

TEST(Rdmix, NothingAtAllForANonPositiveUnit) {
  test::ReaderFixture f;
  f.open("1\n");
  std::vector<std::int32_t> type(4);
  std::vector<double> value(4);
  std::vector<std::string> text(4);
  std::int32_t npar = 5;
  RDMIX(f.io.units, npar, type, value, text, 0, f.kPrintUnit, f.ierr);
  EXPECT_EQ(npar, 5);
  EXPECT_EQ(FIIQRY(9), 0);
}

TEST(Rdmix, NameRecogniserLimitsAndRestore) {
  const std::string n32(32, 'N');
  struct Case {
    std::string line;
    bool name;
    std::int32_t len;
  };
  for (const Case& c : std::vector<Case>{{n32, true, 32},
                                         {n32 + "N", false, 0},
                                         {"A1B2,C", true, 4},
                                         {"A.B", false, 0},
                                         {"1AB", false, 0}}) {
    LineReaderState s = test::state_of(c.line);
    s.name_len = -1;
    EXPECT_EQ(FIINAM(s), c.name) << c.line;
    if (c.name) {
      EXPECT_EQ(s.name_len, c.len) << c.line;
    } else {
      EXPECT_EQ(s.pos, 1) << c.line;
      EXPECT_EQ(s.name_len, -1) << c.line;
    }
  }
}

}  // namespace
}  // namespace velkan
