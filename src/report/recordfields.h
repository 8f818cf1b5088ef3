// The fields of one line of a Vomar model file: its blank-separated words,
// and the numbers read from them in the forms the model file's edits write
// (Iw integers; Fw.d and 1P Ew.d reals, also with a three-digit exponent that
// takes the letter's place, 1.000+100), told apart from a field of asterisks
// (a value that did not fit its field) and from values that are not finite.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velkan {

// What keeps a field from being the number wanted.
enum class FieldProblem {
  kNone,
  kAsterisks,  // a value too wide for its field
  kNotFinite,  // NaN, Inf, Infinity or a value beyond 1E308
  kNotNumber,
  kNotWhole,   // a number, but an integer is wanted
  kOutOfRange  // a whole number beyond 32 bits
};

// How a problem reads in a fault line, behind the name of the field.
std::string_view problem_text(FieldProblem problem);

// The words of a line, separated by blanks or tabs. A run of asterisks is a
// field of its own: it fills its whole field, so that nothing separates it
// from the value written before it. Only the first kKept fields are kept;
// size() counts them all.
class LineFields {
 public:
  static constexpr std::size_t kKept = 24;
  explicit LineFields(std::string_view line);
  std::size_t size() const { return count_; }
  // Field k (from 0) of the kept ones; empty beyond them.
  std::string_view operator[](std::size_t k) const {
    return k < count_ && k < kKept ? line_.substr(from_[k], to_[k] - from_[k]) : "";
  }

 private:
  std::string_view line_;
  // Where each kept field begins and ends in the line; only the first
  // min(count_, kKept) entries are set (a line is split millions of times).
  std::array<std::size_t, kKept> from_, to_;
  std::size_t count_ = 0;
};

// An integer as Iw writes it: an optional sign and digits, within 32 bits.
FieldProblem read_integer(std::string_view field, std::int32_t& value);
// A real as Fw.d, 1P Ew.d or a plain integer writes it: an optional sign,
// digits with an optional point and an optional exponent (E, e, D or d with
// an optional sign, or a sign alone before three digits). A value too small
// for a double reads as 0. `value` is NaN when the field is not a finite number.
FieldProblem read_real(std::string_view field, double& value);
// Whether the field holds a value rather than a word: a number, or what
// stands in a value's place when it did not fit or is not finite.
bool holds_value(std::string_view field);

}  // namespace velkan
