// Prompts (ASKLIN) and the run stamp (RUNSTP).
#include "driver/prompts.h"

#include <algorithm>

#include "lineinput/charutil.h"
#include "platform/numfmt.h"

namespace velkan {
namespace {

void put_two_digits(std::string& s, int v) {
  s.push_back(static_cast<char>('0' + v / 10 % 10));
  s.push_back(static_cast<char>('0' + v % 10));
}

}  // namespace

void ASKLIN(Units& io, int unit, std::string_view prompt, int length) {
  const auto n = static_cast<std::size_t>(std::clamp(length, 0, 80));
  std::string text(1, ' ');
  text.append(prompt.substr(0, n));
  io.write_text(unit, text);
}

std::string run_stamp(const LocalTime& t, int length) {
  const int year = t.year < 1000 ? t.year + 1900 : t.year;
  std::string s = " Date : ";
  put_i(s, year, 4);
  s.push_back('-');
  put_two_digits(s, t.month);
  s.push_back('-');
  put_two_digits(s, t.day);
  s.push_back(' ');
  put_two_digits(s, t.hour);
  s.push_back(':');
  put_two_digits(s, t.minute);
  s.push_back(':');
  put_two_digits(s, t.second);
  return padded(trimmed(s), static_cast<std::size_t>(std::max(length, 0)));
}

std::string RUNSTP(int length, int level) {
  (void)level;  // the converter always asks for the full stamp
  return run_stamp(local_time_now(), length);
}

}  // namespace velkan
