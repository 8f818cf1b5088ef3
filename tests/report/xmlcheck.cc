// Well-formedness of XML, checked in one pass with a stack of open tags.
#include "report/xmlcheck.h"

#include <cctype>
#include <set>
#include <vector>

namespace velkan::test {
namespace {

bool name_char(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' ||
         c == '.';
}

class Checker {
 public:
  explicit Checker(std::string_view s) : s_(s) {}

  std::string run() {
    if (s_.starts_with("<?xml")) skip_past("?>");
    while (p_ < s_.size()) {
      if (!fault_.empty()) return fault_;
      if (s_[p_] == '<') {
        tag();
      } else {
        text();
      }
    }
    if (fault_.empty() && !open_.empty()) fail("<" + open_.back() + "> never closed");
    if (fault_.empty() && roots_ != 1) fail("not one root element");
    return fault_;
  }

 private:
  void fail(const std::string& why) {
    if (fault_.empty()) fault_ = why + " at byte " + std::to_string(p_);
  }
  void skip_past(std::string_view end) {
    const std::size_t at = s_.find(end, p_);
    if (at == std::string_view::npos) return fail("no " + std::string(end));
    p_ = at + end.size();
  }
  std::string name() {
    const std::size_t from = p_;
    while (p_ < s_.size() && name_char(s_[p_])) ++p_;
    if (p_ == from) fail("name expected");
    return std::string(s_.substr(from, p_ - from));
  }
  void blanks() {
    while (p_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[p_]))) ++p_;
  }
  void reference() {
    const std::size_t end = s_.find(';', p_);
    if (end == std::string_view::npos) return fail("& without ;");
    const std::string_view ref = s_.substr(p_ + 1, end - p_ - 1);
    static const std::set<std::string_view> known{"amp", "lt", "gt", "quot", "apos"};
    const bool numeric = ref.size() > 1 && ref[0] == '#';
    if (!numeric && !known.contains(ref)) fail("unknown entity &" + std::string(ref) + ";");
    p_ = end + 1;
  }
  void text() {
    while (p_ < s_.size() && s_[p_] != '<') {
      if (s_[p_] == '&') {
        reference();
      } else {
        if (open_.empty() && !std::isspace(static_cast<unsigned char>(s_[p_])))
          return fail("text outside the root");
        ++p_;
      }
    }
  }
  void attributes(std::set<std::string>& seen) {
    for (;;) {
      blanks();
      if (p_ >= s_.size()) return fail("tag cut short");
      if (s_[p_] == '>' || s_[p_] == '/') return;
      const std::string n = name();
      if (!seen.insert(n).second) return fail("attribute " + n + " twice");
      blanks();
      if (p_ >= s_.size() || s_[p_] != '=') return fail("= expected after " + n);
      ++p_;
      blanks();
      if (p_ >= s_.size() || (s_[p_] != '"' && s_[p_] != '\''))
        return fail("unquoted attribute " + n);
      const char q = s_[p_++];
      while (p_ < s_.size() && s_[p_] != q) {
        if (s_[p_] == '<') return fail("< in attribute " + n);
        if (s_[p_] == '&') {
          reference();
        } else {
          ++p_;
        }
      }
      ++p_;
    }
  }
  void tag() {
    if (s_.substr(p_, 4) == "<!--") return skip_past("-->");
    if (s_.substr(p_, 9) == "<!DOCTYPE") return skip_past(">");
    if (s_.substr(p_, 2) == "<?") return skip_past("?>");
    ++p_;
    if (p_ < s_.size() && s_[p_] == '/') {
      ++p_;
      const std::string n = name();
      blanks();
      if (open_.empty() || open_.back() != n) return fail("</" + n + "> closes nothing open");
      open_.pop_back();
      if (p_ >= s_.size() || s_[p_] != '>') return fail("> expected");
      ++p_;
      return;
    }
    const std::string n = name();
    if (open_.empty()) ++roots_;
    std::set<std::string> seen;
    attributes(seen);
    if (!fault_.empty()) return;
    if (s_[p_] == '/') {
      ++p_;
      if (p_ >= s_.size() || s_[p_] != '>') return fail("> expected after /");
      ++p_;
      return;
    }
    ++p_;
    open_.push_back(n);
  }

  std::string_view s_;
  std::size_t p_ = 0;
  std::vector<std::string> open_;
  int roots_ = 0;
  std::string fault_;
};

}  // namespace

std::string xml_fault(std::string_view text) {
  return Checker(text).run();
}

}  // namespace velkan::test
