// The built program on bad inputs that only POSIX systems make: named pipes,
// devices, links, files that may not be read or written, a full device and a
// file-size limit. Each run ends with a clear line and the right verdict, or
// asks again; none hangs, and none destroys the listing.
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "catalogue.h"
#include "platform/osfile.h"
#include "platform/units.h"

namespace velkan::test {
namespace {

bool running_as_root() {
  return ::geteuid() == 0;
}

bool shell(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// Shell words that run the program as a user without privileges: none when
// this is one already; none at all (nullopt) when that is not possible here.
std::optional<std::string> unprivileged() {
  if (!running_as_root()) return std::string();
  const std::string setpriv = "setpriv --reuid=65534 --regid=65534 --clear-groups";
  if (!shell(setpriv + " test -x '" VELKAN_EXE "'")) return std::nullopt;
  return setpriv;
}

// A file or folder that may not be written: immutable for root, read-only for
// anyone else. False when that cannot be arranged here.
bool lock(const fs::path& path) {
  if (!running_as_root()) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    return true;
  }
  return shell("chattr +i '" + path.string() + "'");
}

void unlock(const fs::path& path) {
  if (running_as_root()) {
    shell("chattr -i '" + path.string() + "'");
  } else {
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  }
}

TEST_F(Catalogue, ListingsThatCannotBeOpenedAreAskedForAgain) {
  ASSERT_TRUE(shell("mkfifo '" + dir.file("pipe.lis") + "'"));
  struct Case {
    std::string name, reason;
  } cases[] = {
      {"pipe.lis", "Not a regular file"},  // never waited for
      {"/dev/null", "Not a regular file"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = velkan(c.name + "\nriser.lis\n" + kVomarDefaults, "timeout 60");
    EXPECT_EQ(run.exit_status, 0) << c.name << run.console;
    EXPECT_NE(run.console.find(open_error(c.name, c.reason, kListingRetry)), std::string::npos)
        << run.console;
  }
}

TEST_F(Catalogue, AListingThatMayNotBeReadIsAskedForAgain) {
  const std::optional<std::string> as_user = unprivileged();
  if (!as_user) GTEST_SKIP() << "no way to run without privileges here";
  fs::permissions(dir.path(), fs::perms::all);  // the user writes fort.17 and the model
  dir.write("secret.lis", riser);
  fs::permissions(dir.file("secret.lis"), fs::perms::none);
  const ProgramRun run = velkan("secret.lis\nriser.lis\n" + kVomarDefaults, *as_user);
  EXPECT_EQ(run.exit_status, 0) << run.console;
  EXPECT_NE(run.console.find(open_error("secret.lis", "Permission denied", kListingRetry)),
            std::string::npos)
      << run.console;
}

TEST_F(Catalogue, OutputFilesThatCannotBeOpenedAreAskedForAgain) {
  ASSERT_TRUE(shell("mkfifo '" + dir.file("pipe.vom") + "'"));
  fs::create_hard_link(dir.file("riser.lis"), dir.file("hard.lis"));
  fs::create_symlink(dir.file("riser.lis"), dir.file("soft.lis"));
  const std::string listing = "it is the FlexCom listing being read, riser.lis";
  const std::string messages = "fort.17 is the message file of this run";
  struct Case {
    std::string name, reason;
  } cases[] = {
      {"pipe.vom", "Not a regular file"},
      {"hard.lis", listing},
      {"soft.lis", listing},
      {"./fort.17", messages},
  };
  for (const Case& c : cases) {
    for (const auto& [answers, output] :
         {std::pair{kVomarDefaults, "riser.vom"}, std::pair{kShear7Defaults, "riser.s7"}}) {
      const std::string bad_first = edited(answers, output, c.name + "\n" + output);
      const ProgramRun run = velkan("riser.lis\n" + bad_first, "timeout 60");
      EXPECT_EQ(run.exit_status, 0) << c.name << run.console;
      EXPECT_NE(run.console.find(open_error(c.name, c.reason, kOutputRetry)), std::string::npos)
          << run.console;
    }
  }
  EXPECT_EQ(dir.read("riser.lis"), riser);
}

TEST_F(Catalogue, OutputFilesThatMayNotBeWrittenAreAskedForAgain) {
  dir.write("old.vom", "old content\n");
  fs::create_directory(dir.path() / "shut");
  if (!lock(dir.path() / "old.vom") || !lock(dir.path() / "shut")) {
    GTEST_SKIP() << "files cannot be locked here";
  }
  const ProgramRun run = velkan("riser.lis\n\n\nold.vom\nshut/riser.vom\nriser.vom\n\n\n\n");
  unlock(dir.path() / "old.vom");
  unlock(dir.path() / "shut");
  EXPECT_EQ(run.exit_status, 0) << run.console;
  for (const std::string name : {"old.vom", "shut/riser.vom"}) {
    const std::string start = "*** ERROR Opening File:" + name + "\n      Reason: ";
    const std::size_t at = run.console.find(start);
    ASSERT_NE(at, std::string::npos) << run.console;
    EXPECT_NE(run.console.find(std::string("\n") + std::string(kOutputRetry), at),
              std::string::npos);
  }
  EXPECT_EQ(dir.read("old.vom"), "old content\n");
  EXPECT_NE(dir.read("riser.vom"), "");
}

TEST_F(Catalogue, LongNamesAreUsedWholeOrRefusedWithTheSystemsReason) {
  // A listing 300 characters down from here, and two model names that differ
  // only after their 256th character.
  const std::string folder = std::string(120, 'a') + "/" + std::string(120, 'b');
  fs::create_directories(dir.path() / folder);
  const std::string listing = folder + "/" + std::string(50, 'c') + "/../riser.lis";
  fs::create_directory(dir.path() / folder / std::string(50, 'c'));
  fs::copy_file(dir.path() / "riser.lis", dir.path() / folder / "riser.lis");
  ASSERT_GT(listing.size(), 300u);
  const std::string stem = folder + "/" + std::string(40, 'm');
  for (const std::string& model : {stem + "1.vom", stem + "2.vom"}) {
    const ProgramRun run = velkan(listing + "\n\n\n" + model + "\n\n\n\n");
    EXPECT_EQ(run.exit_status, 0) << run.console;
    EXPECT_EQ(test::lines_of(dir.read(model)).at(3), "# Input File: " + listing);
  }
  EXPECT_NE(dir.read(stem + "1.vom"), "");
  EXPECT_NE(dir.read(stem + "2.vom"), "");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / folder), {}), 4) << "no cut names";

  // A name part of 256 bytes, and a path of 4096: beyond what the system takes.
  const std::string part = std::string(252, 'x') + ".lis";
  std::string path;
  while (path.size() < Units::kLongestAnswer) path += "./";
  path.resize(Units::kLongestAnswer);
  for (const std::string& name : {part, path}) {
    OsError reason;
    OsFile::open_for_reading(dir.file(name), reason);
    ASSERT_NE(reason.text, "");
    const ProgramRun run = velkan(name + "\nriser.lis\n" + kVomarDefaults);
    EXPECT_EQ(run.exit_status, 0) << run.console;
    EXPECT_NE(run.console.find(open_error(name, reason.text, kListingRetry)), std::string::npos)
        << run.console.substr(0, 1000);
    const ProgramRun output =
        velkan("riser.lis\n" + edited(kVomarDefaults, "riser.vom", name + "\nriser.vom"));
    EXPECT_EQ(output.exit_status, 0) << output.console;
    EXPECT_NE(output.console.find(open_error(name, reason.text, kOutputRetry)), std::string::npos);
  }
}

TEST_F(Catalogue, AListingThatChangesWhileItIsReadFailsTheRun) {
  // The answers after the listing's name wait until the model has been read
  // (the operation menu asks), then the listing changes before the Shear7
  // export reads its tensions, as an analysis still writing it would change it.
  const auto changing = [](const std::string& change) {
    return "(printf 'riser.lis\\n'; i=0; until grep -q 'Select Operation' console.txt || "
           "[ $i -ge 1000 ]; do sleep 0.02; i=$((i+1)); done; " +
           change + "; printf '\\n1\\nriser.s7\\n\\n') | timeout 60";
  };
  const std::string size = std::to_string(riser.size());
  struct Case {
    std::string change, reason;
  } cases[] = {
      {"echo more >>riser.lis",
       "it grew from " + size + " to " + std::to_string(riser.size() + 5) + " bytes"},
      {"truncate -s 5000 riser.lis", "it shrank from " + size + " to 5000 bytes"},
      {"touch -d @1000000000 riser.lis",
       "it was written again, keeping its size of " + size + " bytes"},
      {"cp riser.lis new.lis && mv new.lis riser.lis", "another file took its name"},
      {"rm riser.lis", "its name leads to no file now: it was removed or renamed"},
  };
  for (const Case& c : cases) {
    dir.write("riser.lis", riser);
    const ProgramRun run = velkan("", changing(c.change));
    const std::string line = "\n *** The listing riser.lis changed while it was read (" + c.reason +
                             "): convert it when the analysis has finished.\n";
    EXPECT_EQ(run.exit_status, 1) << c.change << run.console;
    const std::string none = kept_new("riser.s7", false);  // the export wrote nothing yet
    EXPECT_NE(run.console.find(line + none + kFailed), std::string::npos)
        << c.change << run.console;
    EXPECT_EQ(dir.read("fort.17"), line + none + kFailed) << c.change;
    EXPECT_EQ(dir.read("riser.s7"), "") << c.change;
  }
}

// A model of `nel` elements whose cross-sections and materials do not merge,
// so that the console stays short while the model file grows.
std::string long_riser(int nel) {
  std::string s = "Total No. of Structural Elements       :  " + std::to_string(nel) +
                  "\nNo. of Nodes                           :  " + std::to_string(nel + 1) +
                  "\n*** KINEMATIC VARIABLES ***\n";
  for (int i = 1; i <= nel + 1; ++i) s += "  " + std::to_string(i) + " 0 0 0 0 0 0 0\n";
  s += "  end\n*** ELEMENT DATA ***\n";
  for (int e = 1; e <= nel; ++e) {
    s += "  " + std::to_string(e) + " " + std::to_string(e) + " " + std::to_string(e + 1) +
         " 0 0 0 0 0 0\n";
  }
  s += "  end\n*** ELEMENT PROPERTIES ***\n  Elem\n";
  for (int e = 1; e <= nel; ++e) {
    const std::string ei = std::to_string(1000 + e) + "E7", mass = std::to_string(1000 + e);
    s += "  " + std::to_string(e) + " " + ei + " " + ei + " 1E10 4E10 " + mass + " 0 10\n";
  }
  s += "  end\n1)        Element Effective Tensions.\n  Elem\n";
  for (int e = 1; e <= nel; ++e) s += "  " + std::to_string(e) + " 0.0 500 450 500 400\n";
  return s;
}

TEST_F(Catalogue, AFullDiskOrAFileSizeLimitFailsEitherConversion) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no full device here";
  dir.write("long.lis", long_riser(1000));
  struct Case {
    std::string answers, wrapper, file, reason, kept;
  } cases[] = {
      {"long.lis\n\n\n/dev/full\n\n\n", "", "/dev/full", "No space left on device", ""},
      {"long.lis\n\n1\n/dev/full\n\n", "", "/dev/full", "No space left on device", ""},
      // 16 blocks of 512 or 1024 bytes: the console and fort.17 fit, the model does not.
      {"long.lis\n\n\nlong.vom\n\n\n", "ulimit -f 16 &&", "long.vom", "File too large",
       kept_new("long.vom")},
      {"long.lis\n\n1\nlong.s7\n\n", "ulimit -f 16 &&", "long.s7", "File too large",
       kept_new("long.s7")},
  };
  for (const Case& c : cases) {
    const ProgramRun run = velkan(c.answers, c.wrapper);
    const std::string report =
        "\n*** ERROR Writing File:" + c.file + "\n      Reason: " + c.reason + "\n" + c.kept;
    EXPECT_EQ(run.exit_status, 1) << c.file << run.console;
    EXPECT_NE(run.console.find(report + kFailed), std::string::npos) << run.console;
    EXPECT_EQ(dir.read("fort.17"), report + kFailed);
  }
}

TEST_F(Catalogue, AMessageFileOnAFullDiskDoesNotHideTheVerdict) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no full device here";
  fs::create_symlink("/dev/full", dir.path() / "fort.17");
  dir.write("empty.lis", "");
  const ProgramRun run = velkan("empty.lis\n");
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_NE(run.console.find(" *** No elements in the listing: nothing to convert.\n"
                             "\n*** ERROR Writing File:fort.17\n      Reason: No space left on "
                             "device\n" +
                             kFailed),
            std::string::npos)
      << run.console;
}

}  // namespace
}  // namespace velkan::test
