// Material records: every code in group order, the spring matrix choice,
// curve lengths, spring references, the warning and the failure line.
#include "writer/materialsection.h"

#include <gtest/gtest.h>

#include "writer/writerfixture.h"

namespace velkan {
namespace {

using test::rj;
using Ints = std::vector<std::int32_t>;
using Lines = std::vector<std::string>;

constexpr std::int32_t kRow = 58;

struct Materials {
  Ints numbers, types;
  test::RealTable rows{8, kRow};
  void add(std::int32_t code, std::int32_t number, std::initializer_list<double> words) {
    types.push_back(code);
    numbers.push_back(number);
    rows.set_row(types.size(), words);
  }
  std::int32_t write(test::ModelFile& f) {
    Ints mscra(types.size());
    std::int32_t status = 0;
    UWRMAT(f.units, static_cast<std::int32_t>(types.size()), kRow, numbers, types, rows.span(),
           mscra, test::kModelUnit, status);
    return status;
  }
  Lines lines() {
    test::ModelFile f;
    EXPECT_EQ(write(f), 0);
    return f.lines();
  }
};

std::string fields(std::initializer_list<const char*> v, std::size_t width) {
  std::string s;
  for (const char* x : v) s += rj(x, width);
  return s;
}

TEST(Uwrmat, EveryCodeInGroupOrder) {
  Materials m;
  m.add(3, 7, {2.5, 0, -1.5, 0.49, 9, 1});
  m.add(1, 5, {1e10, 0.3, 1e9, 7850, 0});
  m.add(10, 6, {2.1e11, 0.3, 0, 7850, 1.2e-5});
  m.add(2, 10006, {4.7, 0, 0, 0, 0, 0, 0, 3.9, -1e8, -1, 1e8, 1, 5, 6});
  m.add(12, 4, {1, 2, 3, 4, 5, 6, 7});
  m.add(5, 3, {});
  for (int k = 0; k < 6; ++k) m.rows.set(6, 1 + 7 * k, k + 1.0);
  const std::string curve = std::string(25, ' ');
  const Lines expected{
      "'",
      "'            Mat  ID  MaTyp    E-mod       Poiss     Dummy      Density   ThermX  ",
      " MATERIAL " + rj(6, 9) + "  Elastic" +
          fields({"2.100E+11", "3.000E-01", "0.000E+00", "7.850E+03", "1.200E-05"}, 11),
      "'",
      "'            Mat  ID     E-mod       Poiss     Yield      Density     ThermX  ",
      " MISOIEP  " + rj(5, 9) +
          fields({"1.000E+10", "3.000E-01", "1.000E+09", "7.850E+03", "0.000E+00"}, 12),
      "'",
      "'            Mat  ID          S P R I N G    C H A R.",
      " SPRIDIAG " + rj(3, 9) + fields({"1.00000E+00", "2.00000E+00", "3.00000E+00"}, 15),
      std::string(19, ' ') + fields({"4.00000E+00", "5.00000E+00", "6.00000E+00"}, 15),
      "'",
      "'            Mat  ID               P           Delta ",
      " ELPLCURV " + rj(10006, 9),
      curve + fields({"-1.00000E+08", "-1.00000E+00"}, 15),
      curve + fields({"1.00000E+08", "1.00000E+00"}, 15),
      curve + fields({"5.00000E+00", "6.00000E+00"}, 15),
      "'",
      "'            Mat  ID          S P R I N G    R E F S.",
      " MREF     " + rj(7, 9) + rj(6, 9) + rj(0, 9) + rj(-2, 9) + rj(0, 9) + rj(9, 9) + rj(7, 9),
      "'",
      "'            Mat  ID  MaTyp    { Data ............ }",
      " MATERIAL " + rj(4, 9) + "  CompS  " +
          fields({"1.000E+00", "2.000E+00", "3.000E+00", "4.000E+00", "5.000E+00", "6.000E+00",
                  "7.000E+00"},
                 11)};
  EXPECT_EQ(m.lines(), expected);
}

TEST(Uwrmat, SpringMatrixWithOffDiagonalTermsIsWrittenFull) {
  struct Case {
    int word;
    double value;
    bool full;
  };
  const Case cases[] = {{0, 0, false},     {2, 0.5, true},     {18, 0.5, true}, {23, -0.5, true},
                        {2, 1.0e-6, true}, {2, 9.9e-7, false}, {36, 9.0, false}};
  for (const Case& c : cases) {
    Materials m;
    m.add(5, 9, {});
    for (int k = 1; k <= 36; ++k) m.rows.set(1, k, (k - 1) % 7 == 0 ? 2.0 : 0.0);
    if (c.word > 0) m.rows.set(1, c.word, c.value);
    const Lines lines = m.lines();
    ASSERT_EQ(lines.size(), c.full ? 9u : 4u) << c.word;
    const std::string two = rj("2.00000E+00", 15);
    EXPECT_EQ(lines[2],
              c.full ? " SPRIFULL " + rj(9, 9) : " SPRIDIAG " + rj(9, 9) + two + two + two);
    if (c.full) {
      EXPECT_EQ(lines[3].substr(0, 21), std::string(8, ' ') + rj("2.00000E+00", 13));
      EXPECT_EQ(lines[8].size(), 8u + 6 * 13);
    }
  }
}

TEST(Uwrmat, CurveKindAndPointCount) {
  struct Case {
    double kind, points;
    std::string keyword;
    std::size_t lines;
  };
  const Case cases[] = {{4.7, 3.9, " ELPLCURV ", 3},
                        {3.9, 2, " HYPELAST ", 2},
                        {-4.2, 0, " HYPELAST ", 0},
                        {2, -2, " HYPELAST ", 0},
                        {2, 100, " HYPELAST ", 25}};
  for (const Case& c : cases) {
    Materials m;
    m.add(2, 1, {c.kind, 0, 0, 0, 0, 0, 0, c.points});
    m.add(1, 2, {});  // the row behind must not be read as curve points
    const Lines lines = m.lines();
    ASSERT_EQ(lines.size(), 3 + 2 + 1 + c.lines) << c.points;
    EXPECT_EQ(lines[5], c.keyword + rj(1, 9));
  }
}

TEST(Uwrmat, WarningForUnknownCodesAndFailureForZeroNumbers) {
  Materials m;
  m.add(1, 2, {});
  m.add(7, 3, {});
  EXPECT_EQ(m.lines()[0], " WARNING from UWRMAT: Materials missing ! ");
  m.numbers[0] = 0;
  m.types[1] = 1;
  test::ModelFile f;
  EXPECT_EQ(m.write(f), -1);
  EXPECT_EQ(f.lines(), (Lines{"'",
                              "'            Mat  ID     E-mod       Poiss     Yield      Density "
                              "    ThermX  ",
                              "", "  *** ERROR IN UWRMAT ***"}));
}

}  // namespace
}  // namespace velkan
