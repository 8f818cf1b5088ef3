// Decoding of the console input: byte-order marks and UTF-16.
#include "platform/answerdecoding.h"

#include <utility>

namespace velkan {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

bool is_high_surrogate(char32_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool is_low_surrogate(char32_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

void append_utf8(char32_t c, std::string& out) {
  const auto put = [&](char32_t v) { out.push_back(static_cast<char>(v)); };
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | (c >> 6));
    put(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    put(0xE0 | (c >> 12));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  } else {
    put(0xF0 | (c >> 18));
    put(0x80 | ((c >> 12) & 0x3F));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

bool may_become(std::string_view mark, std::string_view start) {
  return start.size() < mark.size() && mark.starts_with(start);
}

}  // namespace

// Settles the form from the bytes held at the start of the input, dropping a
// mark; false while they may still be the start of one.
bool AnswerDecoder::take_mark() {
  const std::string_view start = held_;
  for (const auto& [mark, form] :
       {std::pair{kUtf16LeMark, Form::kUtf16Le}, std::pair{kUtf16BeMark, Form::kUtf16Be},
        std::pair{kUtf8Mark, Form::kBytes}}) {
    if (start.starts_with(mark)) {
      form_ = form;
      held_.erase(0, mark.size());
      return true;
    }
  }
  if (may_become(kUtf8Mark, start) || may_become(kUtf16LeMark, start) ||
      may_become(kUtf16BeMark, start)) {
    return false;
  }
  form_ = Form::kBytes;
  return true;
}

void AnswerDecoder::decode(std::string_view bytes, std::string& out) {
  if (form_ == Form::kUndecided) {
    held_.append(bytes);
    if (!take_mark()) return;
    const std::string rest = std::exchange(held_, {});
    decode(rest, out);
    return;
  }
  if (form_ == Form::kBytes) {
    out.append(bytes);
    return;
  }
  for (const char b : bytes) {
    held_.push_back(b);
    if (held_.size() < 2) continue;
    const auto first = static_cast<unsigned char>(held_[0]);
    const auto second = static_cast<unsigned char>(held_[1]);
    held_.clear();
    const bool little = form_ == Form::kUtf16Le;
    take_unit(static_cast<char16_t>(little ? second << 8 | first : first << 8 | second), out);
  }
}

void AnswerDecoder::take_unit(char16_t unit, std::string& out) {
  if (high_ != 0) {
    const char32_t high = std::exchange(high_, char16_t{0});
    if (is_low_surrogate(unit)) {
      append_utf8(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00), out);
      return;
    }
    append_utf8(kReplacement, out);
  }
  if (is_high_surrogate(unit)) {
    high_ = unit;
    return;
  }
  append_utf8(is_low_surrogate(unit) ? kReplacement : unit, out);
}

void AnswerDecoder::finish(std::string& out) {
  if (form_ == Form::kUndecided || form_ == Form::kBytes) {
    if (!held_.empty()) form_ = Form::kBytes;  // the start of a mark that never came
    out.append(held_);
  } else {
    if (high_ != 0) append_utf8(kReplacement, out);
    if (!held_.empty()) append_utf8(kReplacement, out);
  }
  held_.clear();
  high_ = 0;
}

std::char_traits<char>::int_type AnswerDecoder::next(std::streambuf* in) {
  using traits = std::char_traits<char>;
  for (;;) {
    if (at_ < ready_.size()) return traits::to_int_type(ready_[at_++]);
    ready_.clear();
    at_ = 0;
    const traits::int_type c = in ? in->sbumpc() : traits::eof();
    if (form_ == Form::kBytes) return c;  // nothing waits in plain input
    if (traits::eq_int_type(c, traits::eof())) {
      finish(ready_);
      if (ready_.empty()) return c;
      continue;
    }
    const char byte = traits::to_char_type(c);
    decode(std::string_view(&byte, 1), ready_);
  }
}

}  // namespace velkan
