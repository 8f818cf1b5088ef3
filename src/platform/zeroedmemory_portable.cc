// Zero-filled memory where no system-specific source is written: calloc, which
// for large blocks usually gets fresh zero pages from the system without
// writing them.
#include <cstdlib>

#include "platform/zeroedmemory.h"

namespace velkan {

void* obtain_zeroed_memory(std::size_t bytes) {
  if (bytes == 0) return nullptr;
  return std::calloc(bytes, 1);
}

void release_zeroed_memory(void* block, std::size_t /*bytes*/) {
  std::free(block);
}

}  // namespace velkan
