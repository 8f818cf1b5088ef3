// Fault lines of a model file, kept in file order.
#include "report/faultlist.h"

#include <algorithm>
#include <limits>

namespace velkan {

std::string fault_text(std::initializer_list<std::string_view> pieces) {
  std::size_t n = 0;
  for (const std::string_view p : pieces) n += p.size();
  std::string text;
  text.reserve(n);
  for (const std::string_view p : pieces) text.append(p);
  return text;
}

void FaultList::add(std::int64_t line, std::string text) {
  const std::int64_t key = line > 0 ? line : std::numeric_limits<std::int64_t>::max();
  if (line > 0) lines_.push_back(line);
  keep(Fault{key, count_++, std::move(text)});
}

void FaultList::take(FaultList&& later) {
  lines_.insert(lines_.end(), later.lines_.begin(), later.lines_.end());
  std::sort(later.kept_.begin(), later.kept_.end());
  for (Fault& f : later.kept_) keep(Fault{f.key, count_ + f.seq, std::move(f.text)});
  count_ += later.count_;
}

// The fault among the first kMostListed by line, or left out.
void FaultList::keep(Fault fault) {
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
      out.push_back(fault_text({"line ", std::to_string(f.key), ": ", f.text}));
    }
  }
  return out;
}

}  // namespace velkan
