// Preparing pages on POSIX systems: where the system can populate pages for
// writing without writing them (Linux's MADV_POPULATE_WRITE), a worker thread
// does so for the announced parts of the block, one large page at a time. The
// worker never reads or writes the block itself.
#include <sys/mman.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "platform/interrupts.h"
#include "platform/pagepreparer.h"

namespace velkan {
namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;
// Parts of the block that end before this are left to ordinary faults.
constexpr std::size_t kWorthPreparing = std::size_t{32} << 20;

using Range = std::pair<std::size_t, std::size_t>;  // bytes [first, second)

}  // namespace

struct PagePreparer::Worker {
  std::mutex lock;
  std::condition_variable wake;
  std::vector<Range> pending;  // guarded by lock
  bool stop = false;           // guarded by lock
  std::thread thread;

  // Starts the thread; it never takes the interrupts, which stay with the
  // thread that writes the outputs.
  explicit Worker(char* block) {
    const InterruptsHeld held;
    thread = std::thread([this, block] { run(block); });
  }

  void run(char* block) {
    std::unique_lock<std::mutex> held(lock);
    for (;;) {
      wake.wait(held, [&] { return stop || !pending.empty(); });
      if (stop) return;
      // Newest first: the program writes the parts it has just announced from
      // their start, so the worker meets it from the other end.
      const Range r = pending.back();
      pending.pop_back();
      held.unlock();
      bool failed = false;
      for (std::size_t at = r.first; at < r.second && !failed; at += kLargePage) {
        failed = !populate(block + at, std::min(kLargePage, r.second - at));
      }
      held.lock();
      if (failed) return;  // the system cannot: pages fault in when used
    }
  }

  static bool populate([[maybe_unused]] char* at, [[maybe_unused]] std::size_t length) {
#ifdef MADV_POPULATE_WRITE
    return ::madvise(at, length, MADV_POPULATE_WRITE) == 0;
#else
    return false;
#endif
  }
};

PagePreparer::PagePreparer(void* block, std::size_t bytes)
    : block_(static_cast<char*>(block)), bytes_(block == nullptr ? 0 : bytes) {}

PagePreparer::~PagePreparer() {
  if (!worker_) return;
  {
    const std::lock_guard<std::mutex> held(worker_->lock);
    worker_->stop = true;
  }
  worker_->wake.notify_one();
  worker_->thread.join();
}

void PagePreparer::prepare(std::size_t from, std::size_t to) {
  // Whole large pages inside the block; the block starts on a large page.
  const std::size_t first = std::min(from, bytes_) / kLargePage * kLargePage;
  const std::size_t end =
      std::min((std::min(to, bytes_) + kLargePage - 1) / kLargePage * kLargePage, bytes_);
  if (end <= first || end < kWorthPreparing || unable_) return;
  if (!worker_) {
    try {
      worker_ = std::make_unique<Worker>(block_);
    } catch (const std::system_error&) {  // no thread to be had: pages fault in when used
      unable_ = true;
      return;
    }
  }
  {
    const std::lock_guard<std::mutex> held(worker_->lock);
    worker_->pending.emplace_back(first, end);
  }
  worker_->wake.notify_one();
}

}  // namespace velkan
