// Answers in the program's own encoding (UTF-8) whatever editor saved a file
// of them: a UTF-8 byte-order mark at the very start of the input is dropped,
// and input that starts with a UTF-16 byte-order mark (little- or big-endian)
// is UTF-16 throughout and is handed on as UTF-8, its line ends included.
// Any other input passes byte for byte. Portable: no system call.
#pragma once

#include <streambuf>
#include <string>
#include <string_view>

namespace velkan {

class AnswerDecoder {
 public:
  // Appends to `out` the text that the next `bytes` of the input complete.
  // Bytes that may still be the start of a mark, half a UTF-16 code unit and
  // the first half of a surrogate pair wait for the bytes after them.
  void decode(std::string_view bytes, std::string& out);
  // The input has ended: what still waits is appended (in UTF-16 input an odd
  // last byte or a lone surrogate as U+FFFD).
  void finish(std::string& out);
  // The next byte of the decoded input read from `in` (none: its end), as
  // std::streambuf::sbumpc() gives it.
  std::char_traits<char>::int_type next(std::streambuf* in);

 private:
  enum class Form { kUndecided, kBytes, kUtf16Le, kUtf16Be };

  bool take_mark();
  void take_unit(char16_t unit, std::string& out);

  Form form_ = Form::kUndecided;
  std::string held_;    // the start of the input while it may be a mark; half a code unit
  char16_t high_ = 0;   // a high surrogate waiting for its partner
  std::string ready_;   // decoded bytes that next() has not handed on yet
  std::size_t at_ = 0;  // the first of them
};

}  // namespace velkan
