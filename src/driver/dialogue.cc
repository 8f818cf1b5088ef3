// Console prompts and answers.
#include "driver/dialogue.h"

#include "driver/prompts.h"
#include "lineinput/charutil.h"
#include "platform/listdirected.h"

namespace velkan {
namespace {

constexpr std::size_t kAnswerLength = 80;
constexpr std::size_t kNameLength = 256;

bool blank(std::string_view s) {
  return LASTNB(s) == 0;
}

}  // namespace

std::string Dialogue::read_line(std::size_t length) {
  std::string line;
  const int rc = io_.read(Units::kConsoleIn, line, length);
  if (rc != 0) throw EndOfInput{rc == kRunawayLine};
  return line;
}

void Dialogue::say_expected(std::string_view what) {
  io_.write(Units::kConsoleOut, " *** " + std::string(what) + " expected, please answer again.");
}

std::string Dialogue::answer(std::string_view prompt) {
  ASKLIN(io_, Units::kConsoleOut, prompt, static_cast<int>(prompt.size()));
  return read_line(kAnswerLength);
}

std::string Dialogue::file_name(std::string_view prompt) {
  ASKLIN(io_, Units::kConsoleOut, prompt, static_cast<int>(prompt.size()));
  return std::string(trimmed(read_line(kNameLength)));
}

std::int32_t Dialogue::integer_or(std::string_view prompt, std::int32_t fallback) {
  for (;;) {
    const std::string a = answer(prompt);
    const auto tokens = list_tokens(a);
    if (blank(a) || tokens.empty()) return fallback;
    if (const auto v = parse_list_integer(tokens.front())) return *v;
    say_expected("A whole number");
  }
}

double Dialogue::real_or(std::string_view prompt, double fallback) {
  for (;;) {
    const std::string a = answer(prompt);
    const auto tokens = list_tokens(a);
    if (blank(a) || tokens.empty()) return fallback;
    if (const auto v = parse_list_real(tokens.front())) return *v;
    say_expected("A number");
  }
}

std::vector<double> Dialogue::reals_or(std::string_view prompt,
                                       const std::vector<double>& fallbacks) {
  for (;;) {
    const std::string a = answer(prompt);
    const auto tokens = list_tokens(a);
    if (blank(a) || tokens.empty()) return fallbacks;
    std::vector<double> values;
    for (std::size_t i = 0; i < tokens.size() && values.size() < fallbacks.size(); ++i) {
      const auto v = parse_list_real(tokens[i]);
      if (!v) break;
      values.push_back(*v);
    }
    if (values.size() == fallbacks.size()) return values;
    say_expected(std::to_string(fallbacks.size()) + " numbers");
  }
}

bool Dialogue::yes(std::string_view prompt) {
  const std::string a = answer(prompt);
  return !blank(a) && a[0] != 'n';
}

std::vector<std::int32_t> Dialogue::integers(std::string_view prompt, std::size_t count) {
  for (;;) {
    ASKLIN(io_, Units::kConsoleOut, prompt, static_cast<int>(prompt.size()));
    std::vector<std::int32_t> values;
    bool bad = false;
    while (values.size() < count && !bad) {
      const std::string line = read_line(kAnswerLength);
      for (const std::string_view t : list_tokens(line)) {
        if (values.size() == count) break;
        const auto v = parse_list_integer(t);
        if (!v) {
          bad = true;
          break;
        }
        values.push_back(*v);
      }
    }
    if (!bad) return values;
    say_expected(count == 1 ? std::string("A whole number")
                            : std::to_string(count) + " whole numbers");
  }
}

double Dialogue::real(std::string_view prompt) {
  for (;;) {
    ASKLIN(io_, Units::kConsoleOut, prompt, static_cast<int>(prompt.size()));
    std::string line;
    std::vector<std::string_view> tokens;
    while (tokens.empty()) {
      line = read_line(kAnswerLength);
      tokens = list_tokens(line);
    }
    if (const auto v = parse_list_real(tokens.front())) return *v;
    say_expected("A number");
  }
}

}  // namespace velkan
