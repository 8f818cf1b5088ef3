// Outputs written whole or not at all, and the message file held by one run:
// the file named keeps its bytes until the output is committed, a discarded
// output goes where it is told or away, partial outputs of runs that ended
// are removed and those of running ones are not, and a second claim of the
// same "fort.<unit>" file is refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/units.h"
#include "platform/wholefile.h"
#include "support/testio.h"

namespace velkan {
namespace {

namespace fs = std::filesystem;
constexpr int kModel = 23;

// The names in the test's folder, sorted.
std::vector<std::string> names_in(const test::TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A model written whole to `name` (opened, one record written and flushed).
void write_model(test::TestIo& io, const std::string& name, const std::string& record) {
  io.units.write_whole(kModel);
  ASSERT_EQ(io.units.open(kModel, name, FileStatus::kUnknown), 0) << io.units.open_error().text;
  io.units.write(kModel, record);
  ASSERT_FALSE(io.units.flush(kModel));
}

TEST(WholeOutput, TheFileNamedChangesOnlyWhenTheOutputIsCommitted) {
  for (const bool existed : {true, false}) {
    test::TestIo io;
    const std::string name = io.dir.file("model.vom");
    if (existed) io.dir.write("model.vom", "old model\nof three\nlines\n");
    write_model(io, name, "new");
    EXPECT_TRUE(io.units.writes_partial(kModel));
    EXPECT_EQ(fs::exists(name), existed);
    EXPECT_EQ(io.dir.read("model.vom"), existed ? "old model\nof three\nlines\n" : "");
    const std::vector<std::string> during = names_in(io.dir);
    ASSERT_EQ(during.size(), existed ? 2u : 1u);
    EXPECT_TRUE(during.back().starts_with("model.vom.") && during.back().ends_with(".velkan-tmp"))
        << during.back();
    EXPECT_FALSE(io.units.commit(kModel));
    EXPECT_FALSE(io.units.is_open(kModel));
    EXPECT_EQ(io.dir.read("model.vom"), "new\n");
    EXPECT_EQ(names_in(io.dir), std::vector<std::string>{"model.vom"});
  }
}

TEST(WholeOutput, ADiscardedOutputIsKeptWhereToldOrRemoved) {
  struct Case {
    std::string keep_as, kept;  // "" for removed
    std::vector<std::string> names;
  } cases[] = {
      {"model.vom.failed", "model.vom.failed", {"model.vom", "model.vom.failed"}},
      {"", "", {"model.vom"}},
      {"model.vom", "", {"model.vom"}},  // the file the output was to replace: never taken
  };
  for (const Case& c : cases) {
    test::TestIo io;
    io.dir.write("model.vom", "old\n");
    write_model(io, io.dir.file("model.vom"), "partial");
    const std::string kept =
        io.units.discard(kModel, c.keep_as.empty() ? "" : io.dir.file(c.keep_as));
    EXPECT_EQ(kept, c.kept.empty() ? "" : io.dir.file(c.kept)) << c.keep_as;
    EXPECT_EQ(io.dir.read("model.vom"), "old\n") << c.keep_as;
    EXPECT_EQ(c.kept.empty() ? "partial\n" : io.dir.read(c.kept), "partial\n");
    EXPECT_EQ(names_in(io.dir), c.names) << c.keep_as;
  }
}

TEST(WholeOutput, AFailedWriteLeavesTheFileNamedAsItWas) {
  test::TestIo io;
  io.dir.write("model.vom", "old\n");
  io.units.plant_fault(kModel, PlantedFault{PlantedFault::Kind::kWrite, 3, io_error()});
  io.units.write_whole(kModel);
  ASSERT_EQ(io.units.open(kModel, io.dir.file("model.vom"), FileStatus::kUnknown), 0);
  io.units.write(kModel, "longer than three bytes");
  EXPECT_TRUE(io.units.commit(kModel));
  EXPECT_TRUE(io.units.writes_partial(kModel));  // still there, for discard()
  EXPECT_EQ(io.units.discard(kModel, ""), "");
  EXPECT_EQ(io.dir.read("model.vom"), "old\n");
  EXPECT_EQ(names_in(io.dir), std::vector<std::string>{"model.vom"});
}

TEST(WholeOutput, PartialOutputsAreRemovedOnlyWhenTheirRunHasEnded) {
  test::TestIo io;
  write_model(io, io.dir.file("running.vom"), "held");  // this run's: locked
  io.dir.write("ended.vom.4242.velkan-tmp", "left by a run that was killed\n");
  io.dir.write("ended.vom", "kept\n");
  io.dir.write("other.tmp", "not a partial output\n");
  remove_leftover_partials(io.dir.file("any"));
  const std::vector<std::string> names = names_in(io.dir);
  EXPECT_EQ(names.size(), 3u);
  EXPECT_EQ(std::count(names.begin(), names.end(), "ended.vom.4242.velkan-tmp"), 0);
  EXPECT_TRUE(io.units.writes_partial(kModel));
  EXPECT_FALSE(io.units.commit(kModel));
  EXPECT_EQ(io.dir.read("running.vom"), "held\n");
}

TEST(WholeOutput, OnlyFilesThatMayBeWrittenAreTargets) {
  test::TestIo io;
  fs::create_directory(io.dir.file("folder"));
  OsError err;
  EXPECT_FALSE(inspect_output(io.dir.file("folder"), err));
  // A missing folder shows at once or when the partial output is made.
  const auto in_missing_folder = inspect_output(io.dir.file("missing/model.vom"), err);
  std::string partial;
  EXPECT_FALSE(in_missing_folder && create_partial(*in_missing_folder, partial, err).is_open());
  EXPECT_TRUE(err);
  const auto missing = inspect_output(io.dir.file("new.vom"), err);
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->kind, OutputTarget::Kind::kMissing);
  if (fs::exists("/dev/null")) {
    const auto null = inspect_output("/dev/null", err);
    ASSERT_TRUE(null);
    EXPECT_TRUE(null->null_device);
  }
}

TEST(WholeOutput, AReplacedFileKeepsItsPermissionsAndItsLinks) {
  test::TempDir dir;
  dir.write("model.vom", "old\n");
  fs::permissions(dir.file("model.vom"), fs::perms::owner_read | fs::perms::owner_write);
  std::error_code ec;
  fs::create_symlink(dir.file("model.vom"), dir.file("link.vom"), ec);
  if (ec) GTEST_SKIP() << "no links here";
  test::TestIo io;
  write_model(io, dir.file("link.vom"), "new");
  EXPECT_FALSE(io.units.commit(kModel));
  EXPECT_TRUE(fs::is_symlink(dir.file("link.vom")));
  EXPECT_EQ(dir.read("model.vom"), "new\n");
  EXPECT_EQ(fs::status(dir.file("model.vom")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST(MessageFileClaim, OneRunAtATimeAndNoMessagesOfAnEarlierRun) {
  test::TestIo first;
  first.dir.write("fort.17", "the messages of an earlier run\n");
  EXPECT_FALSE(first.units.claim_implicit(17));
  {
    std::istringstream in;
    std::ostringstream out;
    Units second(in, out, first.dir.path().string());
    EXPECT_EQ(second.claim_implicit(17).code, kInUse);
  }
  EXPECT_EQ(first.dir.read("fort.17"), "the messages of an earlier run\n");
  first.units.close(17);  // no record: the file is not this run's, and goes
  EXPECT_FALSE(fs::exists(first.dir.file("fort.17")));
  test::TestIo writer;
  EXPECT_FALSE(writer.units.claim_implicit(17));
  writer.units.write(17, "this run's");
  writer.units.close(17);
  EXPECT_EQ(writer.dir.read("fort.17"), "this run's\n");
}

}  // namespace
}  // namespace velkan
