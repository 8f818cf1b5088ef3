// Faults in the pages of a block ahead of their first use, on a thread of its
// own, so that the system's cost of handing out fresh pages overlaps with the
// work of the program instead of adding to it. Only the parts of the block the
// caller announces as about to be used are prepared (widened to whole large
// pages), newest first, so the memory in use does not grow by it.
// Does nothing for the first few megabytes of a block (small runs start no
// thread), and where the system cannot fault pages in without writing them. One
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

  // Bytes `from` up to (not including) `to` of the block will be used soon.
  void prepare(std::size_t from, std::size_t to);

 private:
  struct Worker;
  std::unique_ptr<Worker> worker_;
  bool unable_ = false;  // the system gave no thread
  char* block_ = nullptr;
  std::size_t bytes_ = 0;
};

}  // namespace velkan
