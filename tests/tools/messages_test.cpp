// What the tools print of their input: every byte that is not part of a
// printable character escaped by the rule the headless driver shares, and a
// long word quoted in part, once.
#include <gtest/gtest.h>

#include "platform/printable.h"
#include "tests/tools/tools_test_util.h"

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

TEST(ToolMessages, HostileInputReachesTheTerminalEscapedAndInPart) {
  std::string dir = NewScratchDir("tools");
  const std::string bank = BANK_EXE " ", export_ = EXPORT_EXE " ";
  const std::string set = " " DEMO_DIR "/Areas.out --dir " DEMO_DIR;
  ASSERT_EQ(RunIn(dir, bank + "export --dir " DEMO_DIR " -o good.png").status, 0);
  WriteText(dir + "/title.txt", "1 2\n\x1B]0;owned\a 5\n");
  WriteText(dir + "/clear.txt",
            "\x1B[2J\xC2\x9B"
            "2J\x9B 5\n");
  WriteText(dir + "/long.txt", "1 " + std::string((1 << 20) - 3, 'x'));
  const std::string hostile =
      "'\x1B[31m\xC2\x9B"
      "1m\x9B\a'";  // one word for the shell
  const std::pair<std::string, int> cases[] = {
      {bank + "import good.png --anim title.txt", 1},
      {bank + "import good.png --anim clear.txt", 1},
      {bank + "import good.png --anim long.txt", 1},
      {bank + "import " + hostile + ".png", 1},
      {bank + "import good.png --anim " + hostile, 1},
      {bank + "info --dir " + hostile, 1},
      {bank + hostile, 1},
      {bank + "info --" + hostile, 1},
      {bank + "info --" + std::string(100000, 'o'), 1},
      {export_ + "png" + set + " --area " + hostile + " -o out.png", 1},
      {export_ + "png" + set + " --area " + std::string(100000, '9') + " -o out.png", 1},
      {export_ + "png" + set + " --world --bounds " + hostile + " -o out.png", 1},
      {export_ + "png" + set + " --area 1 -o " + hostile + "/out.png", 1},
      {export_ + "tiled" + set + " -o " + hostile, 0}};
  for (const auto& [command, status] : cases) {
    RunResult result = RunIn(dir, command);
    EXPECT_EQ(result.status, status) << Excerpt(command) << result.err;
    EXPECT_LT(result.err.size() + result.out.size(), 1000u) << Excerpt(command);
    EXPECT_TRUE(testbank::PrintableLines(result.err)) << Excerpt(command) << result.err;
    EXPECT_TRUE(testbank::PrintableLines(result.out)) << Excerpt(command) << result.out;
  }
}

}  // namespace
