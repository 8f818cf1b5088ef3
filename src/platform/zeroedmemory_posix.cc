// Zero-filled memory on POSIX systems: an anonymous private mapping, which the
// system fills with zeros page by page when it is first touched. The block is
// aligned to the large-page size and, where the system has transparent large
// pages, advised to use them.
#include <sys/mman.h>

#include <cstdint>

#include "platform/zeroedmemory.h"

namespace velkan {
namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;

std::size_t rounded_up(std::size_t bytes) {
  return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

}  // namespace

void* obtain_zeroed_memory(std::size_t bytes) {
  if (bytes == 0 || bytes > SIZE_MAX - 2 * kLargePage) return nullptr;
  const std::size_t size = rounded_up(bytes);
  // One large page more than needed, so that an aligned start lies inside.
  const std::size_t mapped = size + kLargePage;
  void* p = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) return nullptr;
  const auto base = reinterpret_cast<std::uintptr_t>(p);
  const std::uintptr_t start = (base + kLargePage - 1) / kLargePage * kLargePage;
  if (start > base) ::munmap(p, start - base);
  const std::uintptr_t tail = base + mapped - (start + size);
  if (tail > 0) ::munmap(reinterpret_cast<void*>(start + size), tail);
  void* block = reinterpret_cast<void*>(start);
#ifdef MADV_HUGEPAGE
  // Only advice: a system without large pages keeps ordinary ones.
  ::madvise(block, size, MADV_HUGEPAGE);
#endif
  return block;
}

void release_zeroed_memory(void* block, std::size_t bytes) {
  if (block != nullptr) ::munmap(block, rounded_up(bytes));
}

}  // namespace velkan
