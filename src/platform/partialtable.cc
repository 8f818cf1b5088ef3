// The partial outputs an interrupt removes, and the line it prints.
#include "platform/partialtable.h"

#include <algorithm>
#include <array>

namespace velkan {
namespace {

std::array<PartialSlot, kMaxPartialOutputs> g_slots;
// The output of the last partial output moved over its target.
std::atomic<bool> g_completed{false};
char g_completed_target[kNameRoom] = {};

bool copy_name(char* to, std::string_view name) {
  if (name.size() >= kNameRoom || name.find('\0') != std::string_view::npos) return false;
  std::copy(name.begin(), name.end(), to);
  to[name.size()] = '\0';
  return true;
}

// Appends the NUL-ended `text` to out[n..room), always leaving room for the
// final line end.
void append(char* out, std::size_t room, std::size_t& n, const char* text) {
  while (*text != '\0' && n + 1 < room) out[n++] = *text++;
}

}  // namespace

PartialSlot* partial_slots() {
  return g_slots.data();
}

int note_partial_output(std::string_view partial, std::string_view target) {
  for (int place = 0; place < kMaxPartialOutputs; ++place) {
    PartialSlot& slot = g_slots[static_cast<std::size_t>(place)];
    if (slot.used.load(std::memory_order_acquire)) continue;
    if (!copy_name(slot.partial, partial) || !copy_name(slot.target, target)) return -1;
    slot.used.store(true, std::memory_order_release);
    return place;
  }
  return -1;
}

void forget_partial_output(int place, bool completed) {
  if (place < 0 || place >= kMaxPartialOutputs) return;
  PartialSlot& slot = g_slots[static_cast<std::size_t>(place)];
  if (completed) {
    g_completed.store(false, std::memory_order_release);
    copy_name(g_completed_target, slot.target);
    g_completed.store(true, std::memory_order_release);
  }
  slot.used.store(false, std::memory_order_release);
}

std::size_t interrupt_line(char* out, std::size_t room) {
  std::size_t n = 0;
  append(out, room, n, "\n *** The run was interrupted");
  for (const PartialSlot& slot : g_slots) {
    if (!slot.used.load(std::memory_order_acquire) || slot.target[0] == '\0') continue;
    append(out, room, n, ": ");
    append(out, room, n, slot.target);
    append(out, room, n, " is left as it was.");
    out[n++] = '\n';
    return n;
  }
  if (g_completed.load(std::memory_order_acquire)) {
    append(out, room, n, " after ");
    append(out, room, n, g_completed_target);
    append(out, room, n, " was written.");
  } else {
    append(out, room, n, " before a model file was written.");
  }
  out[n++] = '\n';
  return n;
}

}  // namespace velkan
