// Program entry: the command line, usage and version requests, work-array
// size, allocation report, driver call, exit status.
#include "driver/entry.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <new>
#include <ostream>
#include <string>
#include <variant>

#include "commandline/options.h"
#include "commandline/riseroverview.h"
#include "driver/conversiondriver.h"
#include "driver/fileunits.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "report/modelcheck.h"
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

// The work-array size of the command line; none, with the message on
// `out`, when it is no size.
std::optional<std::int32_t> work_words(const CommandLine& cl, std::ostream& out) {
  if (!cl.size) return kDefaultWords;
  const double words = requested_words(*cl.size);
  if (words >= 2147483648.0 || words < -2147483648.0) {
    out << format("\n The nwiwa value (%.0f) does not fit a 32-bit word count! \n", words);
    return std::nullopt;
  }
  const auto nwiwa = static_cast<std::int32_t>(words);
  if (nwiwa <= 0) {
    out << format("\n The nwiwa value (%d) is zero or negative! \n", nwiwa);
    return std::nullopt;
  }
  return nwiwa;
}

int run_driver(WorkArray& wa, const CommandLine& cl, std::istream& in, std::ostream& out,
               const std::optional<FileId>& answers_file) {
  std::int32_t result = 0;
  {
    Units io(in, out);
    if (answers_file) io.protect_input(*answers_file);
    if (cl.messages) io.name_implicit(LPU, *cl.messages);
    io.set_quiet(cl.quiet);
    try {
      result = VELKAN(io, wa, wa.size(), 1, cl);
    } catch (const ProgramStop& stop) {
      return stop.exit_status;
    }
  }
  if (result == 0) return kExitCompleted;
  out << format("\n Return value from velkan: %d \n", result);
  return kExitFailed;
}

// The run, from the allocation of the work array to the exit status.
int allocate_and_run(std::int32_t nwiwa, const CommandLine& cl, std::istream& in, std::ostream& out,
                     const std::optional<FileId>& answers_file) {
  WorkArray wa(nwiwa);
  const std::int32_t millions = nwiwa / 1000000;
  if (!wa.ok()) {
    out << '\a' << "\n\n ***************************************************** "
        << format("\n ******  Allocating %4d million words failed!  ****** ", millions)
        << "\n ***************************************************** \n\n";
    return kExitFailed;
  }
  if (millions >= 1) {
    out << format("\n\n %d million words successfully allocated \n\n", millions);
  } else {
    out << format("\n\n %.2f million words successfully allocated \n\n", nwiwa / 1000000.0);
  }
  return run_driver(wa, cl, in, out, answers_file);
}

int convert(const CommandLine& cl, std::istream& in, std::ostream& out,
            const std::optional<FileId>& answers_file) {
  const std::optional<std::int32_t> nwiwa = work_words(cl, out);
  if (!nwiwa) return kExitFailed;
  // Memory refused where the run no longer has its verdict (the work
  // array's own book-keeping, the end of the run): said in one line.
  try {
    return allocate_and_run(*nwiwa, cl, in, out, answers_file);
  } catch (const std::bad_alloc&) {
    out << "\n *** Out of memory: the system gave the run no more memory.\n";
    return kExitFailed;
  }
}

}  // namespace

int velkan_main(std::span<const std::string> args, std::istream& in, std::ostream& out,
                std::ostream& err, std::optional<FileId> answers_file) {
  const std::variant<CommandLine, UsageError> parsed = parse_command_line(args);
  if (const auto* usage = std::get_if<UsageError>(&parsed)) {
    err << usage->line << "\n" << usage_line();
    return kExitUsage;
  }
  const CommandLine& cl = std::get<CommandLine>(parsed);
  switch (cl.request) {
    case CommandLine::Request::kHelp:
      out << help_text();
      return kExitCompleted;
    case CommandLine::Request::kVersion:
      out << "velkan " VELKAN_VERSION "\n";
      return kExitCompleted;
    case CommandLine::Request::kRisers:
      return show_risers(cl.risers, out);
    case CommandLine::Request::kCheck:
      return check_model_file(cl.check, out);
    case CommandLine::Request::kConvert:
      break;
  }
  return convert(cl, in, out, answers_file);
}

}  // namespace velkan
