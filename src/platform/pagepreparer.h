// Faults in the pages of a block ahead of their first use, on a thread of its
// own, so that the system's cost of handing out fresh pages overlaps with the
// work of the program instead of adding to it. Only the pages the caller
// announces as about to be used are prepared (rounded up to a large page), so
// the memory in use does not grow by it. Does nothing for small blocks, and
// where the system cannot fault pages in without writing them. One
// implementation per kind of system (pagepreparer_posix.cc,
// pagepreparer_portable.cc).
#pragma once

#include <cstddef>
#include <memory>

namespace velkan {

class PagePreparer {
 public:
  PagePreparer(void* block, std::size_t bytes);
  ~PagePreparer();
  PagePreparer(const PagePreparer&) = delete;
  PagePreparer& operator=(const PagePreparer&) = delete;

  // The first `bytes` bytes of the block will be used soon.
  void prepare(std::size_t bytes);

 private:
  struct Worker;
  std::unique_ptr<Worker> worker_;
  char* block_ = nullptr;
  std::size_t bytes_ = 0;
  std::size_t announced_ = 0;  // bytes handed to the worker so far
};

}  // namespace velkan
