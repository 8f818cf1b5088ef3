// A run stopped from outside (Ctrl-C, SIGTERM, SIGHUP; on Windows Ctrl-C,
// Ctrl-Break and a closed console window) removes its partial outputs, says
// on the console in one line that it was interrupted and what became of its
// output, and ends with status 128 + the signal's number (130 on Windows).
// The handlers know the partial outputs from a small table that the unit
// table keeps up to date; it is the one piece of state that a signal handler
// can reach. One implementation per operating system (interrupts_posix.cc,
// interrupts_windows.cc).
#pragma once

#include <string_view>

namespace velkan {

// Installs the handlers; once, at the start of the program. A signal that was
// ignored when the program started (nohup, a background job) stays ignored.
void stop_cleanly_on_interrupt();

// Partial outputs that an interrupt removes: at most this many at once.
inline constexpr int kMaxPartialOutputs = 4;

// Notes the partial output `partial` of the output `target`; returns its
// place in the table, or -1 when the table is full or a name too long for it
// (a leftover is then removed by a later run). Thread-safe with the handlers.
// A file noted with an empty target is removed without a word (a message
// file that got no message yet).
int note_partial_output(std::string_view partial, std::string_view target);
// The partial output at `place` is gone: moved over its target (`completed`)
// or removed.
void forget_partial_output(int place, bool completed);

// While one lives, the interrupts of this thread wait (and come as soon as
// it ends): a partial output becomes its target and leaves the table in one
// step. Threads started while one lives never take the interrupts at all.
// Not nested.
class InterruptsHeld {
 public:
  InterruptsHeld();
  ~InterruptsHeld();
  InterruptsHeld(const InterruptsHeld&) = delete;
  InterruptsHeld& operator=(const InterruptsHeld&) = delete;
};

}  // namespace velkan
