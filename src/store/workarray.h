// The work array: one block of 32-bit words, addressed from word 1, in which the
// store keeps every model array. Integer arrays are seen as words, real arrays
// as 8-byte reals over pairs of words (real element p covers words 2p-1, 2p).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "store/realspan.h"

namespace velkan {

class WorkArray {
 public:
  // Obtains `nwiwa` zero-filled words; check ok() afterwards.
  explicit WorkArray(std::int32_t nwiwa);
  bool ok() const { return words_ != nullptr; }
  std::int32_t size() const { return nwiwa_; }

  // Word w (1-based).
  std::int32_t& word(std::int32_t w) { return words_.get()[w - 1]; }
  std::int32_t word(std::int32_t w) const { return words_.get()[w - 1]; }

  // `count` integers from element position `pos` (1-based, 1 word per element).
  IntSpan ints(std::int32_t pos, std::int64_t count);
  // `count` 8-byte reals from real element position `pos` (1-based, 2 words each).
  RealSpan reals(std::int32_t pos, std::int64_t count);
  // All words.
  IntSpan all() { return IntSpan(words_.get(), static_cast<std::size_t>(nwiwa_)); }

 private:
  struct Free {
    void operator()(std::int32_t* p) const { std::free(p); }
  };
  std::unique_ptr<std::int32_t[], Free> words_;
  std::int32_t nwiwa_ = 0;
};

}  // namespace velkan
