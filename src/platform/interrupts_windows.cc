// Interrupts on Windows: the console's Ctrl-C, Ctrl-Break and close events
// (and the end of the session) end the run after its partial outputs are
// removed. The system runs the handler on a thread of its own; a lock keeps
// it from coming between a partial output's move and its leaving the table.
#include <windows.h>

#include <mutex>

#include "platform/interrupts.h"
#include "platform/partialtable.h"
#include "platform/winstring.h"

namespace velkan {
namespace {

constexpr UINT kInterruptedStatus = 130;

std::mutex& table_lock() {
  static std::mutex lock;
  return lock;
}

BOOL WINAPI on_console_event(DWORD /*event*/) {
  table_lock().lock();  // held until the process ends
  const PartialSlot* slots = partial_slots();
  for (int place = 0; place < kMaxPartialOutputs; ++place) {
    // A partial output open with delete sharing goes when its handle closes.
    if (slots[place].used.load()) DeleteFileW(wide_name(slots[place].partial).c_str());
  }
  char line[kNameRoom + 128];
  const std::size_t n = interrupt_line(line, sizeof line);
  DWORD put = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(n), &put, nullptr);
  TerminateProcess(GetCurrentProcess(), kInterruptedStatus);
  return TRUE;
}

}  // namespace

void stop_cleanly_on_interrupt() {
  SetConsoleCtrlHandler(on_console_event, TRUE);
}

InterruptsHeld::InterruptsHeld() {
  table_lock().lock();
}

InterruptsHeld::~InterruptsHeld() {
  table_lock().unlock();
}

}  // namespace velkan
