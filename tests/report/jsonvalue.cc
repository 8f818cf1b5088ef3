// A recursive-descent JSON reader, strict about the syntax of RFC 8259.
#include "report/jsonvalue.h"

#include <gtest/gtest.h>

#include <charconv>
#include <stdexcept>

namespace velkan::test {
namespace {

const JsonValue kNull;

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}

  JsonValue document() {
    JsonValue v = value();
    blanks();
    if (p_ != s_.size()) fail("text after the value");
    return v;
  }

 private:
  [[noreturn]] void fail(const std::string& why) {
    throw std::runtime_error(why + " at byte " + std::to_string(p_));
  }
  void blanks() {
    while (p_ < s_.size() && (s_[p_] == ' ' || s_[p_] == '\n' || s_[p_] == '\t' || s_[p_] == '\r'))
      ++p_;
  }
  bool take(std::string_view word) {
    if (s_.substr(p_, word.size()) != word) return false;
    p_ += word.size();
    return true;
  }
  void expect(char c) {
    blanks();
    if (p_ >= s_.size() || s_[p_] != c) fail(std::string("'") + c + "' expected");
    ++p_;
  }

  JsonValue value() {
    blanks();
    if (p_ >= s_.size()) fail("value expected");
    JsonValue v;
    const char c = s_[p_];
    if (c == '{') return object();
    if (c == '[') return array();
    if (c == '"') {
      v.kind = JsonValue::Kind::kText;
      v.text = text();
    } else if (take("true") || take("false")) {
      v.kind = JsonValue::Kind::kBoolean;
      v.boolean = s_[p_ - 1] == 'e' && s_[p_ - 2] == 'u';
    } else if (take("null")) {
    } else {
      v.kind = JsonValue::Kind::kNumber;
      v.number = number();
    }
    return v;
  }

  double number() {
    const std::size_t start = p_;
    if (p_ < s_.size() && s_[p_] == '-') ++p_;
    const auto digits = [&] {
      const std::size_t from = p_;
      while (p_ < s_.size() && s_[p_] >= '0' && s_[p_] <= '9') ++p_;
      if (p_ == from) fail("digit expected");
    };
    if (p_ < s_.size() && s_[p_] == '0') {
      ++p_;
    } else {
      digits();
    }
    if (p_ < s_.size() && s_[p_] == '.') ++p_, digits();
    if (p_ < s_.size() && (s_[p_] == 'e' || s_[p_] == 'E')) {
      ++p_;
      if (p_ < s_.size() && (s_[p_] == '+' || s_[p_] == '-')) ++p_;
      digits();
    }
    double v = 0;
    std::from_chars(s_.data() + start, s_.data() + p_, v);
    return v;
  }

  std::string text() {
    expect('"');
    std::string out;
    while (p_ < s_.size() && s_[p_] != '"') {
      const char c = s_[p_++];
      if (static_cast<unsigned char>(c) < 0x20) fail("control character in a text");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (p_ >= s_.size()) fail("escape cut short");
      const char e = s_[p_++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out += e;
          break;
        case 'n':
          out += '\n';
          break;
        case 't':
          out += '\t';
          break;
        case 'r':
          out += '\r';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'u': {
          unsigned code = 0;
          const auto res = std::from_chars(s_.data() + p_, s_.data() + p_ + 4, code, 16);
          if (res.ptr != s_.data() + p_ + 4 || code > 0x7f)
            fail("\\u escape this reader does not take");
          out += static_cast<char>(code);
          p_ += 4;
          break;
        }
        default:
          fail("unknown escape");
      }
    }
    expect('"');
    return out;
  }

  JsonValue array() {
    JsonValue v;
    v.kind = JsonValue::Kind::kArray;
    expect('[');
    blanks();
    if (take("]")) return v;
    for (;;) {
      v.items.push_back(value());
      blanks();
      if (take("]")) return v;
      expect(',');
    }
  }

  JsonValue object() {
    JsonValue v;
    v.kind = JsonValue::Kind::kObject;
    expect('{');
    blanks();
    if (take("}")) return v;
    for (;;) {
      blanks();
      std::string key = text();
      for (const auto& [k, m] : v.members) {
        if (k == key) fail("key \"" + key + "\" twice");
      }
      expect(':');
      v.members.emplace_back(std::move(key), value());
      blanks();
      if (take("}")) return v;
      expect(',');
    }
  }

  std::string_view s_;
  std::size_t p_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view key) const {
  for (const auto& [k, v] : members) {
    if (k == key) return v;
  }
  ADD_FAILURE() << "no member \"" << key << "\"";
  return kNull;
}

const JsonValue& JsonValue::operator[](std::size_t i) const {
  if (kind == Kind::kArray && i < items.size()) return items[i];
  ADD_FAILURE() << "no item " << i;
  return kNull;
}

bool JsonValue::has(std::string_view key) const {
  for (const auto& [k, v] : members) {
    if (k == key) return true;
  }
  return false;
}

JsonValue parse_json(std::string_view text) {
  try {
    return Parser(text).document();
  } catch (const std::runtime_error& e) {
    ADD_FAILURE() << "not JSON: " << e.what();
    return {};
  }
}

}  // namespace velkan::test
