// The listing's state between passes: what a change between the first pass
// and a later one is called, and the line that fails the run.
#include "listing/listingstate.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <string>

#include "support/testio.h"

namespace velkan {
namespace {

namespace fs = std::filesystem;
constexpr int kListing = 16;
const std::string kText = "   one\n   two\n";
const std::string kAfter = "): convert it when the analysis has finished.\n";

TEST(ListingChange, SaysWhatChanged) {
  const FileState first{100, 5, FileId{1, 2}, true};
  const auto with = [&](std::function<void(FileState&)> edit) {
    FileState s = first;
    edit(s);
    return s;
  };
  struct Case {
    FileState now;
    std::optional<FileId> named;
    std::string change;
  } cases[] = {
      {first, first.id, ""},
      {with([](FileState& s) { s.size = 101; }), first.id, "it grew from 100 to 101 bytes"},
      {with([](FileState& s) { s.size = 1; }), first.id, "it shrank from 100 to 1 byte"},
      {with([](FileState& s) { s.modified = 6; }), first.id,
       "it was written again, keeping its size of 100 bytes"},
      {with([](FileState& s) { s.last_line_ended = false; }), first.id,
       "it was written again, keeping its size of 100 bytes"},
      {with([](FileState& s) { s.id.index = 3; }), first.id, "it is another file now"},
      {first, FileId{1, 3}, "another file took its name"},
      {first, std::nullopt, "its name leads to no file now: it was removed or renamed"},
  };
  for (const Case& c : cases) EXPECT_EQ(listing_change(first, c.now, c.named), c.change);
}

// A listing open on unit 16 with its state taken, for changing behind its back.
struct WatchedListing {
  WatchedListing(const std::string& text = kText) : path(io.dir.write("riser.lis", text)) {
    EXPECT_EQ(io.units.open(kListing, path, FileStatus::kOld), 0);
    EXPECT_TRUE(state.take(io.units, kListing, 6, 17));
  }
  bool unchanged() { return state.unchanged(io.units, kListing, 6, 17); }

  test::TestIo io;
  std::string path;
  ListingState state;
};

TEST(ListingState, AChangeAfterThePassesBeganFailsWithOneLine) {
  struct Case {
    std::string what;
    std::function<void(const WatchedListing&)> change;
    std::string reason;
    bool by_name = false;  // the name changes, not the file
  } cases[] = {
      {"grown",
       [](const WatchedListing& l) {
         std::ofstream(l.path, std::ios::app | std::ios::binary) << "three\n";
       },
       "it grew from 14 to 20 bytes"},
      {"cut", [](const WatchedListing& l) { fs::resize_file(l.path, 7); },
       "it shrank from 14 to 7 bytes"},
      {"written again",
       [](const WatchedListing& l) {
         fs::last_write_time(l.path, fs::last_write_time(l.path) - std::chrono::hours(1));
       },
       "it was written again, keeping its size of 14 bytes"},
      {"replaced",
       [](const WatchedListing& l) {
         l.io.dir.write("new.lis", kText);
         fs::rename(l.io.dir.file("new.lis"), l.path);
       },
       "another file took its name", true},
      {"removed", [](const WatchedListing& l) { fs::remove(l.path); },
       "its name leads to no file now: it was removed or renamed", true},
  };
  for (const Case& c : cases) {
    WatchedListing listing;
    EXPECT_TRUE(listing.unchanged()) << c.what;
    const std::optional<FileId> named = file_id_of(listing.path);
    try {
      c.change(listing);
    } catch (const fs::filesystem_error& e) {  // an open file that the system keeps in place
      std::cout << "not tried here: " << c.what << ": " << e.what() << "\n";
      continue;
    }
    // Windows keeps the name of a removed file until its last handle is closed.
    if (c.by_name && file_id_of(listing.path) == named) {
      std::cout << "not tried here: " << c.what << ": the name still leads to the file\n";
      continue;
    }
    EXPECT_FALSE(listing.unchanged()) << c.what;
    const std::string line =
        "\n *** The listing " + listing.path + " changed while it was read (" + c.reason + kAfter;
    EXPECT_EQ(listing.io.console(), line) << c.what;
    EXPECT_EQ(listing.io.file("fort.17"), line) << c.what;
  }
}

TEST(ListingState, ALastLineWithoutLineEndIsCutShort) {
  for (const std::string& text : {std::string(), kText, kText + "   thr"}) {
    WatchedListing listing(text);
    const bool whole = text.empty() || text.back() == '\n';
    EXPECT_EQ(listing.state.last_line_ended(listing.io.units, kListing, 6, 17), whole);
    const std::string line = whole ? ""
                                   : "\n *** The last line of the listing " + listing.path +
                                         " has no line end, so it is cut short (a copy that "
                                         "stopped): copy the whole listing again.\n";
    EXPECT_EQ(listing.io.console(), line);
    EXPECT_EQ(listing.io.file("fort.17"), line);
  }
}

}  // namespace
}  // namespace velkan
