// The help page: its font, its loop, and the ways it is left. The page as
// drawn, text and all, is checked end to end and against a golden image.
#include "shell/help_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "area/editor_state.h"
#include "draw/cursor.h"
#include "draw/tables.h"
#include "shell/display.h"
#include "shell/program.h"
#include "tests/unit/program_test.h"

namespace {

const std::uint8_t* Glyph(int code) { return HelpFont.data() + 128 * code; }

bool GlyphBlank(int code) {
  for (int i = 0; i < 128; ++i)
    if (Glyph(code)[i] != 0) return false;
  return true;
}

TEST(HelpFont, IsInkOnGroundInCodePage852) {
  for (std::uint8_t value : HelpFont) ASSERT_TRUE(value == 0 || value == 25);
  // Only the null, the space and the no-break space are blank.
  for (int code = 0; code < 256; ++code)
    EXPECT_EQ(GlyphBlank(code), code == 0 || code == 32 || code == 255) << code;
  // No two printable ASCII characters look alike.
  for (int a = 33; a < 127; ++a)
    for (int b = a + 1; b < 127; ++b)
      EXPECT_NE(std::memcmp(Glyph(a), Glyph(b), 128), 0) << char(a) << " " << char(b);
  // Accented letters are their base letter with a mark added above or below.
  for (auto [accented, base] : {std::pair{0xA0, 'a'}, {0xA5, 'a'}, {0xE7, 's'}, {0x9D, 'L'}}) {
    int added = 0;
    for (int i = 0; i < 128; ++i) added += (Glyph(accented)[i] != 0) != (Glyph(base)[i] != 0);
    EXPECT_TRUE(added > 0 && added < 24) << accented;
  }
  // The full block.
  for (int i = 0; i < 128; ++i) EXPECT_NE(Glyph(0xDB)[i], 0);
}

using HelpPage = ProgramTest;

TEST_F(HelpPage, OtherKeysChangeNothingAndEscRestoresTheScreen) {
  std::vector<std::uint8_t> before, page, after;
  AreaEditorStateRecord state{};
  Pace pace;
  dbl::Do([&] {
    before = dbl::Screen();
    state = AreaEditorState;
    ShowHelpPage();
    after = dbl::Screen();
  });
  dbl::Do([&] { page = dbl::Screen(); });
  pace.Note();
  for (OsWParam key : {VK_F1, OsWParam{'A'}, VK_RIGHT, VK_TAB, VK_F4, VK_F5}) dbl::Key(key, true);
  pace.Note();  // a turn that takes a key waits one blank
  dbl::Do([&] {
    EXPECT_TRUE(dbl::Screen() == page);
    EXPECT_EQ(std::memcmp(&AreaEditorState, &state, sizeof state), 0);
  });
  dbl::Message(WM_KEYUP, VK_ESCAPE);  // only a key press of Esc leaves the page
  dbl::Idle(4);
  pace.Note();  // the keyup turn, then two idle turns of two blanks
  dbl::Do([&] { EXPECT_TRUE(dbl::Screen() == page); });
  dbl::Key(VK_ESCAPE);
  EXPECT_EQ(dbl::RunProgram(), 0u);
  EXPECT_TRUE(before == after);
  // The cursor colour does not step while the page is shown.
  EXPECT_EQ(pace.Steps(), (decltype(pace.Steps()){{6, 0}, {6, 0}}));
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
