// A small JSON reader for the tests of the conversion report: the whole text
// parsed into a tree, which fails the test on any fault of the syntax.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velkan::test {

struct JsonValue {
  enum class Kind { kNull, kBoolean, kNumber, kText, kArray, kObject };
  Kind kind = Kind::kNull;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;

  // The member `key` of an object, the item `i` of an array; a null value
  // (and a test failure) when there is none.
  const JsonValue& operator[](std::string_view key) const;
  const JsonValue& operator[](std::size_t i) const;
  bool has(std::string_view key) const;
  std::size_t size() const { return kind == Kind::kArray ? items.size() : members.size(); }
};

// The value of a JSON text; a null value, with the test failed, when the text
// is no JSON (the reason and where it was found in the failure).
JsonValue parse_json(std::string_view text);

}  // namespace velkan::test
