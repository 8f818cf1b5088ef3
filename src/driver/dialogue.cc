// Console prompts and answers.
#include "driver/dialogue.h"

#include <optional>
#include <type_traits>

#include "driver/prompts.h"
#include "lineinput/charutil.h"
#include "platform/consoleunits.h"
#include "platform/listdirected.h"

namespace velkan {
namespace {

constexpr std::size_t kAnswerLength = 80;

bool blank(std::string_view s) {
  return LASTNB(s) == 0;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// A comma between two digits: the answer was likely written with a decimal
// comma, which the free format reads as a separator between two values.
bool has_decimal_comma(std::string_view answer) {
  for (std::size_t i = 1; i + 1 < answer.size(); ++i) {
    if (answer[i] == ',' && is_digit(answer[i - 1]) && is_digit(answer[i + 1])) return true;
  }
  return false;
}

// The values a question takes, as its refusals name them: "A whole number",
// "2 numbers".
std::string values_taken(std::size_t count, bool whole) {
  const std::string kind = whole ? "whole number" : "number";
  return count == 1 ? "A " + kind : std::to_string(count) + " " + kind + "s";
}

template <typename T>
std::optional<T> parsed(std::string_view token) {
  if constexpr (std::is_integral_v<T>) {
    return parse_list_integer(token);
  } else {
    return parse_list_real(token);
  }
}

enum class Reading { kTaken, kNotNumbers, kTooMany };

// Takes numbers from `tokens` into `values` until it holds `count`: kTooMany
// when tokens are left over then, kNotNumbers when a token it needs is not a
// number of the kind asked for.
template <typename T>
Reading take_values(const std::vector<std::string_view>& tokens, std::size_t count,
                    std::vector<T>& values) {
  std::size_t i = 0;
  for (; i < tokens.size() && values.size() < count; ++i) {
    const std::optional<T> v = parsed<T>(tokens[i]);
    if (!v) return Reading::kNotNumbers;
    values.push_back(*v);
  }
  return i < tokens.size() ? Reading::kTooMany : Reading::kTaken;
}

}  // namespace

void Dialogue::give(std::string_view prompt, std::string answer) {
  const auto at = given_.find(prompt);
  (at != given_.end() ? at : given_.emplace(std::string(prompt), std::deque<std::string>()).first)
      ->second.push_back(std::move(answer));
}

bool Dialogue::has_given(std::string_view prompt) const {
  const auto at = given_.find(prompt);
  return at != given_.end() && !at->second.empty();
}

void Dialogue::ask(std::string_view prompt) {
  ASKLIN(io_, LTO, prompt, static_cast<int>(prompt.size()));
  asked_ = prompt;
}

// The answer to the question asked: one given for it, shown on the console
// as if typed, or the next console line; either cut or padded to `length`.
std::string Dialogue::read_line(std::size_t length) {
  std::string line;
  const auto at = given_.find(asked_);
  last_given_ = at != given_.end() && !at->second.empty();
  if (last_given_) {
    line = std::move(at->second.front());
    at->second.pop_front();
    io_.write(LTO, line);
  } else if (const int rc = io_.read(LTI, line, length); rc != 0) {
    throw EndOfInput{rc == kRunawayLine};
  }
  line.resize(length, ' ');
  return line;
}

void Dialogue::say_expected(std::size_t count, bool whole) {
  io_.write(LTO, " *** " + values_taken(count, whole) + " expected, please answer again.");
}

void Dialogue::say_too_many(std::size_t count, bool whole, std::string_view answer) {
  std::string text = " *** Only " + (count == 1 ? std::string("one") : std::to_string(count)) +
                     (whole ? " whole number" : " number") + (count == 1 ? "" : "s");
  if (!whole && has_decimal_comma(answer)) text += ": write a decimal point, not a comma (1.5)";
  io_.write(LTO, text + ", please answer again.");
}

std::string Dialogue::answer(std::string_view prompt) {
  ask(prompt);
  return read_line(kAnswerLength);
}

std::string Dialogue::file_name(std::string_view prompt) {
  for (;;) {
    ask(prompt);
    const std::string line = read_line(Units::kLongestAnswer);
    if (last_given_ || !io_.console_line_cut()) return std::string(trimmed(line));
    io_.write(LTO, " *** A file name of at most " + std::to_string(Units::kLongestAnswer) +
                       " characters expected, please answer again.");
  }
}

// The values of a question with defaults, all on the answer line.
template <typename T>
std::vector<T> Dialogue::values_or(std::string_view prompt, const std::vector<T>& fallbacks) {
  constexpr bool whole = std::is_integral_v<T>;
  for (;;) {
    const std::string a = answer(prompt);
    const auto tokens = list_tokens(a);
    if (blank(a) || tokens.empty()) return fallbacks;
    std::vector<T> taken;
    const Reading r = take_values(tokens, fallbacks.size(), taken);
    if (r == Reading::kTaken && taken.size() == fallbacks.size()) return taken;
    if (r == Reading::kTooMany) {
      say_too_many(fallbacks.size(), whole, a);
    } else {
      say_expected(fallbacks.size(), whole);
    }
  }
}

// The values of a question without a default, read over as many lines as
// they take; empty lines are skipped.
template <typename T>
std::vector<T> Dialogue::values(std::string_view prompt, std::size_t count) {
  constexpr bool whole = std::is_integral_v<T>;
  for (;;) {
    ask(prompt);
    std::vector<T> taken;
    std::string line;
    Reading r = Reading::kTaken;
    while (taken.size() < count && r == Reading::kTaken) {
      line = read_line(kAnswerLength);
      r = take_values(list_tokens(line), count, taken);
    }
    if (r == Reading::kTaken) return taken;
    if (r == Reading::kTooMany) {
      say_too_many(count, whole, line);
    } else {
      say_expected(count, whole);
    }
  }
}

std::int32_t Dialogue::integer_or(std::string_view prompt, std::int32_t fallback) {
  return values_or<std::int32_t>(prompt, {fallback})[0];
}

double Dialogue::real_or(std::string_view prompt, double fallback) {
  return values_or<double>(prompt, {fallback})[0];
}

std::vector<double> Dialogue::reals_or(std::string_view prompt,
                                       const std::vector<double>& fallbacks) {
  return values_or(prompt, fallbacks);
}

bool Dialogue::yes(std::string_view prompt) {
  const std::string a = answer(prompt);
  return !blank(a) && a[0] != 'n';
}

std::vector<std::int32_t> Dialogue::integers(std::string_view prompt, std::size_t count) {
  return values<std::int32_t>(prompt, count);
}

double Dialogue::real(std::string_view prompt) {
  return values<double>(prompt, 1)[0];
}

}  // namespace velkan
