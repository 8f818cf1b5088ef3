// Files on Windows: the spellings of one file's path, names beyond ASCII in
// UTF-8 or the ANSI code page, a listing that other programs may read and
// write while it is open, the null device, system error texts. Built for
// Windows only.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/units.h"
#include "platform/winstring.h"
#include "support/testio.h"

namespace velkan {
namespace {

namespace fs = std::filesystem;

std::string whole(const fs::path& name) {
  std::ifstream f(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// A name in the test's directory, its bytes passed on as they are.
std::string in_dir(const test::TestIo& io, const std::string& bytes) {
  return io.dir.path().string() + "\\" + bytes;
}

TEST(WindowsFiles, EverySpellingOfAPathReachesTheSameFile) {
  test::TestIo io;
  fs::create_directory(io.dir.path() / "sub");
  const std::string listing = io.dir.write("model.lis", "first record\n");
  const fs::path native(listing);
  std::string upper = listing;
  upper.replace(upper.size() - 9, 9, "MODEL.LIS");
  std::string lower_drive = listing;
  lower_drive[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(lower_drive[0])));
  const std::string spellings[] = {
      listing,                  // C:\...\model.lis
      native.generic_string(),  // C:/.../model.lis
      (native.parent_path() / "sub" / ".." / "model.lis").string(),
      upper,
      lower_drive,
  };
  ASSERT_EQ(native.root_name().string().size(), 2u) << "a drive letter and its colon";
  ASSERT_EQ(io.units.open(16, listing, FileStatus::kOld), 0);
  for (const std::string& name : spellings) {
    ASSERT_EQ(io.units.open(30, name, FileStatus::kOld), 0) << name;
    std::string rec;
    EXPECT_EQ(io.units.read_line(30, rec), 0) << name;
    EXPECT_EQ(rec, "first record") << name;
    EXPECT_EQ(io.units.open(23, name, FileStatus::kUnknown), kSameFile) << name;
    EXPECT_EQ(io.units.clash(), 16) << name;
  }
  EXPECT_EQ(io.dir.read("model.lis"), "first record\n");
}

TEST(WindowsFiles, NamesBeyondAsciiInUtf8OrTheAnsiCodePage) {
  struct Case {
    std::string bytes;
    std::wstring wide;
  } cases[] = {
      {"plain.lis", L"plain.lis"},
      {"caf\xC3\xA9 \xE6\xB2\xB3.lis", L"caf\u00e9 \u6cb3.lis"},  // UTF-8
      {"\xF0\x9F\x8C\x8A.lis", L"\U0001F30A.lis"},                // beyond 16 bits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(wide_name(c.bytes), c.wide) << c.bytes;
    EXPECT_EQ(utf8_of(c.wide), c.bytes) << c.bytes;
    test::TestIo io;
    std::ofstream(io.dir.path() / c.wide) << "record\n";
    EXPECT_EQ(io.units.open(16, in_dir(io, c.bytes), FileStatus::kOld), 0) << c.bytes;
  }
  // A name that is not UTF-8 is read in the ANSI code page.
  if (wide_name("caf\xE9") != L"caf\u00e9") GTEST_SKIP() << "the ANSI code page is not Latin";
  test::TestIo io;
  std::ofstream(io.dir.path() / L"caf\u00e9.lis") << "record\n";
  ASSERT_EQ(io.units.open(16, in_dir(io, "caf\xE9.lis"), FileStatus::kOld), 0);
  EXPECT_EQ(io.units.open(23, in_dir(io, "caf\xC3\xA9.lis"), FileStatus::kUnknown), kSameFile);
}

TEST(WindowsFiles, LongNamesTakeTheFormWithoutThePathLimit) {
  const std::wstring here = fs::current_path().wstring();
  const std::string part(150, 'a');
  const std::wstring wide_part(150, L'a');
  struct Case {
    std::string name;
    std::wstring wide;
  } cases[] = {
      {"riser.lis", L"riser.lis"},  // short names as they are
      {"C:/models/riser.lis", L"C:/models/riser.lis"},
      {"\\\\server\\share\\riser.lis", L"\\\\server\\share\\riser.lis"},
      {"sub/../" + part, L"sub/../" + wide_part},
      {part + "/" + part + ".lis",
       L"\\\\?\\" + here + L"\\" + wide_part + L"\\" + wide_part + L".lis"},
      {"C:/" + part + "/./" + part, L"\\\\?\\C:\\" + wide_part + L"\\" + wide_part},
      {"\\\\server\\share\\" + part + "\\" + part,
       L"\\\\?\\UNC\\server\\share\\" + wide_part + L"\\" + wide_part},
      {"\\\\?\\C:\\" + part + "\\" + part, L"\\\\?\\C:\\" + wide_part + L"\\" + wide_part},
  };
  for (const Case& c : cases) EXPECT_EQ(wide_name(c.name), c.wide) << c.name;
}

TEST(WindowsFiles, NamesBeyondThePathLimitReachTheirFiles) {
  test::TestIo io;
  const std::string folder = in_dir(io, std::string(120, 'a') + "\\" + std::string(120, 'b'));
  ASSERT_TRUE(CreateDirectoryW(wide_name(in_dir(io, std::string(120, 'a'))).c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(wide_name(folder).c_str(), nullptr));
  // Two names that differ only after their 256th character, and the path of
  // one of them with forward slashes.
  const std::string first = folder + "\\" + std::string(40, 'm') + "1.vom";
  const std::string second = folder + "\\" + std::string(40, 'm') + "2.vom";
  ASSERT_GT(first.size(), 300u);
  for (const std::string& name : {first, second}) {
    ASSERT_EQ(io.units.open(23, name, FileStatus::kUnknown), 0) << io.units.open_error().text;
    io.units.write(23, name.substr(name.size() - 5));
    EXPECT_FALSE(io.units.close(23));
  }
  std::string generic = first;
  std::replace(generic.begin(), generic.end(), '\\', '/');
  for (const auto& [name, record] :
       {std::pair{first, "1.vom"}, std::pair{second, "2.vom"}, std::pair{generic, "1.vom"}}) {
    ASSERT_EQ(io.units.open(16, name, FileStatus::kOld), 0) << io.units.open_error().text;
    std::string rec;
    EXPECT_EQ(io.units.read_line(16, rec), 0);
    EXPECT_EQ(rec, record);
  }
}

TEST(WindowsFiles, CutUtf8SequencesWaitForTheirLastBytes) {
  struct Case {
    std::string text;
    std::size_t complete;
  } cases[] = {
      {"", 0},          {"abc", 3},           {"ab\xC3", 2},       {"ab\xC3\xA9", 4},
      {"a\xE6\xB2", 1}, {"a\xE6\xB2\xB3", 4}, {"\xF0\x9F\x8C", 0}, {"\xF0\x9F\x8C\x8A", 4},
  };
  for (const Case& c : cases) EXPECT_EQ(complete_utf8_length(c.text), c.complete) << c.text;
}

TEST(WindowsFiles, AnOpenListingMayBeReadAndWrittenByOtherPrograms) {
  test::TestIo io;
  const std::string listing = io.dir.write("model.lis", "line 1\nline 2\n");
  ASSERT_EQ(io.units.open(16, listing, FileStatus::kOld), 0);
  EXPECT_EQ(whole(listing), "line 1\nline 2\n");
  {
    std::ofstream more(listing, std::ios::app | std::ios::binary);
    ASSERT_TRUE(more) << "the listing is locked against writers";
    more << "line 3\n";
  }
  std::string rec;
  for (const char* expected : {"line 1", "line 2", "line 3"}) {
    EXPECT_EQ(io.units.read_line(16, rec), 0);
    EXPECT_EQ(rec, expected);
  }
  ASSERT_EQ(io.units.open(23, io.dir.file("model.vom"), FileStatus::kUnknown), 0);
  io.units.write(23, "record");
  EXPECT_FALSE(io.units.flush(23));
  EXPECT_EQ(whole(io.dir.file("model.vom")), "record\n");
}

TEST(WindowsFiles, TheNullDeviceIsAnOutputButNoListing) {
  for (const char* name : {"NUL", "nul"}) {
    test::TestIo io;
    EXPECT_EQ(io.units.open(23, name, FileStatus::kUnknown), 0) << name;
    io.units.write(23, "record");
    EXPECT_FALSE(io.units.close(23)) << name;
    EXPECT_GT(io.units.open(16, name, FileStatus::kOld), 0) << name;
    EXPECT_FALSE(io.units.is_open(16)) << name;
  }
}

TEST(WindowsFiles, DeviceNamesAreNoOutputsButTheNullDevice) {
  enum Kind { kRefused, kNull, kFile };
  struct Case {
    std::string name;
    Kind kind;
  } cases[] = {
      {"CON", kRefused},      {"con.vom", kRefused},    {"AUX", kRefused},
      {"aux.vom", kRefused},  {"PRN", kRefused},        {"COM1", kRefused},
      {"com9.s7", kRefused},  {"LPT1", kRefused},       {"lpt9.txt", kRefused},
      {"NUL", kNull},         {"nul.vom", kNull},       {"COM10", kFile},
      {"console.vom", kFile}, {"auxiliary.vom", kFile},
  };
  for (const Case& c : cases) {
    test::TestIo io;
    io.units.write_whole(23);
    const int rc = io.units.open(23, in_dir(io, c.name), FileStatus::kUnknown);
    EXPECT_EQ(rc == 0, c.kind != kRefused) << c.name;
    EXPECT_EQ(io.units.open_error().text, c.kind == kRefused ? "Not a regular file" : "") << c.name;
    EXPECT_EQ(io.units.keeps_nothing(23), c.kind == kNull) << c.name;
    EXPECT_EQ(io.units.writes_partial(23), c.kind == kFile) << c.name;
    io.units.close(23);
  }
}

TEST(WindowsFiles, ErrorsCarryTheSystemTextOnOneLine) {
  test::TestIo io;
  fs::create_directory(io.dir.path() / "folder");
  for (const std::string& name : {io.dir.file("missing.lis"), io.dir.file("folder"),
                                  io.dir.file("no such folder\\model.lis")}) {
    EXPECT_GT(io.units.open(16, name, FileStatus::kOld), 0) << name;
    const std::string text = io.units.open_error().text;
    EXPECT_FALSE(text.empty()) << name;
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << name;
  }
  EXPECT_FALSE(io_error().text.empty());
  EXPECT_FALSE(exists_error().text.empty());
}

TEST(WindowsFiles, ScratchFilesHoldTheirRecords) {
  test::TestIo io;
  ASSERT_EQ(io.units.open(40, "", FileStatus::kScratch), 0);
  io.units.write(40, "first");
  io.units.write(40, "second");
  io.units.rewind(40);
  std::string rec;
  EXPECT_EQ(io.units.read_line(40, rec), 0);
  EXPECT_EQ(rec, "first");
  EXPECT_EQ(io.units.read_line(40, rec), 0);
  EXPECT_EQ(rec, "second");
  EXPECT_FALSE(io.units.close(40));
}

}  // namespace
}  // namespace velkan
