// Report numbers through the fixed-width edits, their padding taken off.
#include "report/reportnumbers.h"

#include <cmath>

#include "platform/numfmt.h"

namespace velkan {
namespace {

std::string trimmed(std::string text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

std::string decimal(double value, int decimals) {
  if (!std::isfinite(value)) return "-";
  // -0.000 reads as a change where there is none.
  const double tiny = 0.5 * std::pow(10.0, -decimals);
  if (std::abs(value) < tiny) value = 0;
  std::string text = trimmed(fmt_f(value, 400, decimals));
  if (decimals == 0) text.pop_back();  // the edit's point behind a whole number
  return text;
}

std::string signed_decimal(double value, int decimals) {
  std::string text = decimal(value, decimals);
  if (!text.starts_with('-')) text.insert(text.begin(), '+');
  return text;
}

std::string scientific(double value, int decimals) {
  if (!std::isfinite(value)) return "-";
  return trimmed(fmt_e(value, decimals + 10, decimals));
}

std::string exact(double value) {
  if (!std::isfinite(value)) return "null";
  if (value == 0) return "0";
  const std::string text = trimmed(fmt_e(value, 30, 16));
  // An exponent of three digits takes the letter's place in the edit.
  if (text.find('E') != std::string::npos) return text;
  const std::size_t sign = text.find_last_of("+-");
  std::string out = text.substr(0, sign);
  out += 'E';
  out += text.substr(sign);
  return out;
}

std::string whole(std::int64_t value) {
  return std::to_string(value);
}

}  // namespace velkan
