// The unit table on faults: files that must not be opened, one file reached
// through two units, checked writes and reads, planted faults, and console
// lines of any length.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/units.h"
#include "support/testio.h"

namespace velkan {
namespace {

namespace fs = std::filesystem;

TEST(UnitFaults, OnlyRegularFilesAreOpenedForReading) {
  test::TestIo io;
  fs::create_directory(io.dir.file("folder"));
  io.dir.write("abc", "a listing\n");
  std::vector<std::string> refused = {io.dir.file("missing.lis"), io.dir.file("folder"),
                                      io.dir.file("abc") + std::string(1, '\0') + "xyz"};
  if (fs::exists("/dev/null")) refused.push_back("/dev/null");
  for (const std::string& name : refused) {
    EXPECT_GT(io.units.open(16, name, FileStatus::kOld), 0) << name;
    EXPECT_FALSE(io.units.open_error().text.empty()) << name;
    EXPECT_FALSE(io.units.is_open(16)) << name;
  }
  EXPECT_GT(io.units.open(23, io.dir.file("folder"), FileStatus::kUnknown), 0);
}

TEST(UnitFaults, AFileOpenForReadingIsNeverOpenedForWritingOnAnotherUnit) {
  test::TestIo io;
  const std::string listing = io.dir.write("model.lis", "keep me\n");
  fs::create_directory(io.dir.file("sub"));
  std::vector<std::string> aliases = {listing, io.dir.file("sub/../model.lis")};
  std::error_code ec;
  fs::create_hard_link(listing, io.dir.file("hard.lis"), ec);
  if (!ec) aliases.push_back(io.dir.file("hard.lis"));
  fs::create_symlink(listing, io.dir.file("soft.lis"), ec);
  if (!ec) aliases.push_back(io.dir.file("soft.lis"));

  ASSERT_EQ(io.units.open(16, listing, FileStatus::kOld), 0);
  for (const std::string& name : aliases) {
    EXPECT_EQ(io.units.open(23, name, FileStatus::kUnknown), kSameFile) << name;
    EXPECT_EQ(io.units.clash(), 16);
    EXPECT_NE(io.units.open_error().text.find("model.lis"), std::string::npos);
    EXPECT_FALSE(io.units.is_open(23));
  }
  EXPECT_EQ(io.units.open(30, aliases.back(), FileStatus::kOld), 0);  // reading twice is fine
  EXPECT_EQ(io.dir.read("model.lis"), "keep me\n");
}

TEST(UnitFaults, AReservedMessageFileIsNeitherReadNorOverwrittenThroughAnotherUnit) {
  test::TestIo io;
  io.units.reserve_implicit(17);
  // Before it exists: an output of that name would become the message file.
  EXPECT_EQ(io.units.open(23, io.dir.file("fort.17"), FileStatus::kUnknown), kSameFile);
  io.units.write(17, "message");
  EXPECT_EQ(io.units.open(16, io.dir.file("fort.17"), FileStatus::kOld), kSameFile);
  EXPECT_EQ(io.units.open(23, io.dir.file("fort.17"), FileStatus::kUnknown), kSameFile);
  EXPECT_EQ(io.units.clash(), 17);
  EXPECT_FALSE(io.units.close(17));
  EXPECT_EQ(io.dir.read("fort.17"), "message\n");
}

TEST(UnitFaults, TheMessageFileIsNotCreatedOverAFileInUse) {
  test::TestIo io;
  const std::string listing = io.dir.write("fort.17", "the listing\n");
  ASSERT_EQ(io.units.open(16, listing, FileStatus::kOld), 0);
  io.units.write(17, "message");
  EXPECT_EQ(io.units.error(17).code, kSameFile);
  EXPECT_EQ(io.units.close(17).code, kSameFile);
  EXPECT_EQ(io.dir.read("fort.17"), "the listing\n");
}

TEST(UnitFaults, AnInputRefusedAsTheMessageFileIsNeverOverwrittenByIt) {
  for (const bool renamed : {false, true}) {
    test::TestIo io;
    io.units.reserve_implicit(17);
    const std::string listing = io.dir.write("fort.17", "the listing\n");
    EXPECT_EQ(io.units.open(16, listing, FileStatus::kOld), kSameFile);
    // Renamed away, the listing leaves the name to a new message file.
    if (renamed) fs::rename(listing, io.dir.file("model.lis"));
    io.units.write(17, "message");
    EXPECT_EQ(io.units.close(17).code, renamed ? 0 : kSameFile) << renamed;
    EXPECT_EQ(io.dir.read(renamed ? "model.lis" : "fort.17"), "the listing\n") << renamed;
    if (renamed) {
      EXPECT_EQ(io.dir.read("fort.17"), "message\n");
    }
  }
}

TEST(UnitFaults, PlantedFaultsFailReadsAndWritesAfterTheirByteCount) {
  struct Case {
    PlantedFault::Kind kind;
    std::int64_t after;
  };
  for (const Case c : {Case{PlantedFault::Kind::kWrite, 0}, Case{PlantedFault::Kind::kWrite, 7},
                       Case{PlantedFault::Kind::kRead, 0}, Case{PlantedFault::Kind::kRead, 7}}) {
    test::TestIo io;
    const std::string in = io.dir.write("in.txt", "line 1\nline 2\n");
    io.units.plant_fault(23, PlantedFault{c.kind, c.after, io_error()});
    if (c.kind == PlantedFault::Kind::kWrite) {
      ASSERT_EQ(io.units.open(23, io.dir.file("out.txt"), FileStatus::kUnknown), 0);
      for (int i = 0; i < 3; ++i) io.units.write(23, "record");
      EXPECT_FALSE(io.units.error(23));  // still buffered
      EXPECT_EQ(io.units.flush(23).code, io_error().code);
      EXPECT_EQ(io.units.close(23).code, io_error().code);
      EXPECT_EQ(io.dir.read("out.txt"), std::string("record\nrecord\n").substr(0, c.after));
    } else {
      ASSERT_EQ(io.units.open(23, in, FileStatus::kOld), 0);
      std::string rec;
      EXPECT_EQ(io.units.read(23, rec, 6), c.after == 0 ? io_error().code : 0);
      EXPECT_EQ(io.units.read(23, rec, 6), io_error().code);
      EXPECT_EQ(io.units.error(23).code, io_error().code);
    }
  }
}

TEST(UnitFaults, AFullDeviceFailsTheWrite) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no full device here";
  test::TestIo io;
  ASSERT_EQ(io.units.open(23, "/dev/full", FileStatus::kUnknown), 0);
  io.units.write(23, "record");
  const OsError err = io.units.close(23);
  EXPECT_TRUE(err);
  EXPECT_FALSE(err.text.empty());
}

TEST(UnitFaults, AFileThatMayNotBeWrittenIsNotOpened) {
  test::TestIo io;
  const std::string name = io.dir.write("old.vom", "old content\n");
  fs::permissions(name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  if (std::ofstream(name, std::ios::app)) GTEST_SKIP() << "permissions do not hold for this user";
  EXPECT_GT(io.units.open(23, name, FileStatus::kUnknown), 0);
  EXPECT_FALSE(io.units.is_open(23));
  EXPECT_EQ(io.dir.read("old.vom"), "old content\n");
}

TEST(UnitFaults, ConsoleLinesAreCutAndTheirRestSkipped) {
  const std::string long_line(3 * Units::kLongestAnswer + 5, 'x');
  test::TestIo io(long_line + "\nnext\n" + long_line);
  std::string rec;
  EXPECT_EQ(io.units.read_line(5, rec), 0);
  EXPECT_EQ(rec, std::string(Units::kLongestAnswer, 'x'));
  EXPECT_EQ(io.units.read_line(5, rec), 0);
  EXPECT_EQ(rec, "next");
  EXPECT_EQ(io.units.read_line(5, rec), 0);
  EXPECT_EQ(rec.size(), Units::kLongestAnswer);
  EXPECT_EQ(io.units.read_line(5, rec), kEndOfFile);
}

TEST(UnitFaults, AConsoleLineThatNeverEndsIsGivenUp) {
  test::TestIo io(std::string(Units::kLongestConsoleLine + 1, '\0') + "\nnever read\n");
  std::string rec;
  EXPECT_EQ(io.units.read_line(5, rec), kRunawayLine);
  EXPECT_LE(rec.size(), Units::kLongestAnswer);
}

}  // namespace
}  // namespace velkan
