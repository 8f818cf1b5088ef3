// Program entry: usage and version requests, work-array size, allocation
// report, driver call, exit status.
#include "driver/entry.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <new>
#include <ostream>
#include <string>

#include "driver/conversiondriver.h"
#include "driver/usage.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {
namespace {

constexpr std::int32_t kDefaultWords = 50000000;

std::string format(const char* fmt, auto value) {
  char buf[160];
  std::snprintf(buf, sizeof buf, fmt, value);
  return buf;
}

// The size argument in words; "text that is not a number" reads as 0.
double requested_words(std::string_view arg) {
  const std::string text(arg);
  const double millions = std::strtod(text.c_str(), nullptr);
  const double words = std::trunc(millions * 1000000.0);
  return std::isnan(words) ? 0.0 : words;
}

int run_driver(WorkArray& wa, std::istream& in, std::ostream& out,
               const std::optional<FileId>& answers_file) {
  std::int32_t result = 0;
  {
    Units io(in, out);
    if (answers_file) io.protect_input(*answers_file);
    try {
      result = VELKAN(io, wa, wa.size(), 1);
    } catch (const ProgramStop& stop) {
      return stop.exit_status;
    }
  }
  if (result == 0) return 0;
  out << format("\n Return value from velkan: %d \n", result);
  return 1;
}

// The run, from the allocation of the work array to the exit status.
int allocate_and_run(std::int32_t nwiwa, std::istream& in, std::ostream& out,
                     const std::optional<FileId>& answers_file) {
  WorkArray wa(nwiwa);
  const std::int32_t millions = nwiwa / 1000000;
  if (!wa.ok()) {
    out << '\a' << "\n\n ***************************************************** "
        << format("\n ******  Allocating %4d million words failed!  ****** ", millions)
        << "\n ***************************************************** \n\n";
    return 1;
  }
  if (millions >= 1) {
    out << format("\n\n %d million words successfully allocated \n\n", millions);
  } else {
    out << format("\n\n %.2f million words successfully allocated \n\n", nwiwa / 1000000.0);
  }
  return run_driver(wa, in, out, answers_file);
}

}  // namespace

int velkan_main(std::optional<std::string_view> size_arg, std::istream& in, std::ostream& out,
                std::optional<FileId> answers_file) {
  std::int32_t nwiwa = kDefaultWords;
  if (size_arg) {
    if (const auto text = information_request(*size_arg)) {
      out << *text;
      return 0;
    }
    const double words = requested_words(*size_arg);
    if (words >= 2147483648.0 || words < -2147483648.0) {
      out << format("\n The nwiwa value (%.0f) does not fit a 32-bit word count! \n", words);
      return 1;
    }
    nwiwa = static_cast<std::int32_t>(words);
    if (nwiwa <= 0) {
      out << format("\n The nwiwa value (%d) is zero or negative! \n", nwiwa);
      return 1;
    }
  }
  // Memory refused where the run no longer has its verdict (the work
  // array's own book-keeping, the end of the run): said in one line.
  try {
    return allocate_and_run(nwiwa, in, out, answers_file);
  } catch (const std::bad_alloc&) {
    out << "\n *** Out of memory: the system gave the run no more memory.\n";
    return 1;
  }
}

}  // namespace velkan
