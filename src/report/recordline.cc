// Reading the fields of one record line, with their faults.
#include "report/recordline.h"

#include <limits>

namespace velkan {
namespace {

constexpr std::size_t kShownText = 60;

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::string value_name(std::size_t index) {
  return "value " + std::to_string(index);
}

std::string shown_text(std::string_view text) {
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  std::string s;
  for (const char c : text.substr(0, kShownText)) {
    const auto u = static_cast<unsigned char>(c);
    s.push_back(u < 0x20 || u == 0x7f ? '?' : c);
  }
  if (text.size() > kShownText) s += "...";
  return s;
}

std::string RecordLine::record_name() const {
  std::string p(keyword_);
  if (named_) p += " " + std::to_string(number_);
  return p;
}

void RecordLine::say(const std::string& what) {
  faults_.add(line_, record_name() + ": " + what);
}

void RecordLine::counted(bool right, std::string_view expected) {
  if (right) return;
  say(std::to_string(count()) + " fields after the keyword, " + std::string(expected) +
      " expected");
}

bool RecordLine::number(std::size_t k, std::int32_t& n) {
  if (k > count()) {
    say("no number");
    return false;
  }
  const FieldProblem p = read_integer(field(k), n);
  if (p != FieldProblem::kNone) {
    fault("the number", p, field(k));
    return false;
  }
  name(n);
  if (n <= 0) say("the number is not positive");
  return true;
}

std::int32_t RecordLine::integer(std::size_t k, std::string_view name) {
  std::int32_t v = 0;
  if (k > count()) return 0;
  const FieldProblem p = read_integer(field(k), v);
  if (p != FieldProblem::kNone) fault(name, p, field(k));
  return v;
}

double RecordLine::real(std::size_t k, std::string_view name) {
  if (k > count()) return std::numeric_limits<double>::quiet_NaN();
  double v = 0.0;
  const FieldProblem p = read_real(field(k), v);
  if (p != FieldProblem::kNone) fault(name, p, field(k));
  return v;
}

void RecordLine::reals_from(std::size_t k, std::size_t first_index, std::vector<double>& out) {
  for (std::size_t i = k; i <= count(); ++i) {
    double v = 0.0;
    const FieldProblem p = read_real(field(i), v);
    if (p != FieldProblem::kNone) fault(value_name(first_index + (i - k)), p, field(i));
    out.push_back(v);
  }
}

void RecordLine::fault(std::string_view name, FieldProblem p, std::string_view text) {
  std::string what = record_name() + ": " + std::string(name) + " " + std::string(problem_text(p));
  if (p != FieldProblem::kAsterisks) what += ": " + shown_text(text);
  faults_.add(line_, std::move(what));
}

}  // namespace velkan
