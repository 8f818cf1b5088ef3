// The faults found in a model file: one line of text each, noted with the
// line of the file it concerns, listed in file order.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace velkan {

// The pieces of a fault's text, one after the other.
std::string fault_text(std::initializer_list<std::string_view> pieces);

class FaultList {
 public:
  // The most faults listed; the others are only counted.
  static constexpr std::size_t kMostListed = 1000;

  // A fault at `line` (from 1), or of the file as a whole (line 0).
  void add(std::int64_t line, std::string text);
  // Takes the faults of another list: the same as adding them here one by
  // one, in the order they were added there.
  void take(FaultList&& later);
  // The lines with a fault so far, ascending.
  std::vector<std::int64_t> lines() const;
  std::int64_t count() const { return count_; }
  // The first kMostListed faults by line ("line 12: ..."), those of the file
  // as a whole last; faults of one line in the order they were noted.
  std::vector<std::string> listed() const;

 private:
  struct Fault {
    std::int64_t key;  // the line; the file as a whole after every line
    std::int64_t seq;  // the order of noting
    std::string text;
    bool operator<(const Fault& o) const { return key != o.key ? key < o.key : seq < o.seq; }
  };
  void keep(Fault fault);

  std::vector<Fault> kept_;          // a heap of the first kMostListed, the last on top
  std::vector<std::int64_t> lines_;  // every line with a fault
  std::int64_t count_ = 0;
};

}  // namespace velkan
