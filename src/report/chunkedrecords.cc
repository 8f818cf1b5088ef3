// Reading a model file's records in stretches, every other one on a second
// thread, and joining them in file order.
#include "report/chunkedrecords.h"

#include <iterator>
#include <span>
#include <utility>
#include <vector>

#include "report/modelrecords.h"

namespace velkan {
namespace {

constexpr std::size_t kMostWaiting = 2;  // stretches handed over and not yet read

// One family of records of every part, in order, moved into `to`, each
// record copied once.
template <typename T>
void join(std::vector<T> ModelFile::*family, ModelFile& to, std::span<ModelFile* const> parts) {
  std::vector<T>& into = to.*family;
  std::size_t n = into.size();
  for (const ModelFile* part : parts) n += (part->*family).size();
  into.reserve(n);
  for (ModelFile* part : parts) {
    std::vector<T>& from = part->*family;
    into.insert(into.end(), std::make_move_iterator(from.begin()),
                std::make_move_iterator(from.end()));
    std::vector<T>().swap(from);
  }
}

void join(ModelFile& to, std::span<ModelFile* const> parts) {
  join(&ModelFile::nodes, to, parts);
  join(&ModelFile::beams, to, parts);
  join(&ModelFile::sections, to, parts);
  join(&ModelFile::surfaces, to, parts);
  join(&ModelFile::materials, to, parts);
  join(&ModelFile::time_dependent, to, parts);
  join(&ModelFile::springs, to, parts);
  join(&ModelFile::histories, to, parts);
  join(&ModelFile::gravity, to, parts);
}

}  // namespace

void ChunkedRecords::add(std::int64_t number, std::string_view text) {
  if (stretches_.empty()) {
    stretches_.emplace_back().first = number;
  } else if (stretches_.back().text.size() >= stretch_bytes_ && RecordReader::starts_afresh(text)) {
    hand_over();
    stretches_.emplace_back().first = number;
  }
  std::string& to = stretches_.back().text;
  to.append(text);
  to.push_back('\n');
}

void ChunkedRecords::read_stretch(Stretch& s) {
  RecordReader reader(s.file, s.faults);
  std::string_view rest = s.text;
  for (std::int64_t number = s.first; !rest.empty(); ++number) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    if (line.size() > kLongestLine) {
      s.faults.add(number,
                   fault_text({"longer than ", std::to_string(kLongestLine), " characters"}));
      continue;
    }
    reader.read_line(number, line);
  }
  reader.finish();
  std::string().swap(s.text);  // its memory given back, not only emptied
}

// The stretch just filled is read: the even ones on the second thread, the
// odd ones here while the second thread reads the one before.
void ChunkedRecords::hand_over() {
  Stretch& s = stretches_.back();
  if (stretches_.size() % 2 == 0) {
    read_stretch(s);
    return;
  }
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return waiting_.size() < kMostWaiting; });
  waiting_.push_back(&s);
  lock.unlock();
  changed_.notify_all();
  if (second_.joinable()) return;
  second_ = std::thread([this] {
    std::unique_lock held(mutex_);
    for (;;) {
      changed_.wait(held, [this] { return !waiting_.empty() || no_more_; });
      if (waiting_.empty()) return;
      Stretch* next = waiting_.front();
      held.unlock();
      std::exception_ptr failure;
      try {
        read_stretch(*next);
      } catch (...) {
        failure = std::current_exception();
      }
      held.lock();
      if (failure && !failed_) failed_ = failure;
      waiting_.pop_front();
      changed_.notify_all();
    }
  });
}

void ChunkedRecords::stop() {
  {
    const std::lock_guard lock(mutex_);
    no_more_ = true;
  }
  changed_.notify_all();
  if (second_.joinable()) second_.join();
}

void ChunkedRecords::finish(ModelFile& file, FaultList& faults) {
  if (stretches_.size() == 1) {
    read_stretch(stretches_.back());  // a small file: no second thread
  } else if (!stretches_.empty()) {
    hand_over();
  }
  stop();
  if (failed_) std::rethrow_exception(std::exchange(failed_, nullptr));
  std::vector<ModelFile*> parts;
  for (Stretch& s : stretches_) {
    parts.push_back(&s.file);
    faults.take(std::move(s.faults));
  }
  join(file, parts);
  stretches_.clear();
}

}  // namespace velkan
