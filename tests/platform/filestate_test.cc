// The state of an open file: its size, last write, identity and whether its
// last line is ended, taken through the unit table without disturbing reads.
#include "platform/filestate.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/units.h"
#include "support/testio.h"

namespace velkan {
namespace {

namespace fs = std::filesystem;
constexpr int kUnit = 16;

FileState state_on(test::TestIo& io) {
  FileState state;
  EXPECT_FALSE(io.units.file_state(kUnit, state)) << "no state of unit " << kUnit;
  return state;
}

TEST(FileState, SizeIdentityAndTheLastLineEnd) {
  struct Case {
    std::string text;
    bool last_line_ended;
  } cases[] = {
      {"", true},     {"one\n", true},     {"one\r\n", true},
      {"one", false}, {"one\ntwo", false}, {"one\n\r", false},
  };
  for (const Case& c : cases) {
    test::TestIo io;
    const std::string path = io.dir.write("in.txt", c.text);
    ASSERT_EQ(io.units.open(kUnit, path, FileStatus::kOld), 0);
    const FileState state = state_on(io);
    EXPECT_EQ(state.size, static_cast<std::int64_t>(c.text.size())) << c.text;
    EXPECT_EQ(state.last_line_ended, c.last_line_ended) << c.text;
    EXPECT_EQ(std::optional<FileId>(state.id), file_id_of(path));
  }
}

TEST(FileState, IsTakenWithoutMovingTheReading) {
  // More than one read chunk, so that the file is read from the system again
  // after the state was taken.
  std::string text;
  int lines = 0;
  while (text.size() < UnitFile::kChunk + UnitFile::kChunk / 2) {
    text += "line " + std::to_string(++lines) + "\n";
  }
  test::TestIo io;
  ASSERT_EQ(io.units.open(kUnit, io.dir.write("in.txt", text), FileStatus::kOld), 0);
  std::string record;
  ASSERT_EQ(io.units.read_upto(kUnit, record, 132), 0);
  state_on(io);
  int read = 1;
  for (std::string next; io.units.read_upto(kUnit, next, 132) == 0; record = next) {
    ++read;
    if (read % 50000 == 0) state_on(io);
  }
  EXPECT_EQ(read, lines);
  EXPECT_EQ(record, "line " + std::to_string(lines));
}

TEST(FileState, AWriteChangesItAndAClosedUnitHasNone) {
  test::TestIo io;
  const std::string path = io.dir.write("in.txt", "one\n");
  ASSERT_EQ(io.units.open(kUnit, path, FileStatus::kOld), 0);
  const FileState first = state_on(io);
  EXPECT_EQ(state_on(io), first);
  const auto written = fs::last_write_time(path);
  fs::last_write_time(path, written - std::chrono::hours(24));
  const FileState older = state_on(io);
  EXPECT_LT(older.modified, first.modified);
  EXPECT_EQ(older.size, first.size);
  std::ofstream(path, std::ios::app) << "two";
  const FileState longer = state_on(io);
  EXPECT_EQ(longer.size, 7);
  EXPECT_FALSE(longer.last_line_ended);
  io.units.close(kUnit);
  FileState none;
  EXPECT_TRUE(io.units.file_state(kUnit, none));
}

}  // namespace
}  // namespace velkan
