// The first touch of a conversion's memory, for bench/run to time:
// touch_memory <bytes> obtains a zero-filled block the way the work array
// does, writes one byte in every 4 KB page of it and gives it back.
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "platform/zeroedmemory.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: touch_memory <bytes>\n");
    return 2;
  }
  const std::size_t bytes = std::strtoull(argv[1], nullptr, 10);
  auto* block = static_cast<unsigned char*>(velkan::obtain_zeroed_memory(bytes));
  if (block == nullptr) {
    std::fprintf(stderr, "touch_memory: no block of %zu bytes\n", bytes);
    return 1;
  }
  unsigned sum = 0;
  for (std::size_t at = 0; at < bytes; at += 4096) {
    block[at] = 1;
    sum += block[at];
  }
  velkan::release_zeroed_memory(block, bytes);
  return sum == 0 && bytes > 0 ? 1 : 0;
}
