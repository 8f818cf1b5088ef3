// Lines that all model-file writers share.
#include "writer/conventions.h"

#include <algorithm>
#include <string>

namespace velkan {

void write_header(Units& io, int unit, std::initializer_list<std::string_view> lines) {
  for (const std::string_view line : lines) io.write(unit, line);
}

Line record_start(std::string_view keyword, std::int32_t number) {
  Line l;
  l.a(keyword).i(number, 9);
  return l;
}

void write_failure(Units& io, int unit, std::string_view routine, std::int32_t& status) {
  io.newline(unit);
  std::string text = "  *** ERROR IN ";
  text.append(routine);
  text.append(" ***");
  io.write(unit, text);
  status = -1;
}

void put_ints(Line& line, std::span<const std::int64_t> values, std::span<const int> widths,
              std::size_t count) {
  const std::size_t n = std::min({count, values.size(), widths.size()});
  for (std::size_t i = 0; i < n; ++i) line.i(values[i], widths[i]);
}

void put_ints(Line& line, std::span<const std::int64_t> values, int width, std::size_t count) {
  const std::size_t n = std::min(count, values.size());
  for (std::size_t i = 0; i < n; ++i) line.i(values[i], width);
}

}  // namespace velkan
