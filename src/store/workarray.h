// The work array: one block of 32-bit words, addressed from word 1, in which the
// store keeps every model array. Integer arrays are seen as words, real arrays
// as 8-byte reals over pairs of words (real element p covers words 2p-1, 2p).
// The block comes zero-filled, and the work array knows which words nobody
// could have written yet: clearing those costs nothing. It knows this from the
// highest word any view has reached, and, below it, by stretches of 2 MB that
// no view has entered (an array booked and left alone while later ones are
// used). The pages of stretches booked or just entered are faulted in on
// another thread while the program goes on.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/pagepreparer.h"
#include "store/realspan.h"

namespace velkan {

class WorkArray {
 public:
  // Obtains `NWIWA` zero-filled words; check ok() afterwards.
  explicit WorkArray(std::int32_t NWIWA);
  bool ok() const { return words_ != nullptr; }
  std::int32_t size() const { return nwiwa_; }

  // Word w (1-based).
  std::int32_t& word(std::int32_t w) {
    reach(w - 1, w);
    return words_.get()[w - 1];
  }
  std::int32_t word(std::int32_t w) const { return words_.get()[w - 1]; }

  // `count` integers from element position `pos` (1-based, 1 word per element).
  IntSpan ints(std::int32_t pos, std::int64_t count);
  // `count` 8-byte reals from real element position `pos` (1-based, 2 words each).
  RealSpan reals(std::int32_t pos, std::int64_t count);
  // All words.
  IntSpan all();

  // Sets `count` words from word `first` (1-based; clamped to the block) to 0.
  // Words that no view or word reference has ever reached are still zero from
  // the system and are left as they are, so their pages stay untouched.
  void clear(std::int32_t first, std::int64_t count);
  // Words from this one (1-based) on have never been reachable by any caller.
  std::int64_t untouched_from() const { return untouched_ + 1; }
  // Whether word w (1-based) may have been written by some caller.
  bool reached(std::int64_t w) const;
  // `count` words from word `first` (1-based) are booked and will be used:
  // their pages may be prepared now. Nothing is written in them. The pages
  // announced last are prepared first: for words about to be written from
  // their start, the preparer begins at their end and meets the writer; for
  // words that will be written later, `ahead` has it begin at their start.
  void expect_use(std::int64_t first, std::int64_t count, bool ahead = false);

 private:
  static constexpr int kStretchShift = 19;  // 2^19 words: 2 MB
  static std::size_t stretch_of(std::int64_t word0) {
    return static_cast<std::size_t>(word0 >> kStretchShift);
  }
  // Words first+1..end (0-based [first, end)) may be written from now on.
  void reach(std::int64_t first, std::int64_t end) {
    if (end <= first) return;
    const std::size_t s = stretch_of(first);
    if (end <= untouched_ && s == stretch_of(end - 1) && (stretch_[s] & kEntered)) return;
    reach_further(first, end);
  }
  void reach_further(std::int64_t first, std::int64_t end);
  // Hands the stretch to the page preparer, once.
  void announce(std::size_t stretch);
  struct Release {
    std::size_t bytes;
    void operator()(std::int32_t* p) const;
  };
  std::unique_ptr<std::int32_t[], Release> words_{nullptr, Release{0}};
  std::int32_t nwiwa_ = 0;
  std::int64_t untouched_ = 0;  // words 1..untouched_ may have been written
  // Per stretch: kEntered once some view reached into it, kAnnounced once its
  // pages were handed to the preparer.
  static constexpr std::uint8_t kEntered = 1, kAnnounced = 2;
  std::vector<std::uint8_t> stretch_;
  // Faults in the pages of words about to be reached; declared after the
  // words, so that it stops before they are given back.
  std::unique_ptr<PagePreparer> pages_;
};

}  // namespace velkan
