// Opening files: argument checks, status codes and the characteristics report.
#include "store/fileopen.h"

#include <gtest/gtest.h>

#include "platform/numfmt.h"
#include "support/testio.h"

namespace velkan {
namespace {

TEST(FileOpen, RejectsBadUnitsAndRecordLengths) {
  struct Case {
    std::int32_t unit, access, reclen, expected;
    std::string detail;
  } cases[] = {{0, 0, 0, -901, "     ILLEGAL FILE UNIT"},
               {100, 0, 0, -901, "     ILLEGAL FILE UNIT"},
               {30, 20, 0, -902, "     ILLEGAL RECORD LENGTH =    0"}};
  for (const Case& c : cases) {
    test::TestIo io;
    std::int32_t st = 0;
    OPNFIL(io.units, io.dir.file("x.dat"), c.unit, 1, c.access, 0, 0, c.reclen, 0, 17, st);
    EXPECT_EQ(st, c.expected);
    const auto lines = test::lines_of(io.file("fort.17"));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3], " *** ERROR DURING OPENING OF FILE UNIT" + fmt_i(c.unit, 5));
    EXPECT_EQ(lines[4], c.detail);
    EXPECT_FALSE(io.units.is_open(30));
  }
}

TEST(FileOpen, MissingOldFileFailsAndTheTextWrapperSaysMinusOne) {
  test::TestIo io;
  std::int32_t st = 0;
  OPNFIL(io.units, io.dir.file("missing.lis"), 16, 2, 0, 1, 0, 0, 0, 17, st);
  EXPECT_LT(st, 0);
  EXPECT_NE(io.file("fort.17").find("  (SYSTEM PARAMETER)"), std::string::npos);
  std::int32_t status = 0;
  OPNTXT(io.units, io.dir.file("missing.lis   "), 16, 1, status);
  EXPECT_EQ(status, -1);
  status = 0;
  OPNTXT(io.units, io.dir.file("new.out"), 23, 0, status);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(io.units.is_open(23));
}

TEST(FileOpen, ReportsTheCharacteristicsOfADirectFormattedFile) {
  test::TestIo io;
  std::int32_t st = 0;
  const std::string name = io.dir.file("d.dat");
  OPNFIL(io.units, name, 12, 1, 20, 1, 1, 10, 1, 17, st);
  EXPECT_EQ(st, 0);
  EXPECT_EQ(
      test::lines_of(io.file("fort.17")),
      (std::vector<std::string>{"", "", "", "     FILE  " + name, "     IS OPENED ON UNIT NO.  12",
                                "     FILE CHARACTERISTICS :", "          STATUS =UNKNOWN",
                                "          ACCESS =DIRECT    ", "          FORM   =FORMATTED  ",
                                "          LENGTH =   40 WORDS/BYTES PER RECORD (SECTOR)",
                                "          BLANK  =ZERO"}));
}

}  // namespace
}  // namespace velkan
