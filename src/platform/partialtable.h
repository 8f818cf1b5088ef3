// The table behind the interrupt handlers: the partial outputs to remove and
// the line to print, kept so that a signal handler can read them without
// allocating or locking. Used only by interrupts_*.cc.
#pragma once

#include <atomic>
#include <cstddef>
#include <string_view>

#include "platform/interrupts.h"

namespace velkan {

inline constexpr std::size_t kNameRoom = 4400;

struct PartialSlot {
  std::atomic<bool> used{false};
  char partial[kNameRoom] = {};  // ends in a NUL byte
  char target[kNameRoom] = {};
};

// The kMaxPartialOutputs places of the table.
PartialSlot* partial_slots();

// The line an interrupt prints (with a line end before and after it), put
// into `out` without allocating; returns its length.
std::size_t interrupt_line(char* out, std::size_t room);

}  // namespace velkan
