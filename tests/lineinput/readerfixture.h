// Test fixture for the line reader: a listing-like file on unit 16 opened for the
// reader, RDMIX calls collected into plain vectors, and a reader state built
// from one line for testing the recognisers directly.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lineinput/linefetch.h"
#include "lineinput/linereader.h"
#include "lineinput/mixeditems.h"
#include "platform/consoleunits.h"
#include "support/testio.h"

namespace velkan::test {

struct Items {
  std::int32_t npar = -99;
  std::vector<std::int32_t> type;
  std::vector<double> value;
  std::vector<std::string> text;
};

struct ReaderFixture {
  static constexpr int kUnit = 16;
  static constexpr int kPrintUnit = 17;
  TestIo io;
  std::int32_t ierr = 0;

  // Writes `text` as the file and opens the reader on it, messages to the console.
  void open(const std::string& text, std::int32_t nchlin = 132) {
    io.units.open(kUnit, io.dir.write("in.lis", text), FileStatus::kOld);
    std::int32_t st = 0;
    FIIOPN(io.units, nchlin, 8, kUnit, LTO, -1, st);
  }

  Items next(std::size_t capacity = 100) {
    std::vector<std::int32_t> type(capacity);
    std::vector<double> value(capacity);
    std::vector<std::string> text(capacity, std::string(80, '?'));
    Items r;
    RDMIX(io.units, r.npar, type, value, text, kUnit, kPrintUnit, ierr);
    const std::size_t n = r.npar > 0 ? static_cast<std::size_t>(r.npar) : 0;
    r.type.assign(type.begin(), type.begin() + static_cast<std::ptrdiff_t>(n));
    r.value.assign(value.begin(), value.begin() + static_cast<std::ptrdiff_t>(n));
    r.text.assign(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n));
    return r;
  }
};

// A reader state holding `line` as taken in by the line fetch.
inline LineReaderState state_of(std::string_view line, std::int32_t ncmtch = 8) {
  LineReaderState s;
  s.NCMTCH = ncmtch;
  s.line = std::string(line);
  s.line.resize(static_cast<std::size_t>(s.NCHLIN), ' ');
  take_in_line(s, s.line);
  return s;
}

}  // namespace velkan::test
