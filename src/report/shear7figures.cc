// The points of a Shear7 file read back, and the figures of its profile.
#include "report/shear7figures.h"

#include <charconv>
#include <cmath>

namespace velkan {
namespace {

// The next number of `line` from `pos` on, blanks skipped; false when there
// is none.
bool next_number(std::string_view line, std::size_t& pos, double& value) {
  while (pos < line.size() && line[pos] == ' ') ++pos;
  const char* first = line.data() + pos;
  const auto [end, ec] = std::from_chars(first, line.data() + line.size(), value);
  if (ec != std::errc() || !std::isfinite(value)) return false;
  pos += static_cast<std::size_t>(end - first);
  return true;
}

// A data line holds three numbers and nothing else.
bool point_of(std::string_view line, Shear7Point& p) {
  std::size_t pos = 0;
  if (!next_number(line, pos, p.s) || !next_number(line, pos, p.tension) ||
      !next_number(line, pos, p.mass_per_length)) {
    return false;
  }
  return line.find_first_not_of(' ', pos) == std::string_view::npos;
}

void profile(Shear7Figures& f) {
  for (std::size_t i = 0; i < f.points.size(); ++i) {
    const Shear7Point& p = f.points[i];
    if (i == 0 || p.tension < f.tension_min) f.tension_min = p.tension, f.tension_min_at = i;
    if (i == 0 || p.tension > f.tension_max) f.tension_max = p.tension, f.tension_max_at = i;
    if (i == 0 || p.mass_per_length < f.mass_min) f.mass_min = p.mass_per_length, f.mass_min_at = i;
    if (i == 0 || p.mass_per_length > f.mass_max) f.mass_max = p.mass_per_length, f.mass_max_at = i;
    if (i + 1 < f.points.size()) f.mass += p.mass_per_length * (f.points[i + 1].s - p.s) * f.length;
  }
}

}  // namespace

Shear7Figures shear7_figures(Units& io, int unit, std::string_view name, double length) {
  Shear7Figures f;
  f.length = length;
  if (io.open(unit, name, FileStatus::kOld) != 0) {
    f.fault = io.open_error().text;
    return f;
  }
  std::string line;
  std::int64_t number = 0;
  while (io.read_line(unit, line) == 0) {
    ++number;
    if (line.starts_with("#")) continue;
    Shear7Point p;
    if (!point_of(line, p)) {
      if (f.fault.empty()) f.fault = "line " + std::to_string(number) + " is no point";
      continue;
    }
    f.points.push_back(p);
  }
  if (const OsError err = io.close(unit); err && f.fault.empty()) f.fault = err.text;
  f.readable = f.fault.empty();
  profile(f);
  return f;
}

}  // namespace velkan
