// The help page: its text and font, the page as drawn, its loop, and the ways
// it is left.
#include "shell/help_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "area/editor_state.h"
#include "draw/cursor.h"
#include "draw/tables.h"
#include "shell/display.h"
#include "shell/program.h"
#include "tests/platform_double.h"

namespace {

std::vector<std::string> HelpLines() {
  std::vector<std::string> lines;
  std::string text = HelpText;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "text after the last line feed";
  return lines;
}

const std::uint8_t* Glyph(int code) { return HelpFont.data() + 128 * code; }

bool GlyphBlank(int code) {
  for (int i = 0; i < 128; ++i)
    if (Glyph(code)[i] != 0) return false;
  return true;
}

int InkAt(int code, int x, int y) { return Glyph(code)[8 * y + x] != 0 ? 1 : 0; }

TEST(HelpText, HasNineteenLinesOfPrintableText) {
  std::vector<std::string> lines = HelpLines();
  ASSERT_EQ(lines.size(), 19u);
  std::size_t longest = 0;
  for (const std::string& line : lines) {
    longest = std::max(longest, line.size());
    for (char c : line) EXPECT_TRUE(c >= 32 && c <= 126) << line;
  }
  EXPECT_EQ(longest, 64u);
  EXPECT_EQ(lines[0], "Tesselle v 1.0");
  EXPECT_EQ(lines[5], "F4 - animate currently selected area (please remember to update)");
  for (int empty : {1, 8, 14}) EXPECT_EQ(lines[static_cast<std::size_t>(empty)], "");
  // The dashes of the three key lines stand in one column.
  EXPECT_EQ(lines[10].find('-'), 6u);
  EXPECT_EQ(lines[11].find('-'), 6u);
  EXPECT_EQ(lines[12].find('-'), 6u);
  EXPECT_EQ(lines[12], "TAB   - swich between editor and selector windows");
  EXPECT_EQ(lines[18], "V - paste selected block at cursor position");
}

TEST(HelpFont, IsInkOnGroundWithTheBlankCodesBlank) {
  for (std::uint8_t value : HelpFont) ASSERT_TRUE(value == 0 || value == 25);
  EXPECT_TRUE(GlyphBlank(0));
  EXPECT_TRUE(GlyphBlank(32));
  EXPECT_TRUE(GlyphBlank(255));
  // Every other code has a picture, a letter, a sign or a piece of a frame.
  for (int code = 1; code < 255; ++code)
    if (code != 32) {
      EXPECT_FALSE(GlyphBlank(code)) << code;
    }
  // No two printable ASCII characters look alike.
  for (int a = 33; a < 127; ++a)
    for (int b = a + 1; b < 127; ++b)
      EXPECT_NE(std::memcmp(Glyph(a), Glyph(b), 128), 0) << char(a) << " " << char(b);
}

TEST(HelpFont, PrintableAsciiKeepsToItsRowsAndColumns) {
  for (int code = 33; code < 127; ++code) {
    SCOPED_TRACE(testing::Message() << "'" << char(code) << "'");
    for (int x = 0; x < 8; ++x) EXPECT_EQ(InkAt(code, x, 15), 0);  // row 15 blank
    if (code != '*' && code != '_') {
      for (int y = 0; y < 16; ++y) EXPECT_EQ(InkAt(code, 7, y), 0);  // column 7 blank
    }
    bool capitalOrDigit = (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9');
    if (!capitalOrDigit) continue;
    int lastRow = code == 'Q' ? 13 : 11;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 8; ++x)
        if (y < 2 || y > lastRow) {
          EXPECT_EQ(InkAt(code, x, y), 0) << x << ", " << y;
        }
  }
  // Descenders reach below the capitals.
  for (int code : {'g', 'j', 'p', 'q', 'y'}) {
    int ink = 0;
    for (int x = 0; x < 8; ++x) ink += InkAt(code, x, 13) + InkAt(code, x, 14);
    EXPECT_GT(ink, 0) << char(code);
  }
}

TEST(HelpFont, FollowsCodePage852) {
  // Accented letters are their base letter with a mark added above or below.
  auto addsTo = [](int accented, int base) {
    int added = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 8; ++x) added += InkAt(accented, x, y) != InkAt(base, x, y);
    return added > 0 && added < 24;
  };
  EXPECT_TRUE(addsTo(0xA0, 'a'));  // a acute
  EXPECT_TRUE(addsTo(0xA5, 'a'));  // a ogonek
  EXPECT_TRUE(addsTo(0xE7, 's'));  // s caron
  EXPECT_TRUE(addsTo(0x9D, 'L'));  // L stroke
  EXPECT_TRUE(addsTo(0x82, 'e'));  // e acute
  // Full block, lower and upper half blocks.
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(InkAt(0xDB, x, y), 1);
      EXPECT_EQ(InkAt(0xDC, x, y), y >= 8 ? 1 : 0);
      EXPECT_EQ(InkAt(0xDF, x, y), y < 8 ? 1 : 0);
    }
  // A horizontal line runs through every column, a vertical one every row.
  int across = 0, down = 0;
  for (int i = 0; i < 8; ++i) across += InkAt(0xC4, i, 8) + InkAt(0xC4, i, 7);
  for (int i = 0; i < 16; ++i) down += InkAt(0xB3, 3, i) + InkAt(0xB3, 4, i);
  EXPECT_GE(across, 8);
  EXPECT_GE(down, 16);
}

class HelpPage : public ::testing::Test {
 protected:
  void SetUp() override {
    dbl::EnterTempDir();
    dbl::WriteTestBank();
    dbl::Reset();
    dbl::AnswerOpen("");
  }
};

TEST_F(HelpPage, DrawsTheTextInBandsSeventeenRowsApart) {
  for (std::int32_t pitch : {640, 1000}) {
    SCOPED_TRACE(testing::Message() << "pitch " << pitch);
    dbl::Reset(pitch);
    dbl::AnswerOpen("");
    std::vector<std::uint8_t> page;
    dbl::Key(VK_F1);
    dbl::Do([&] { page = dbl::Screen(); });
    dbl::Key(VK_ESCAPE);
    EXPECT_EQ(dbl::RunProgram(), 0u);

    ASSERT_EQ(page.size(), 640u * 480u);
    for (std::uint8_t value : page) ASSERT_TRUE(value == 0 || value == 25);
    std::vector<std::string> lines = HelpLines();
    for (int y = 0; y < 480; ++y) {
      int line = y / 17, row = y % 17;
      for (int x = 0; x < 640; ++x) {
        int column = x / 8;
        std::uint8_t expected = 0;
        if (line < 19 && row < 16 && column < static_cast<int>(lines[line].size()))
          expected = Glyph(static_cast<std::uint8_t>(lines[line][column]))[8 * row + x % 8];
        ASSERT_EQ(page[640 * y + x], expected) << x << ", " << y;
      }
    }
    // The last line ends at row 321.
    int inkInLastLine = 0;
    for (int x = 0; x < 640; ++x) inkInLastLine += page[640 * 316 + x] != 0;
    EXPECT_GT(inkInLastLine, 0);
  }
}

TEST_F(HelpPage, OtherKeysChangeNothingAndEscRestoresTheScreen) {
  std::vector<std::uint8_t> before, page, after;
  std::vector<std::uint64_t> blanks;
  AreaEditorStateRecord state{};
  std::uint32_t colour = 0;
  dbl::Do([&] {
    before = dbl::Screen();
    state = AreaEditorState;
    colour = CursorColourCounter;
    ShowHelpPage();
    after = dbl::Screen();
  });
  dbl::Do([&] {
    page = dbl::Screen();
    blanks.push_back(emu::Display.verticalBlanks);
  });
  for (OsWParam key : {VK_F1, OsWParam{'A'}, VK_RIGHT, VK_TAB, VK_F4, VK_F5}) dbl::Key(key, true);
  dbl::Do([&] {
    blanks.push_back(emu::Display.verticalBlanks);
    EXPECT_TRUE(dbl::Screen() == page);
    EXPECT_EQ(std::memcmp(&AreaEditorState, &state, sizeof state), 0);
    EXPECT_EQ(CursorColourCounter, colour);
  });
  dbl::Message(WM_KEYUP, VK_ESCAPE);  // only a key press of Esc leaves the page
  dbl::Idle(4);
  dbl::Do([&] {
    blanks.push_back(emu::Display.verticalBlanks);
    EXPECT_TRUE(dbl::Screen() == page);
  });
  dbl::Key(VK_ESCAPE);
  EXPECT_EQ(dbl::RunProgram(), 0u);
  EXPECT_TRUE(before == after);
  ASSERT_EQ(blanks.size(), 3u);
  // A turn that takes a key waits one blank, any other turn two.
  EXPECT_EQ(blanks[1] - blanks[0], 6u);
  EXPECT_EQ(blanks[2] - blanks[1], 6u);  // keyup turn, then two idle turns
}

TEST_F(HelpPage, CloseRestoresTheScreenThenEndsThroughTheMainLoop) {
  // The page returns with the screen restored ...
  std::vector<std::uint8_t> before, after;
  dbl::Do([&] {
    before = dbl::Screen();
    ShowHelpPage();
    after = dbl::Screen();
    EXPECT_EQ(ProgramState.running, 0u);
  });
  dbl::Message(WM_CLOSE);
  EXPECT_EQ(dbl::RunProgram(), 0u);
  EXPECT_TRUE(before == after);

  // ... and the main loop ends the program with the wParam of the message
  // that destroyed the window, not of the quit it posted.
  dbl::Reset();
  dbl::AnswerOpen("");
  dbl::Key(VK_F1);
  dbl::Message(WM_SYSCOMMAND, SC_CLOSE);
  EXPECT_EQ(dbl::RunProgram(), SC_CLOSE);
  EXPECT_FALSE(emu::Display.modeSet);
}

TEST_F(HelpPage, QuitEndsTheProgramWithThePageShown) {
  bool restored = false;
  dbl::Do([&] {
    ShowHelpPage();
    restored = true;
  });
  dbl::Message(WM_PALETTECHANGED);  // dispatched: the page keeps going
  dbl::Message(WM_QUIT, 6);
  EXPECT_EQ(dbl::RunProgram(), 6u);
  EXPECT_FALSE(restored);
  EXPECT_FALSE(emu::Display.modeSet);
}

}  // namespace
