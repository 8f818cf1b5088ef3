// The unit table: records, padding, line ends, end of file, backspace,
// rewind, open statuses, implicit "fort.<unit>" files and the console.
#include "platform/units.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "support/testio.h"

namespace velkan {
namespace {

constexpr int kUnit = 16;

// Reads the next record of `unit` (cut or padded to n) or "<eof>".
std::string next(test::TestIo& io, std::size_t n = 8, int unit = kUnit) {
  std::string rec;
  const int rc = io.units.read(unit, rec, n);
  if (rc == kEndOfFile) return "<eof>";
  if (rc != 0) return "<error>";
  return rec;
}

std::string open_with(test::TestIo& io, const std::string& text,
                      FileStatus status = FileStatus::kOld) {
  const std::string path = io.dir.write("in.txt", text);
  EXPECT_EQ(io.units.open(kUnit, path, status), 0);
  return path;
}

TEST(Units, RecordsArePaddedOrCutAndLoseTheirCarriageReturn) {
  struct Case {
    const char* text;
    std::size_t n;
    std::vector<std::string> want;
  };
  const Case cases[] = {
      {"ab\r\ncdef\nlast", 4, {"ab  ", "cdef", "last", "<eof>"}},
      {"abcdefgh\n", 3, {"abc", "<eof>"}},
      {"abc\r\n", 3, {"abc", "<eof>"}},
      {"ab\r\n", 3, {"ab ", "<eof>"}},      // the carriage return is no character
      {"ab\rc\r\n", 3, {"ab\r", "<eof>"}},  // one inside the record is
      {"\n\r\n", 2, {"  ", "  ", "<eof>"}},
      {"no end", 8, {"no end  ", "<eof>", "<eof>"}},
      {"", 2, {"<eof>", "<eof>"}},
  };
  for (const auto& c : cases) {
    test::TestIo io;
    open_with(io, c.text);
    for (const auto& want : c.want) EXPECT_EQ(next(io, c.n), want) << "in " << c.text;
  }
}

TEST(Units, BackspaceRereadsTheLastRecordsAndTheEndOfFile) {
  test::TestIo io;
  open_with(io, "a\nb\nc\n");
  EXPECT_EQ(next(io, 1), "a");
  EXPECT_EQ(next(io, 1), "b");
  io.units.backspace(kUnit);
  EXPECT_EQ(next(io, 1), "b");
  EXPECT_EQ(next(io, 1), "c");
  io.units.backspace(kUnit);
  io.units.backspace(kUnit);
  EXPECT_EQ(next(io, 1), "b");
  EXPECT_EQ(next(io, 1), "c");
  EXPECT_EQ(next(io, 1), "<eof>");
  io.units.backspace(kUnit);  // back over the end of the file only
  EXPECT_EQ(next(io, 1), "<eof>");
  io.units.backspace(kUnit);
  io.units.backspace(kUnit);
  EXPECT_EQ(next(io, 1), "c");
  io.units.rewind(kUnit);
  io.units.backspace(kUnit);  // at the start: stays there
  EXPECT_EQ(next(io, 1), "a");
}

TEST(Units, BackspaceOverALastLineWithoutLineEnd) {
  test::TestIo io;
  open_with(io, "a\nlast");
  EXPECT_EQ(next(io, 4), "a   ");
  EXPECT_EQ(next(io, 4), "last");
  EXPECT_EQ(next(io, 4), "<eof>");
  io.units.backspace(kUnit);
  io.units.backspace(kUnit);
  EXPECT_EQ(next(io, 4), "last");
}

// Lines of the form "<number> xxx...", each `width` characters before its
// line end, and as many as make up more than two read chunks of 1 MiB.
std::string big_text(std::size_t width, std::size_t count, const char* line_end) {
  std::string text;
  for (std::size_t k = 0; k < count; ++k) {
    std::string line = std::to_string(k) + " ";
    line.resize(width, 'x');
    text += line + line_end;
  }
  return text;
}

std::string line_no(const std::string& rec) {
  return rec.substr(0, rec.find(' '));
}

TEST(Units, BackspaceIntoAnEarlierReadChunk) {
  // 99 characters and CR LF: the chunk border falls inside records; one
  // record per line is read and the last two are read again at every step
  // across the border.
  const std::size_t count = 25000;  // 2.5 MB
  test::TestIo io;
  open_with(io, big_text(99, count, "\r\n"));
  for (std::size_t k = 0; k < count; ++k) {
    ASSERT_EQ(line_no(next(io, 120)), std::to_string(k));
    const std::size_t border = (1u << 20) / 101;
    if (k == border || k == border + 1 || k == 2 * border + 1) {
      io.units.backspace(kUnit);
      io.units.backspace(kUnit);
      ASSERT_EQ(line_no(next(io, 120)), std::to_string(k - 1));
      const std::string rec = next(io, 120);
      ASSERT_EQ(line_no(rec), std::to_string(k));
      ASSERT_EQ(rec.substr(99), std::string(21, ' '));  // no carriage return left
    }
  }
  EXPECT_EQ(next(io), "<eof>");
}

// Records looked at in the read buffer are the records read_upto copies out:
// lines of every length, CR LF or LF, cut to the length asked for, across the
// borders of the buffer, with backspaces between, up to a last line without
// a line end.
TEST(Units, ViewsOfRecordsAreTheRecordsCopiedOut) {
  std::mt19937 rng(1208);
  const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  std::string text;
  while (text.size() < (std::size_t{5} << 19)) {
    std::string line(static_cast<std::size_t>(below(9) == 0 ? below(400) : below(140)), 'a');
    for (char& c : line) c = static_cast<char>(' ' + below(95));
    text += line + (below(3) == 0 ? "\r\n" : "\n");
  }
  text += "last";
  test::TestIo io;
  const std::string path = open_with(io, text);
  ASSERT_EQ(io.units.open(kUnit + 1, path, FileStatus::kOld), 0);
  std::string copied, spill, last_read;
  std::string_view viewed;
  for (std::int64_t records = 0;; ++records) {
    if (below(50) == 0) {
      io.units.backspace(kUnit);
      io.units.backspace(kUnit + 1);
    }
    const std::size_t cap = below(4) == 0 ? 40 : 132;
    const int want = io.units.read_upto(kUnit, copied, cap);
    ASSERT_EQ(io.units.read_view(kUnit + 1, viewed, spill, cap), want) << records;
    if (want != 0) break;
    ASSERT_EQ(viewed, copied) << records;
    last_read = copied;
  }
  EXPECT_EQ(last_read, "last");
}

TEST(Units, BackspaceFarBeyondTheRecordsRead) {
  // Long records (more than one backward scan step) and more backspaces than
  // the table remembers starts for.
  const std::size_t count = 400;
  test::TestIo io;
  open_with(io, big_text(5000, count, "\n"));
  for (std::size_t k = 0; k < count; ++k) ASSERT_EQ(line_no(next(io, 10)), std::to_string(k));
  for (std::size_t k = count; k-- > count - 40;) {
    io.units.backspace(kUnit);
    ASSERT_EQ(line_no(next(io, 10)), std::to_string(k));
    io.units.backspace(kUnit);
  }
  io.units.backspace(kUnit);
  io.units.backspace(kUnit);
  EXPECT_EQ(line_no(next(io, 10)), std::to_string(count - 42));
}

TEST(Units, BackspaceAfterWritingReplacesTheLastRecord) {
  test::TestIo io;
  ASSERT_EQ(io.units.open(20, io.dir.file("w.txt"), FileStatus::kUnknown), 0);
  io.units.write(20, "one");
  io.units.write(20, "two");
  io.units.backspace(20);
  io.units.write(20, "three");
  io.units.rewind(20);
  EXPECT_EQ(next(io, 5, 20), "one  ");
  EXPECT_EQ(next(io, 5, 20), "three");
  EXPECT_EQ(next(io, 5, 20), "<eof>");
  EXPECT_EQ(io.file("w.txt"), "one\nthree\n");
}

TEST(Units, WritingAfterReadingEndsTheFileThere) {
  test::TestIo io;
  open_with(io, "a\nb\nc\n", FileStatus::kUnknown);
  EXPECT_EQ(next(io, 1), "a");
  io.units.write(kUnit, "new");
  io.units.close(kUnit);
  EXPECT_EQ(io.dir.read("in.txt"), "a\nnew\n");
}

TEST(Units, WritingBehindALastLineWithoutLineEndStartsANewLine) {
  test::TestIo io;
  open_with(io, "a\nb", FileStatus::kUnknown);
  EXPECT_EQ(next(io, 1), "a");
  EXPECT_EQ(next(io, 1), "b");
  io.units.write(kUnit, "c");
  io.units.close(kUnit);
  EXPECT_EQ(io.dir.read("in.txt"), "a\nb\nc\n");
}

TEST(Units, OpenStatuses) {
  test::TestIo io;
  const std::string there = io.dir.write("there.txt", "old line 1\nold line 2\n");
  const std::string missing = io.dir.file("missing.txt");
  EXPECT_GT(io.units.open(kUnit, missing, FileStatus::kOld), 0);
  EXPECT_FALSE(io.units.is_open(kUnit));
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_GT(io.units.open(kUnit, there, FileStatus::kNew), 0);
  EXPECT_GT(io.units.open(kUnit, io.dir.path().string(), FileStatus::kUnknown), 0);
  EXPECT_GT(io.units.open(0, there, FileStatus::kOld), 0);
  EXPECT_GT(io.units.open(100, there, FileStatus::kOld), 0);
  EXPECT_GT(io.units.open(Units::kConsoleIn, there, FileStatus::kOld), 0);
  EXPECT_GT(io.units.open(Units::kConsoleOut, there, FileStatus::kUnknown), 0);

  ASSERT_EQ(io.units.open(kUnit, io.dir.file("new.txt"), FileStatus::kNew), 0);
  io.units.write(kUnit, "n");
  io.units.close(kUnit);
  EXPECT_EQ(io.dir.read("new.txt"), "n\n");

  ASSERT_EQ(io.units.open(kUnit, io.dir.file("created.txt"), FileStatus::kUnknown), 0);
  io.units.close(kUnit);
  EXPECT_TRUE(std::filesystem::exists(io.dir.file("created.txt")));

  // An existing file is written from its start and ends after the last record.
  ASSERT_EQ(io.units.open(kUnit, there, FileStatus::kUnknown), 0);
  io.units.write(kUnit, "new");
  io.units.close(kUnit);
  EXPECT_EQ(io.dir.read("there.txt"), "new\n");

  // Opened but not written: left as it was.
  ASSERT_EQ(io.units.open(kUnit, there, FileStatus::kUnknown), 0);
  io.units.close(kUnit);
  EXPECT_EQ(io.dir.read("there.txt"), "new\n");
}

TEST(Units, ScratchFilesHaveNoName) {
  test::TestIo io;
  ASSERT_EQ(io.units.open(30, "", FileStatus::kScratch), 0);
  io.units.write(30, "kept");
  io.units.rewind(30);
  EXPECT_EQ(next(io, 4, 30), "kept");
  io.units.close(30);
  EXPECT_TRUE(std::filesystem::is_empty(io.dir.path()));
}

TEST(Units, AnUnopenedUnitWritesToItsFortFileFromTheFirstRecord) {
  test::TestIo io;
  io.units.close(17);  // never opened: nothing happens
  EXPECT_FALSE(std::filesystem::exists(io.dir.file("fort.17")));
  std::string rec;
  EXPECT_GT(io.units.read(17, rec, 3), 0);
  EXPECT_EQ(rec, "   ");
  io.units.write_text(17, "  *** ERROR");
  io.units.write_text(17, " IN X ***");
  io.units.newline(17);
  io.units.write(17, "detail");
  // Visible in the file while the unit stays open.
  EXPECT_EQ(io.file("fort.17"), "  *** ERROR IN X ***\ndetail\n");
  EXPECT_TRUE(io.units.is_open(17));
}

TEST(Units, ReopeningAUnitClosesItsFileFirst) {
  test::TestIo io;
  ASSERT_EQ(io.units.open(kUnit, io.dir.file("first.txt"), FileStatus::kUnknown), 0);
  io.units.write(kUnit, "1");
  open_with(io, "x\n");
  EXPECT_EQ(io.dir.read("first.txt"), "1\n");
  EXPECT_EQ(next(io, 1), "x");
}

TEST(Units, ConsoleUnits) {
  test::TestIo io("yes\r\n\n12345\nlast");
  io.units.write_text(6, " File name :  ");
  std::string rec;
  EXPECT_EQ(io.units.read(5, rec, 5), 0);
  EXPECT_EQ(rec, "yes  ");
  EXPECT_EQ(io.units.read(0, rec, 2), 0);
  EXPECT_EQ(rec, "  ");
  EXPECT_EQ(io.units.read(5, rec, 3), 0);
  EXPECT_EQ(rec, "123");
  EXPECT_EQ(io.units.read_line(5, rec), 0);
  EXPECT_EQ(rec, "last");
  EXPECT_EQ(io.units.read(5, rec, 2), kEndOfFile);
  EXPECT_EQ(rec, "  ");
  io.units.write(6, "to six");
  io.units.write(0, "to zero");
  io.units.close(6);  // the console stays
  io.units.write(6, "after close");
  EXPECT_EQ(io.console(), " File name :  to six\nto zero\nafter close\n");
  EXPECT_TRUE(std::filesystem::is_empty(io.dir.path()));
}

}  // namespace
}  // namespace velkan

namespace velkan {
namespace {

// A text of many lines of several kinds, long enough to cross the read buffer
// more than once: indented titles, rows, blank lines, tab lines, carriage
// returns, lines longer than a record, and sometimes no last line end.
std::string scan_text(std::mt19937& rng) {
  static const std::vector<std::string> kinds = {
      "   *** TITLE ***",
      "*** TITLE FROM COLUMN 1",
      "      12  3.5  7.25",
      "",
      "   ",
      "\t* tabbed",
      "  Total No. : 5\r",
      "No. of Nodes : 6",
      "  x\r",
      "\r",
      std::string("  12 \0 3", 8),
      std::string(140, ' ') + std::string(1, '\0'),
  };
  std::string text;
  std::uniform_int_distribution<std::size_t> kind(0, kinds.size() - 1);
  while (text.size() < (std::size_t{5} << 19)) {
    const std::size_t k = kind(rng);
    if (k == 2 && rng() % 50 == 0) {
      text += std::string(rng() % 300, ' ') + "*" + std::string(rng() % 3000, 'y') + "\n";
      continue;
    }
    text += kinds[k] + "\n";
  }
  if (rng() % 2 == 0) text += "   *** LAST WITHOUT END";
  return text;
}

// The scan for records by their first character gives the records, counts,
// statuses and backspace positions that reading every record and testing it
// gives, also with a read fault planted halfway.
TEST(Units, ScanningForRecordsByFirstCharacterEqualsReadingThemAll) {
  std::mt19937 rng(132);
  using Heads = std::vector<std::string_view>;
  for (const Heads& heads : {Heads{"*"}, Heads{"***"}, Heads{"Total No.", "No. of Nodes"}, Heads{},
                             Heads{"12  3.5"}, Heads{"y"}, Heads{"x", "*** TITLE F"}}) {
    const std::string name = heads.empty() ? "(all)" : std::string(heads[0]);
    for (const bool fault : {false, true}) {
      test::TempDir dir;
      const std::string path = dir.write("scan.txt", scan_text(rng));
      test::TestIo io;
      ASSERT_EQ(io.units.open(16, path, FileStatus::kOld), 0);
      ASSERT_EQ(io.units.open(17, path, FileStatus::kOld), 0);
      if (fault) {
        for (const int unit : {16, 17})
          io.units.plant_fault(unit, PlantedFault{PlantedFault::Kind::kRead, 3 << 19, io_error()});
      }
      // An earlier search for beginnings with the same first characters that
      // never occur, as an earlier pass makes, must leave nothing behind that
      // a later search trusts.
      std::int64_t scanned = 0, counted = 0;
      std::string skipped;
      std::vector<std::string> never;
      for (const std::string_view h : heads)
        never.push_back(std::string(h.substr(0, 1)) + "\x01 never");
      const Heads earlier(never.begin(), never.end());
      for (const int calls : {9, 1}) {
        for (int k = 0; k < calls; ++k)
          io.units.read_upto_starting(16, skipped, 132, earlier, scanned);
        io.units.rewind(16);
      }
      scanned = 0;
      for (int step = 0;; ++step) {
        std::string got, want;
        const int rc = io.units.read_upto_starting(16, got, 132, heads, scanned);
        int want_rc;
        for (;;) {
          want_rc = io.units.read_upto(17, want, 132);
          if (want_rc != 0) break;
          ++counted;
          const std::size_t at = want.find_first_not_of(' ');
          const std::string text = at == std::string::npos ? "" : want.substr(at);
          bool starts = heads.empty();
          for (const std::string_view h : heads) starts = starts || text.rfind(h, 0) == 0;
          if (starts) break;
          if (want.find('\0') != std::string::npos) break;  // never passed over unread
        }
        ASSERT_EQ(rc, want_rc) << name << " step " << step;
        ASSERT_EQ(scanned, counted) << name << " step " << step;
        if (rc != 0) break;
        ASSERT_EQ(got, want) << name << " step " << step;
        if (step % 37 == 3) {  // back over up to 17 records, then read one again
          const int back = 1 + (step / 7) % 17;
          for (int b = 0; b < back; ++b) {
            io.units.backspace(16);
            io.units.backspace(17);
          }
          ASSERT_EQ(io.units.read_upto(16, got, 132), io.units.read_upto(17, want, 132));
          ASSERT_EQ(got, want) << name << " step " << step;
        }
      }
    }
  }
}

// A search in a file with nothing (or nothing wanted) in it finds its end and
// counts every line passed over.
TEST(Units, ScanningAFileWithoutWantedRecordsFindsItsEnd) {
  const std::vector<std::string_view> heads{"*"};
  for (const auto& [text, lines] : {std::pair{"", 0}, {"\n\n", 2}, {"abc", 1}, {"a\nb\n", 2}}) {
    test::TempDir dir;
    test::TestIo io;
    ASSERT_EQ(io.units.open(16, dir.write("scan.txt", text), FileStatus::kOld), 0);
    std::string got;
    std::int64_t scanned = 0;
    EXPECT_EQ(io.units.read_upto_starting(16, got, 132, heads, scanned), kEndOfFile) << text;
    EXPECT_EQ(scanned, lines) << text;
  }
}

}  // namespace
}  // namespace velkan
