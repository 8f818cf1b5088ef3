// Sea-bed model: the opening and closing blocks, the five lines per sea-bed
// node in store order, the level test and the node-list lines.
#include "writer/seabedmodel.h"

#include <gtest/gtest.h>

#include "support/seabedframe.h"
#include "writer/writerfixture.h"

namespace velkan {
namespace {

using test::rj;
using Ints = std::vector<std::int32_t>;
using Lines = std::vector<std::string>;

constexpr std::size_t kOpening = test::kSeabedOpening.size();
constexpr std::size_t kClosingBeforeList = test::kSeabedClosing.size();

Lines write_seabed(double zmax, const Ints& numbers, const std::vector<double>& z,
                   const SeabedNumbering& numbering = {}) {
  test::RealTable coords(numbers.size(), 3);
  for (std::size_t i = 0; i < z.size(); ++i) coords.set(i + 1, 3, z[i]);
  test::ModelFile f;
  std::int32_t status = 5;
  UWRSEA(f.units, zmax, static_cast<std::int32_t>(numbers.size()), coords.span(), numbers,
         numbering, test::kModelUnit, status);
  EXPECT_EQ(status, 5);
  return f.lines();
}

TEST(Uwrsea, NoSeabedNodeGivesTheFrameOnly) {
  const Lines lines = write_seabed(-10.0, {1, 2}, {0.0, -9.0});
  Lines expected(test::kSeabedOpening.begin(), test::kSeabedOpening.end());
  expected.insert(expected.end(), test::kSeabedClosing.begin(), test::kSeabedClosing.end());
  expected.push_back("#");
  expected.insert(expected.end(), test::kSeabedEnd.begin(), test::kSeabedEnd.end());
  EXPECT_EQ(lines, expected);
}

TEST(Uwrsea, NodeBlockLines) {
  const Lines lines = write_seabed(-100.0, {17}, {-100.0});
  ASSERT_EQ(lines.size(), kOpening + 5 + kClosingBeforeList + 3);
  const Lines block(lines.begin() + kOpening, lines.begin() + kOpening + 5);
  const Lines expected{
      "'", " Sprng2Gr " + rj(9900017, 10) + rj(17, 10) + rj(9900017, 10),
      " MREF     " + rj(9900017, 10) + rj(8800017, 10) + rj(8800017, 10) +
          " 880000    0    0    0  " + std::string(16, ' '),
      " HypElast " + rj(8800017, 10) + " -1.0E1 -1.0  1.0E1  1.0" + std::string(16, ' '),
      " TimDepMat 99999 " + rj(8800017, 10) + "  -987 " + rj(9900017, 10) + " 3    0.1  "};
  EXPECT_EQ(block, expected);
  EXPECT_EQ(lines[lines.size() - 3], "#" + rj(17, 7));
}

TEST(Uwrsea, MovedNumbersStandWhereTheUsualOnesDo) {
  const Lines lines = write_seabed(-100.0, {17}, {-100.0}, {99000000, 88000000, 8800000});
  ASSERT_EQ(lines.size(), kOpening + 5 + kClosingBeforeList + 3);
  EXPECT_EQ(lines[9], " HypElast 8800000 -1E6     -1     ");
  const Lines block(lines.begin() + kOpening, lines.begin() + kOpening + 5);
  const Lines expected{
      "'", " Sprng2Gr " + rj(99000017, 10) + rj(17, 10) + rj(99000017, 10),
      " MREF     " + rj(99000017, 10) + rj(88000017, 10) + rj(88000017, 10) +
          " 8800000    0    0    0  " + std::string(15, ' '),
      " HypElast " + rj(88000017, 10) + " -1.0E1 -1.0  1.0E1  1.0" + std::string(16, ' '),
      " TimDepMat 99999 " + rj(88000017, 10) + "  -987 " + rj(99000017, 10) + " 3    0.1  "};
  EXPECT_EQ(block, expected);
}

TEST(Uwrsea, LevelTestAndStoreOrder) {
  const Lines lines = write_seabed(0.0, {40, 30, 20, 10}, {1.0e-10, 3.0e-10, 0.0, -5.0});
  ASSERT_EQ(lines.size(), kOpening + 15 + kClosingBeforeList + 3);
  EXPECT_EQ(lines[kOpening + 1].substr(20, 10), rj(40, 10));
  EXPECT_EQ(lines[kOpening + 6].substr(20, 10), rj(20, 10));
  EXPECT_EQ(lines[kOpening + 11].substr(20, 10), rj(10, 10));
  EXPECT_EQ(lines[lines.size() - 3], "#" + rj(40, 7) + rj(20, 7) + rj(10, 7));
}

TEST(Uwrsea, NodeListTenToALine) {
  for (const std::size_t count : {10u, 12u}) {
    Ints numbers;
    for (std::size_t i = 1; i <= count; ++i) numbers.push_back(static_cast<std::int32_t>(i));
    const Lines lines = write_seabed(0.0, numbers, std::vector<double>(count, -1.0));
    ASSERT_EQ(lines.size(), kOpening + 5 * count + kClosingBeforeList + 4);
    std::string ten = "#";
    for (int i = 1; i <= 10; ++i) ten += rj(i, 7);
    EXPECT_EQ(lines[lines.size() - 4], ten);
    EXPECT_EQ(lines[lines.size() - 3], count == 10 ? "#" : "#" + rj(11, 7) + rj(12, 7));
  }
}

}  // namespace
}  // namespace velkan
