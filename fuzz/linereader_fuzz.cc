// Fuzz target of the line reader: arbitrary bytes as lines read item by item
// with RDMIX (line fetch, name, integer, real expression and text recognisers)
// to the end of the input and once past it, and each line also cut into tokens
// by the string splitter and its token classifier, as the size scan does. The
// lines come from the console unit, which the reader reads as it reads a file;
// the listing target covers the reading of files.
//
// Input: the first byte chooses the reader's options, the rest are the lines.
//   bit 0: no separator besides blanks (as the listing readers set it)
//   bit 1: lower-case letters kept as they are
//   bit 2: the first end of file is an error rather than the end of a pass
//   bit 3: every line echoed on the console
//   bit 4: item arrays of 3 entries instead of 100
//   bits 5-7: the line length: 132, 80, 1, 2048, 8, 40, 133 or 2047
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "lineinput/linereader.h"
#include "lineinput/mixeditems.h"
#include "lineinput/stringsplit.h"
#include "platform/consoleunits.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "workfolder.h"

namespace {

using velkan::fuzz::as_text;

constexpr int kUnit = velkan::LTI;
constexpr int kPrintUnit = velkan::LTO;
constexpr std::array<std::int32_t, 8> kLineLengths = {132, 80, 1, 2048, 8, 40, 133, 2047};

void check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

// What every item the reader or the splitter returns must satisfy.
void check_item(std::int32_t type, double value, const std::string& text, std::size_t text_len) {
  check(type >= 1 && type <= 3, "item type is 1, 2 or 3");
  check(text.size() == text_len, "item text has the caller's length");
  if (type == 3) check(value == 0.0, "a text item has the value 0.0");
  if (type == 1) check(std::trunc(value) == value, "an integer item has a whole value");
}

void split_lines(std::string_view lines) {
  std::vector<std::int32_t> types(100);
  std::vector<double> reals(100);
  std::vector<std::string> texts(100);
  std::size_t start = 0;
  while (start <= lines.size()) {
    std::size_t end = lines.find('\n', start);
    if (end == std::string_view::npos) end = lines.size();
    const std::string_view record = lines.substr(start, std::min<std::size_t>(end - start, 132));
    const int n = velkan::STRSPL(record, types, reals, texts, 80);
    check(n >= 0 && n <= 100, "token count within the arrays");
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
      check_item(types[k], reals[k], texts[k], 80);
    }
    start = end + 1;
  }
}

// Reads the file item by item to its end, and then once more past it.
void read_items(velkan::Units& io, std::uint8_t options, std::size_t line_count) {
  const bool mxeof = (options & 4) == 0;
  const std::size_t capacity = (options & 16) != 0 ? 3 : 100;
  std::vector<std::int32_t> type(capacity);
  std::vector<double> value(capacity);
  std::vector<std::string> text(capacity);
  std::int32_t ierr = 0;
  std::int32_t npar = 0;
  // Every call takes in at least one line or meets the end of the file.
  for (std::size_t calls = 0; calls <= line_count + 1; ++calls) {
    const std::int32_t before = ierr;
    velkan::RDMIX(io, npar, type, value, text, kUnit, kPrintUnit, ierr);
    if (ierr != before) {
      check(!mxeof, "a read error only past the allowed end of file");
      return;
    }
    if (npar < 0) break;
    check(static_cast<std::size_t>(npar) <= capacity, "item count within the arrays");
    for (std::size_t k = 0; k < static_cast<std::size_t>(npar); ++k) {
      check_item(type[k], value[k], text[k], 8);
    }
  }
  check(npar == -1, "the file ends within one call per line");
  // A second end of file stops the program.
  try {
    velkan::RDMIX(io, npar, type, value, text, kUnit, kPrintUnit, ierr);
  } catch (const velkan::ProgramStop& stop) {
    check(stop.exit_status == 1, "the stop carries a failure");
    return;
  }
  check(false, "reading through a second end of file stops the program");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const velkan::fuzz::WorkFolder folder;  // for any file written all the same
  if (size == 0) return 0;
  const std::uint8_t options = data[0];
  const std::string_view lines = as_text(data + 1, size - 1);
  std::istringstream in{std::string(lines)};
  std::ostringstream out;
  velkan::Units io(in, out, folder.path().string());

  velkan::line_reader() = velkan::LineReaderState{};
  std::int32_t status = 0;
  const std::int32_t echo = (options & 8) != 0 ? velkan::LTO : -1;
  velkan::FIIOPN(io, kLineLengths[options >> 5], 8, kUnit, velkan::LTO, echo, status);
  check(status == 0, "the reader opens");
  if ((options & 1) != 0) velkan::FIICHR(' ', 3);
  if ((options & 2) != 0) velkan::FIISET(0, 11);
  velkan::FIISET((options & 4) != 0 ? 0 : 1, 12);

  const auto line_count = static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n'));
  read_items(io, options, line_count);
  split_lines(lines);
  return 0;
}
