// Structure parameters and identifier maps.
#include "store/structurerecords.h"

#include <gtest/gtest.h>

#include "store/idmap.h"
#include "store/structureindex.h"
#include "support/testio.h"

namespace velkan {
namespace {

class StruTest : public ::testing::Test {
 protected:
  void SetUp() override { STROPN(io.units, rec, 610, 1, 1, 17, status); }
  std::int32_t get(std::string_view name) { return GTSTRU(io.units, rec, name, 17, status); }
  void put(std::string_view name, std::int32_t v) { PTSTRU(io.units, rec, name, v, 17, status); }

  test::TestIo io;
  std::vector<std::int32_t> words = std::vector<std::int32_t>(610, 99);
  IntSpan rec{words};
  std::int32_t status = 0;
};

TEST_F(StruTest, OpenedRecordKnowsItsOwnParameters) {
  EXPECT_EQ(get("MXSTRU"), 200);
  EXPECT_EQ(get("ISTTYP  "), -1);
  EXPECT_EQ(words[200], 200);  // map header at word 201
  EXPECT_EQ(words[202], 4);    // four identifiers
  EXPECT_EQ(words[609], 0);    // the record was cleared
  EXPECT_EQ(status, 0);
}

TEST_F(StruTest, NamesFoldToUpperCaseAndAbsentOnesReadZero) {
  put("NNP", 12);
  EXPECT_EQ(get("nnp"), 12);
  EXPECT_EQ(get("NNP     "), 12);
  EXPECT_EQ(get("NEVER"), 0);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(io.file("fort.17"), "");
}

TEST_F(StruTest, CapacityIsTwoHundredIdentifiers) {
  for (int i = 0; i < 196; ++i) put("P" + std::to_string(i), i);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(get("P195"), 195);
  put("ONEMORE", 1);
  EXPECT_EQ(status, -1);
  const auto lines = test::lines_of(io.file("fort.17"));
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[1], "  *** ERROR IN IDADD  ***");
  EXPECT_EQ(lines[3], "    Number of IDS exceeds maximum of :    200");
  EXPECT_EQ(lines[5], "  *** ERROR IN PTSTRU ***");
  EXPECT_EQ(lines[6], "      PARAMETER NOT FOUND:ONEMORE");
  EXPECT_EQ(lines[7], "      LEAVING PTSTRU");
}

TEST_F(StruTest, DateAndTimeCodes) {
  EXPECT_EQ(stru_date_code({2006, 11, 27, 9, 5, 3}), 561127);
  EXPECT_EQ(stru_date_code({1995, 1, 2, 0, 0, 0}), 450102);
  EXPECT_EQ(stru_time_code({2006, 11, 27, 9, 5, 3}), 90503);
}

TEST(StruTable, TableFormUsesTheFixedNames) {
  test::TestIo io;
  std::vector<std::int32_t> words(200, 0);
  words[0] = 7;
  words[110] = 5;
  std::int32_t status = 0;
  EXPECT_EQ(GTSTRU(io.units, words, "NNP", 17, status), 7);
  EXPECT_EQ(GTSTRU(io.units, words, "NELRES", 17, status), 5);
  EXPECT_EQ(GTSTRU(io.units, words, "NOSUCH", 17, status), 0);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(STRIDX("NAMD  "), 132);
  EXPECT_EQ(STRIDX("MXSTRU"), 110);
  EXPECT_EQ(STRIDX("IWINDW"), 105);
}

TEST(IdMap, CaseOptionIllegalNamesAndRepeats) {
  for (const std::int32_t fold : {0, 1}) {
    test::TestIo io;
    std::vector<std::int32_t> map(5 + 2 * 3, 0);
    map[0] = 3;
    map[1] = 17;
    map[3] = fold;
    std::int32_t k = 0;
    IDADD(io.units, map, "nnp", k);
    EXPECT_EQ(k, 1);
    EXPECT_EQ(IDXIST(io.units, map, "NNP"), fold == 1 ? 1 : 0);
    IDADD(io.units, map, "nnp", k = 0);
    EXPECT_EQ(k, 1);
    EXPECT_EQ(map[2], 1);
    for (std::string_view bad : {"NINECHARS", "        ", "A\x7f"}) {
      IDADD(io.units, map, bad, k = 5);
      EXPECT_EQ(k, 0) << bad;
      EXPECT_EQ(IDXIST(io.units, map, bad), 0);
    }
    const auto lines = test::lines_of(io.file("fort.17"));
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[1], "  *** ERROR IN IDADD  ***");
    EXPECT_EQ(lines[3], "    Illegal Identifier : NINECHARS");
    EXPECT_EQ(lines[5], "  *** ERROR IN IDXIST  ***");
  }
}

TEST(IdMap, CodesMatchTheArrayNameScheme) {
  std::int32_t n1 = 0, n2 = 0;
  IDCODE("MSTRU", n1, n2);
  EXPECT_EQ(n1, 47535452);
  EXPECT_EQ(n2, 55000000);
  IDCODE("AB C", n1, n2);
  EXPECT_EQ(n1, -1);
  IDCODE("ABCDEF G", n1, n2);
  EXPECT_EQ(n2, -1);
}

}  // namespace
}  // namespace velkan
