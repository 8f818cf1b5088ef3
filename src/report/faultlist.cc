// Fault lines of a model file, kept in file order.
#include "report/faultlist.h"

#include <algorithm>
#include <limits>

namespace velkan {

void FaultList::add(std::int64_t line, std::string text) {
  const std::int64_t key = line > 0 ? line : std::numeric_limits<std::int64_t>::max();
  Fault fault{key, count_++, std::move(text)};
  if (line > 0) lines_.push_back(line);
  if (kept_.size() == kMostListed) {
    if (!(fault < kept_.front())) return;
    std::pop_heap(kept_.begin(), kept_.end());
    kept_.pop_back();
  }
  kept_.push_back(std::move(fault));
  std::push_heap(kept_.begin(), kept_.end());
}

std::vector<std::int64_t> FaultList::lines() const {
  std::vector<std::int64_t> sorted = lines_;
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}

std::vector<std::string> FaultList::listed() const {
  std::vector<Fault> sorted = kept_;
  std::sort(sorted.begin(), sorted.end());
  std::vector<std::string> out;
  out.reserve(sorted.size());
  for (const Fault& f : sorted) {
    if (f.key == std::numeric_limits<std::int64_t>::max()) {
      out.push_back(f.text);
    } else {
      out.push_back("line " + std::to_string(f.key) + ": " + f.text);
    }
  }
  return out;
}

}  // namespace velkan
