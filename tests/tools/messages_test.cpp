// What the tools print of their input: every byte that is not part of a
// printable character escaped by the rule the headless driver shares, and a
// long word quoted in part, once. The tools' refusals of hostile input are
// with the bank tool's outputs.
#include <gtest/gtest.h>

#include "platform/printable.h"

namespace {

TEST(Printable, EscapesEveryByteOutsideAPrintableCharacterAndCutsExcerpts) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain \xC3\xA9 \xE2\x9C\x93 \xF0\x9D\x84\x9E",
       "plain \xC3\xA9 \xE2\x9C\x93 \xF0\x9D\x84\x9E"},
      {"\x1B]0;x\a\x7F\n\t", "\\x1B]0;x\\x07\\x7F\\x0A\\x09"},
      {"\xC2\x9B"
       "2J \xC2\xA0",
       "\\xC2\\x9B2J \xC2\xA0"},                                    // C1 CSI; no-break space
      {"\x9B\xC3(\xE2\x82", "\\x9B\\xC3(\\xE2\\x82"},               // stray and cut sequences
      {"\xC0\xAF \xE0\x80\xAF \xED\xA0\x80 \xF4\x90\x80\x80 \xF5",  // overlong, surrogate,
       "\\xC0\\xAF \\xE0\\x80\\xAF \\xED\\xA0\\x80 \\xF4\\x90\\x80\\x80 \\xF5"}};  // > U+10FFFF
  for (const auto& [text, printed] : cases) {
    EXPECT_EQ(Printable(text), printed);
    EXPECT_EQ(Printable(printed), printed) << "escaping twice changes nothing";
  }
  const std::string a199(199, 'a');
  const std::pair<std::string, std::string> excerpts[] = {
      {a199 + "b", a199 + "b"},
      {a199 + "bc", a199 + "b..."},
      {a199 + "\xC3\xA9", a199 + "..."},  // never half a character
      {a199 + "\x1B"
              "c",
       a199 + "\\x1B..."},
      {std::string(16 << 20, '\x1B'), [] {
         std::string out;
         for (int i = 0; i < 200; ++i) out += "\\x1B";
         return out + "...";
       }()}};
  for (const auto& [text, excerpt] : excerpts) EXPECT_EQ(Excerpt(text), excerpt);
}

}  // namespace
