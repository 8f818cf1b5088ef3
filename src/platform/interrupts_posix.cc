// Interrupts on POSIX systems: SIGINT, SIGTERM and SIGHUP end the run after
// its partial outputs are removed, with calls that are safe in a signal
// handler only.
#include <signal.h>
#include <unistd.h>

#include <array>

#include "platform/interrupts.h"
#include "platform/partialtable.h"

namespace velkan {
namespace {

constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

extern "C" void on_interrupt(int sig) {
  const PartialSlot* slots = partial_slots();
  for (int place = 0; place < kMaxPartialOutputs; ++place) {
    if (slots[place].used.load(std::memory_order_acquire)) ::unlink(slots[place].partial);
  }
  char line[kNameRoom + 128];
  const std::size_t n = interrupt_line(line, sizeof line);
  [[maybe_unused]] const ssize_t put = ::write(STDOUT_FILENO, line, n);
  ::_exit(128 + sig);
}

sigset_t interrupt_signals() {
  sigset_t set;
  sigemptyset(&set);
  for (const int sig : kSignals) sigaddset(&set, sig);
  return set;
}

}  // namespace

void stop_cleanly_on_interrupt() {
  for (const int sig : kSignals) {
    struct sigaction old {};
    if (::sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
    struct sigaction act {};
    act.sa_handler = on_interrupt;
    act.sa_mask = interrupt_signals();  // one handler at a time
    ::sigaction(sig, &act, nullptr);
  }
}

InterruptsHeld::InterruptsHeld() {
  const sigset_t set = interrupt_signals();
  ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

InterruptsHeld::~InterruptsHeld() {
  const sigset_t set = interrupt_signals();
  ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

}  // namespace velkan
