// The help page: its font, its loop, and the ways it is left. The page as
// drawn, text and all, is checked end to end and against a golden image.
#include "screens/help_page.h"

#include <algorithm>
#include <cstring>

#include "data/tables.h"
#include "tests/unit/program_test.h"

namespace {

const std::uint8_t* Glyph(int code) { return HelpFont.data() + 128 * code; }

TEST(HelpFont, IsInkOnGroundInCodePage852) {
  for (std::uint8_t value : HelpFont) ASSERT_TRUE(value == 0 || value == 25);
  // Only the null, the space and the no-break space are blank.
  for (int code = 0; code < 256; ++code)
    EXPECT_EQ(std::all_of(Glyph(code), Glyph(code) + 128, [](int v) { return v == 0; }),
              code == 0 || code == 32 || code == 255)
        << code;
  // No two printable ASCII characters look alike.
  for (int a = 33; a < 127; ++a)
    for (int b = a + 1; b < 127; ++b)
      EXPECT_NE(std::memcmp(Glyph(a), Glyph(b), 128), 0) << char(a) << " " << char(b);
}

using HelpPage = ProgramTest;

// The ways of ending from the page, a close among them, are with the others in
// the start-up tests.
TEST_F(HelpPage, OtherKeysChangeNothingAndEscRestoresTheScreen) {
  std::vector<std::uint8_t> before, page, after;
  AreaEditorStateRecord state{};
  Pace pace;
  dbl::Do([&] {
    before = dbl::Screen(), state = AreaEditorState, ShowHelpPage(), after = dbl::Screen();
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

}  // namespace
