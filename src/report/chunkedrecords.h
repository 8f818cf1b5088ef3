// A model file's lines read into records in stretches of a few megabytes,
// every other stretch on a second thread, so that reading a large file back
// takes about the time of reading half of it. A stretch begins at a record
// line, where a reader of the whole file ends any open record, so each is
// read as the whole file would be from there; the stretches' records and
// faults are joined in file order, the same as one reader gives.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "report/faultlist.h"
#include "report/modelfile.h"

namespace velkan {

class ChunkedRecords {
 public:
  static constexpr std::size_t kStretchBytes = std::size_t{4} << 20;
  // Lines longer than this are no record of a model file.
  static constexpr std::size_t kLongestLine = std::size_t{1} << 16;

  explicit ChunkedRecords(std::size_t stretch_bytes = kStretchBytes)
      : stretch_bytes_(stretch_bytes) {}
  ChunkedRecords(const ChunkedRecords&) = delete;
  ChunkedRecords& operator=(const ChunkedRecords&) = delete;
  ~ChunkedRecords() { stop(); }

  // Line `number` of the file (from 1, each once, in order), without its end.
  void add(std::int64_t number, std::string_view text);
  // Every line added: the records go to `file`, the faults to `faults`.
  void finish(ModelFile& file, FaultList& faults);

 private:
  struct Stretch {
    std::int64_t first = 0;  // the number of its first line
    std::string text;        // its lines, each ended by '\n'
    ModelFile file;
    FaultList faults;
  };
  static void read_stretch(Stretch& s);
  void hand_over();
  void stop();

  std::size_t stretch_bytes_;
  std::deque<Stretch> stretches_;  // the last one is being filled

  // The second thread and the stretches waiting for it.
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Stretch*> waiting_;
  bool no_more_ = false;
  std::exception_ptr failed_;
  std::thread second_;
};

}  // namespace velkan
