// Preparing pages on POSIX systems: where the system can populate pages for
// writing without writing them (Linux's MADV_POPULATE_WRITE), a worker thread
// does so for the announced part of the block, one large page at a time. The
// worker never reads or writes the block itself.
#include <sys/mman.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/pagepreparer.h"

namespace velkan {
namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;
// Blocks used no further than this are left to ordinary faults.
constexpr std::size_t kWorthPreparing = std::size_t{32} << 20;

std::size_t rounded_up(std::size_t bytes) {
  return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

}  // namespace

struct PagePreparer::Worker {
  std::mutex lock;
  std::condition_variable wake;
  std::size_t target = 0;  // bytes to prepare, guarded by lock
  bool stop = false;       // guarded by lock
  std::thread thread;

  Worker(char* block, std::size_t first_target) : target(first_target) {
    thread = std::thread([this, block] { run(block); });
  }

  void run(char* block) {
    std::size_t done = 0;
    std::unique_lock<std::mutex> held(lock);
    for (;;) {
      wake.wait(held, [&] { return stop || target > done; });
      if (stop) return;
      const std::size_t to = target;
      held.unlock();
      bool failed = false;
      for (; done < to && !failed; done += kLargePage) {
        const std::size_t length = std::min(kLargePage, to - done);
        failed = !populate(block + done, length);
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

void PagePreparer::prepare(std::size_t bytes) {
  const std::size_t wanted = std::min(rounded_up(std::min(bytes, bytes_)), bytes_);
  if (wanted <= announced_ || wanted < kWorthPreparing) return;
  announced_ = wanted;
  if (!worker_) {
    worker_ = std::make_unique<Worker>(block_, wanted);
    return;
  }
  {
    const std::lock_guard<std::mutex> held(worker_->lock);
    worker_->target = wanted;
  }
  worker_->wake.notify_one();
}

}  // namespace velkan
