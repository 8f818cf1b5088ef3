// The console dialogue: prompts written on the console and answers read from
// it. A blank answer takes the prompt's default; numbers are read in free
// format; an answer that is not the number expected, or that holds more
// values than its question takes, is asked for again; the end of the console
// input, or a line that never ends, ends the conversion (EndOfInput).
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/units.h"

namespace velkan {

// The console gave no answer: its input ended, or it sent a line that never
// ended (more than Units::kLongestConsoleLine characters).
struct EndOfInput {
  bool line_without_end = false;
};

class Dialogue {
 public:
  explicit Dialogue(Units& io) : io_(io) {}

  // The answer line, cut to 80 characters.
  std::string answer(std::string_view prompt);
  // A file name: the answer up to its last non-blank character, never cut. A
  // name longer than Units::kLongestAnswer characters is asked for again.
  std::string file_name(std::string_view prompt);
  // A whole number; a blank answer gives `fallback`.
  std::int32_t integer_or(std::string_view prompt, std::int32_t fallback);
  // A real number; a blank answer gives `fallback`.
  double real_or(std::string_view prompt, double fallback);
  // As many real numbers as `fallbacks` holds; a blank answer gives them.
  std::vector<double> reals_or(std::string_view prompt, const std::vector<double>& fallbacks);
  // Yes unless the answer is blank or starts with a lower-case n.
  bool yes(std::string_view prompt);
  // `count` whole numbers in free format, read over as many lines as needed;
  // the line that completes them may hold no more.
  std::vector<std::int32_t> integers(std::string_view prompt, std::size_t count);
  // One real number in free format; empty lines are skipped.
  double real(std::string_view prompt);

  // An answer given before its question is asked (an option of the command
  // line): the next time `prompt` is asked, `answer` is taken as if it had
  // been typed, and shown after the prompt. Answers given for one prompt are
  // taken in turn; a question without one left is asked on the console.
  void give(std::string_view prompt, std::string answer);
  // Whether an answer given for `prompt` is still untaken.
  bool has_given(std::string_view prompt) const;

 private:
  template <typename T>
  std::vector<T> values_or(std::string_view prompt, const std::vector<T>& fallbacks);
  template <typename T>
  std::vector<T> values(std::string_view prompt, std::size_t count);
  void ask(std::string_view prompt);
  std::string read_line(std::size_t length);
  void say_expected(std::size_t count, bool whole);
  void say_too_many(std::size_t count, bool whole, std::string_view answer);

  Units& io_;
  std::map<std::string, std::deque<std::string>, std::less<>> given_;
  std::string asked_;        // the prompt of the question being answered
  bool last_given_ = false;  // the last answer read was a given one
};

}  // namespace velkan
