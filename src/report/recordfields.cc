// Fields and numbers of a model-file line.
#include "report/recordfields.h"

#include <charconv>
#include <limits>

namespace velkan {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::size_t kLongestNumber = 96;  // longer fields are no number an edit writes

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
bool is_sign(char c) {
  return c == '+' || c == '-';
}
char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equals_lower(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (lower(text[k]) != word[k]) return false;
  }
  return true;
}

// NaN, Inf or Infinity in any case, with an optional sign.
bool is_non_finite_word(std::string_view field) {
  if (!field.empty() && is_sign(field[0])) field.remove_prefix(1);
  return equals_lower(field, "nan") || equals_lower(field, "inf") ||
         equals_lower(field, "infinity");
}

// A real field taken apart into the text std::from_chars reads (no leading
// plus, the exponent behind an 'e') and the decimal order of its value, which
// tells a value too large for a double from one too small.
struct RealText {
  std::array<char, kLongestNumber + 8> text{};
  std::size_t size = 0;
  long order = 0;      // power of ten of the first significant digit, plus one
  bool zero = true;    // no significant digit
  bool direct = true;  // the field itself is that text
  void push(char c) { text[size++] = c; }
};

std::size_t take_digits(std::string_view f, std::size_t& i, RealText& r) {
  const std::size_t from = i;
  while (i < f.size() && is_digit(f[i])) r.push(f[i++]);
  return i - from;
}

// The significant digits of the mantissa set the order: digits before the
// point count up from the first one that is not 0; after the point, the
// zeros before the first significant digit count down.
void note_order(std::string_view digits, bool after_point, RealText& r) {
  if (!r.zero) return;
  const std::size_t lead = digits.find_first_not_of('0');
  if (lead == std::string_view::npos) return;
  r.zero = false;
  r.order = after_point ? -static_cast<long>(lead) : static_cast<long>(digits.size() - lead);
}

bool take_exponent(std::string_view f, std::size_t& i, RealText& r) {
  if (i == f.size()) return true;
  const char c = f[i];
  if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
    r.direct = r.direct && (c == 'E' || c == 'e');
    ++i;
  } else if (!is_sign(c)) {
    return false;
  } else {
    r.direct = false;  // a three-digit exponent without its letter
  }
  r.push('e');
  bool negative = false;
  if (i < f.size() && is_sign(f[i])) {
    negative = f[i] == '-';
    r.push(f[i++]);
  }
  const std::size_t from = i;
  if (take_digits(f, i, r) == 0) return false;
  long exponent = 0;
  for (std::size_t k = from; k < i; ++k) {
    if (exponent < 100000) exponent = exponent * 10 + (f[k] - '0');
  }
  r.order += negative ? -exponent : exponent;
  return true;
}

constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kExactDigits = 15;
constexpr int kExactPower = 22;

// The usual field read in one step: at most 15 significant digits and a
// power of ten of at most 22 either way. The digits make an exact integer
// and the powers of ten up to 22 are exact doubles, so one multiplication or
// division rounds as the decimal value itself would: the double is the one
// std::from_chars gives. False for any other field.
bool read_usual_real(std::string_view f, double& value) {
  std::size_t i = 0;
  const bool negative = !f.empty() && f[0] == '-';
  if (!f.empty() && is_sign(f[0])) ++i;
  std::uint64_t w = 0;
  int significant = 0, scale = 0;
  bool point = false, any = false;
  for (; i < f.size(); ++i) {
    const char c = f[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (!is_digit(c)) break;
    any = true;
    if (w != 0 || c != '0') ++significant;
    if (significant > kExactDigits) return false;
    w = w * 10 + static_cast<std::uint64_t>(c - '0');
    scale += point ? 1 : 0;
  }
  if (!any) return false;
  int exponent = 0;
  if (i < f.size()) {
    if (f[i] != 'E' && f[i] != 'e') return false;
    bool minus = false;
    if (++i < f.size() && is_sign(f[i])) minus = f[i++] == '-';
    const std::size_t from = i;
    for (; i < f.size() && is_digit(f[i]) && i - from < 3; ++i)
      exponent = exponent * 10 + (f[i] - '0');
    if (i == from || i != f.size()) return false;
    exponent = minus ? -exponent : exponent;
  }
  const int e = exponent - scale;
  double v = static_cast<double>(w);
  if (w != 0) {
    if (e < -kExactPower || e > kExactPower) return false;
    v = e < 0 ? v / kExactPowers[-e] : v * kExactPowers[e];
  }
  value = negative ? -v : v;
  return true;
}

bool split_real(std::string_view f, RealText& r) {
  if (f.size() > kLongestNumber) return false;
  std::size_t i = 0;
  if (i < f.size() && is_sign(f[i])) {
    if (f[i] == '-') r.push('-');
    r.direct = f[i] == '-';
    ++i;
  }
  const std::size_t int_from = i;
  std::size_t digits = take_digits(f, i, r);
  note_order(f.substr(int_from, i - int_from), false, r);
  if (i < f.size() && f[i] == '.') {
    r.push(f[i++]);
    const std::size_t frac_from = i;
    digits += take_digits(f, i, r);
    note_order(f.substr(frac_from, i - frac_from), true, r);
  }
  return digits > 0 && take_exponent(f, i, r) && i == f.size();
}

// What splits a line into fields: blanks between them, and the edges of a
// run of asterisks.
enum CharClass : unsigned char { kBlank, kStar, kOther };

constexpr std::array<unsigned char, 256> char_classes() {
  std::array<unsigned char, 256> c{};
  c.fill(kOther);
  c[' '] = kBlank;
  c['\t'] = kBlank;
  c['*'] = kStar;
  return c;
}
constexpr std::array<unsigned char, 256> kCharClass = char_classes();

unsigned char class_of(char c) {
  return kCharClass[static_cast<unsigned char>(c)];
}

bool all_digits(std::string_view text) {
  for (const char c : text) {
    if (!is_digit(c)) return false;
  }
  return !text.empty();
}

}  // namespace

std::string_view problem_text(FieldProblem problem) {
  switch (problem) {
    case FieldProblem::kNone:
      return "";
    case FieldProblem::kAsterisks:
      return "is a field of asterisks (a value too wide for its field)";
    case FieldProblem::kNotFinite:
      return "is not finite";
    case FieldProblem::kNotNumber:
      return "is not a number";
    case FieldProblem::kNotWhole:
      return "is not a whole number";
    case FieldProblem::kOutOfRange:
      return "is beyond the 32-bit range";
  }
  return "";
}

LineFields::LineFields(std::string_view line) : line_(line) {
  std::size_t i = 0;
  const std::size_t n = line.size();
  while (i < n) {
    while (i < n && class_of(line[i]) == kBlank) ++i;
    if (i == n) break;
    const std::size_t from = i;
    const unsigned char kind = class_of(line[i]);
    while (i < n && class_of(line[i]) == kind) ++i;
    if (count_ < kKept) {
      from_[count_] = from;
      to_[count_] = i;
    }
    ++count_;
  }
}

FieldProblem read_real(std::string_view field, double& value) {
  if (read_usual_real(field, value)) return FieldProblem::kNone;
  value = kNaN;
  if (field.find('*') != std::string_view::npos) return FieldProblem::kAsterisks;
  if (is_non_finite_word(field)) return FieldProblem::kNotFinite;
  RealText r;
  if (!split_real(field, r)) return FieldProblem::kNotNumber;
  const char* first = r.direct ? field.data() : r.text.data();
  const char* last = r.direct ? field.data() + field.size() : r.text.data() + r.size;
  double v = 0.0;
  const auto res = std::from_chars(first, last, v);
  if (res.ec == std::errc::result_out_of_range) {
    if (r.zero || r.order > 0) return FieldProblem::kNotFinite;
    value = first[0] == '-' ? -0.0 : 0.0;  // below the smallest double
    return FieldProblem::kNone;
  }
  if (res.ec != std::errc() || res.ptr != last) return FieldProblem::kNotNumber;
  value = v;
  return FieldProblem::kNone;
}

FieldProblem read_integer(std::string_view field, std::int32_t& value) {
  value = 0;
  std::string_view digits = field;
  if (!digits.empty() && is_sign(digits[0])) digits.remove_prefix(1);
  if (!all_digits(digits)) {
    double real = 0.0;
    const FieldProblem p = read_real(field, real);
    return p == FieldProblem::kNone ? FieldProblem::kNotWhole : p;
  }
  while (digits.size() > 1 && digits[0] == '0') digits.remove_prefix(1);
  if (digits.size() > 10) return FieldProblem::kOutOfRange;
  std::int64_t v = 0;
  for (const char c : digits) v = v * 10 + (c - '0');
  if (field[0] == '-') v = -v;
  if (v < std::numeric_limits<std::int32_t>::min() ||
      v > std::numeric_limits<std::int32_t>::max()) {
    return FieldProblem::kOutOfRange;
  }
  value = static_cast<std::int32_t>(v);
  return FieldProblem::kNone;
}

bool holds_value(std::string_view field) {
  if (field.empty()) return false;
  const char c = field[0];
  return is_digit(c) || is_sign(c) || c == '.' || c == '*' || is_non_finite_word(field);
}

}  // namespace velkan
