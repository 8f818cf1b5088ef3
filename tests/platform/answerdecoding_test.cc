// Decoding of the console input: byte-order marks dropped, UTF-16 in either
// byte order handed on as UTF-8, in whatever pieces the bytes arrive.
#include "platform/answerdecoding.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/units.h"

namespace velkan {
namespace {

// `text` in UTF-16 of either byte order.
std::string utf16(std::u16string_view text, bool little) {
  std::string bytes;
  for (const char16_t u : text) {
    const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
    bytes += little ? std::string{low, high} : std::string{high, low};
  }
  return bytes;
}

std::string decoded(std::string_view input, std::size_t piece) {
  AnswerDecoder d;
  std::string out;
  for (std::size_t at = 0; at < input.size(); at += piece) d.decode(input.substr(at, piece), out);
  d.finish(out);
  return out;
}

TEST(AnswerDecoding, MarksAndUtf16GiveUtf8InPiecesOfAnySize) {
  const std::string le = "\xFF\xFE", be = "\xFE\xFF";
  struct Case {
    const char* what;
    std::string input, want;
  } cases[] = {
      {"plain", "riser.lis\n\n", "riser.lis\n\n"},
      {"empty", "", ""},
      {"UTF-8 mark", "\xEF\xBB\xBFriser.lis\r\n", "riser.lis\r\n"},
      {"UTF-8 mark alone", "\xEF\xBB\xBF", ""},
      {"a mark only at the start", "a\xEF\xBB\xBF\n", "a\xEF\xBB\xBF\n"},
      {"the start of a mark that never comes", "\xEF\xBBx", "\xEF\xBBx"},
      {"the start of a mark, then the end", "\xEF\xBB", "\xEF\xBB"},
      {"a lone FF", "\xFF", "\xFF"},
      {"UTF-16 LE", le + utf16(u"riser.lis\r\n1.5\r\n", true), "riser.lis\r\n1.5\r\n"},
      {"UTF-16 BE", be + utf16(u"riser.lis\n", false), "riser.lis\n"},
      {"beyond ASCII", le + utf16(u"m\u00f3del \u6a21.vom\n", true),
       "m\xC3\xB3"
       "del \xE6\xA8\xA1.vom\n"},
      {"a surrogate pair", be + utf16(u"\U0001F30A\n", false), "\xF0\x9F\x8C\x8A\n"},
      {"a lone high surrogate", le + utf16(u"\xD83Cx", true), "\xEF\xBF\xBDx"},
      {"a lone low surrogate", le + utf16(u"\xDF0Ax", true), "\xEF\xBF\xBDx"},
      {"a high surrogate at the end", le + utf16(u"a\xD83C", true), "a\xEF\xBF\xBD"},
      {"an odd last byte", le + utf16(u"a", true) + "b", "a\xEF\xBF\xBD"},
      {"a UTF-16 mark alone", be, ""},
  };
  for (const Case& c : cases) {
    for (const std::size_t piece : {1u, 2u, 3u, 1000u}) {
      EXPECT_EQ(decoded(c.input, piece), c.want) << c.what << ", pieces of " << piece;
    }
  }
}

TEST(AnswerDecoding, TheConsoleReadsLinesOfEveryEncodingAlike) {
  const std::vector<std::string> want = {"riser.lis", "",
                                         "m\xC3\xB3"
                                         "del.vom",
                                         "<eof>"};
  for (const std::string& input : {std::string("riser.lis\n\nm\xC3\xB3"
                                               "del.vom\n"),
                                   std::string("\xEF\xBB\xBFriser.lis\r\n\r\nm\xC3\xB3"
                                               "del.vom"),
                                   "\xFF\xFE" + utf16(u"riser.lis\r\n\r\nm\u00f3del.vom\r\n", true),
                                   "\xFE\xFF" + utf16(u"riser.lis\n\nm\u00f3del.vom", false)}) {
    std::istringstream in(input);
    std::ostringstream out;
    Units units(in, out);
    for (const std::string& line : want) {
      std::string got;
      const int rc = units.read_line(Units::kConsoleIn, got);
      EXPECT_EQ(rc == kEndOfFile ? "<eof>" : got, line);
    }
  }
}

TEST(AnswerDecoding, ALineCutAtTheAnswerBoundIsTold) {
  const std::string bound(Units::kLongestAnswer, 'a');
  struct Case {
    std::string line;
    bool cut;
  } cases[] = {
      {bound, false},      {bound + "\r", false},    {bound + "      ", false},
      {bound + "b", true}, {bound + "   b  ", true}, {"short", false},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.line + "\nnext\n");
    std::ostringstream out;
    Units units(in, out);
    std::string got;
    ASSERT_EQ(units.read_line(Units::kConsoleIn, got), 0);
    EXPECT_EQ(units.console_line_cut(), c.cut) << c.line.size();
    EXPECT_EQ(got.size(), std::min(c.line.size(), Units::kLongestAnswer));
    ASSERT_EQ(units.read_line(Units::kConsoleIn, got), 0);
    EXPECT_FALSE(units.console_line_cut());
  }
}

}  // namespace
}  // namespace velkan
