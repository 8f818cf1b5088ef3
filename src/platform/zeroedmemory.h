// Large blocks of zero-filled memory from the operating system, for the work
// array. Where the system offers large pages, the block asks for them, so that
// touching it for the first time costs few page faults. One implementation per
// kind of system (zeroedmemory_posix.cc, zeroedmemory_portable.cc).
#pragma once

#include <cstddef>

namespace velkan {

// A block of `bytes` bytes, all zero, aligned for any type; nullptr when the
// system cannot give it. Pages of the block that are never written may cost
// no memory at all.
void* obtain_zeroed_memory(std::size_t bytes);

// Gives back a block obtained with obtain_zeroed_memory(bytes).
void release_zeroed_memory(void* block, std::size_t bytes);

}  // namespace velkan
