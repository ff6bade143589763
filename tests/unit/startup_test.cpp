// Start-up, the main loop's turns, the window procedure and every way the
// program ends, against the platform double.
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <tuple>

#include "app/program.h"
#include "runtime/display.h"
#include "runtime/state_records.h"
#include "tests/unit/program_test.h"

namespace {

using Startup = ProgramTest;

// In a process of its own every listed record holds its start-up value. After
// a run through the editors, the preview and the Word Map has changed them, a
// reset puts every byte back; the names of those it misses are printed.
void RunThenResetAndCompare() {
  std::vector<std::vector<std::uint8_t>> start;
  for (const StateRecord* r = FirstStateRecord(); r != nullptr; r = r->next)
    start.emplace_back(static_cast<const std::uint8_t*>(r->address),
                       static_cast<const std::uint8_t*>(r->address) + r->size);
  dbl::EnterTempDir();
  dbl::WriteTestBank();
  dbl::Reset();
  dbl::Key(VK_RIGHT, true);
  dbl::Key(VK_DOWN, true);
  for (OsWParam key :
       {VK_SPACE, VK_ADD, VK_F2, VK_F4, VK_ESCAPE, VK_F5, VK_TAB, VK_DOWN, VK_ESCAPE})
    dbl::Key(key);
  dbl::Idle(20);
  dbl::RunProgram();
  ResetProgram();
  int missed = 0;
  std::size_t i = 0;
  for (const StateRecord* r = FirstStateRecord(); r != nullptr; r = r->next, ++i)
    if (std::memcmp(r->address, start[i].data(), r->size) != 0)
      std::cerr << r->name << '\n', ++missed;
  std::exit(missed);
}

TEST(Reset, AFreshResetEqualsAFreshStart) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // the child starts the binary afresh
  EXPECT_EXIT(RunThenResetAndCompare(), testing::ExitedWithCode(0), "");
}

TEST_F(Startup, StartStateThenIdleTurnsOfTwoBlanksAndKeyTurnsOfOne) {
  Pace pace;
  pace.Note();  // first PeekMessage: after one WaitFrame
  // Area 0 in the editor window, the cursor at (0, 0), the mode set without a
  // mouse pointer, the bank's palette, one blank and one colour step.
  dbl::Do([] {
    const AreaEditorStateRecord& s = AreaEditorState;
    EXPECT_EQ(
        std::make_tuple(s.currentArea, s.activeWindow, s.cursorX, s.cursorY, emu::CursorVisible(),
                        emu::Display.modeSet, emu::Display.inForce[1].red,
                        emu::Display.verticalBlanks, CursorColourCounter),
        std::make_tuple(0, 0, 0, 0, false, true, 4, 1u, 1u));
  });
  dbl::Idle(4);  // two idle turns of two blanks each
  pace.Note();
  dbl::Key('Q');  // the key comes in the next turn, which has no second blank
  pace.Note();
  dbl::Idle(32);  // sixteen idle turns: the colour counter comes round
  pace.Note();
  EXPECT_EQ(dbl::RunProgram(), 0u);
  EXPECT_EQ(pace.Steps(), (decltype(pace.Steps()){{4, 2}, {1, 1}, {32, 0}}));
  EXPECT_EQ(dbl::Calls.openDialogs, 1);
}

// Each way of ending, from the editor, the help page (F1) and the animation
// preview (F4): the exit code, and whether the desktop mode is back. (A quit,
// a close and the end of the input are among the headless exit tests.)
TEST_F(Startup, EveryWayOfEndingGivesItsExitCode) {
  const struct {
    std::vector<OsWParam> keys;
    std::vector<std::array<std::uint32_t, 3>> messages;  // message, wParam, lParam
    std::uint32_t code;
    bool modeSet;
  } ends[] = {
      // Alt+F4: the system command's wParam is the one in the record at the end.
      {{}, {{WM_SYSKEYDOWN, VK_F4, 0x20000001}}, SC_CLOSE, false},
      {{}, {{WM_SYSKEYDOWN, VK_F4, 1}, {WM_QUIT, 3, 0}}, 3, false},  // no Alt: no close
      // A dispatch that destroys the window ends the program through the
      // running flag, with that message's wParam, not the posted quit's.
      {{}, {{WM_SYSCOMMAND, SC_CLOSE | 0x3, 0}}, SC_CLOSE | 0x3, false},
      {{VK_F1}, {{WM_SYSCOMMAND, SC_CLOSE, 0}}, SC_CLOSE, false},
      {{VK_F1}, {{WM_PALETTECHANGED, 0, 0}, {WM_QUIT, 6, 0}}, 6, false},  // the page goes on
      {{VK_F4}, {{WM_QUIT, 9, 0}}, 9, false},
      // The preview ends at once on a destroy, with no orderly shutdown.
      {{VK_F4}, {{WM_SYSCOMMAND, SC_CLOSE, 0}}, SC_CLOSE, true},
  };
  for (const auto& end : ends) {
    SCOPED_TRACE(testing::Message() << "ending with " << end.code);
    dbl::Reset();
    for (OsWParam key : end.keys) dbl::Key(key);
    for (const auto& [message, wParam, lParam] : end.messages)
      dbl::Message(message, wParam, lParam);
    EXPECT_EQ(dbl::RunProgram(), end.code);
    EXPECT_EQ(std::pair(emu::Display.modeSet, emu::CursorVisible()),
              std::pair(end.modeSet, !end.modeSet));
  }
}

TEST_F(Startup, PaletteMessagesAndALostSurface) {
  dbl::Do([] {
    // Palette messages bring the cell bank's colours back (their values are
    // checked end to end by the palette dump).
    auto bank = std::to_array(emu::Display.inForce);
    for (std::uint32_t message : {WM_QUERYNEWPALETTE, WM_PALETTEISCHANGING, WM_PALETTECHANGED}) {
      std::memset(emu::Display.inForce, 0x55, sizeof emu::Display.inForce);
      EXPECT_EQ(WndProc(ProgramState.mainWindow, message, 0, 0), 0);
      EXPECT_EQ(std::memcmp(emu::Display.inForce, bank.data(), sizeof bank), 0) << message;
    }
    EXPECT_EQ(ProgramState.running, 1u);
  });
  // Any number of palette messages leave the same colours and no leak of
  // palette objects (the emulation has only a few).
  for (int i = 0; i < 20; ++i) dbl::Message(WM_PALETTECHANGED);
  dbl::Do([] { EXPECT_EQ(emu::Display.inForce[63].red, 252); });
  // A lost surface is restored and the cursor drawn on it again; failures to
  // lock or restore end the program, as the headless exit tests show.
  dbl::Do([] { emu::LoseSurface(true); });
  dbl::Key(VK_RIGHT);
  dbl::Idle(2);
  dbl::Do([] {
    EXPECT_FALSE(emu::Display.lost);
    EXPECT_NE(dbl::Screen()[32 * 640 + 96], 0);
  });
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

}  // namespace
