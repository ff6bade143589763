// The help page (F1): a still page of text over the saved area editor screen,
// drawn once at the display's own resolution.
#include "screens/help_page.h"

#include <cstring>

#include "data/tables.h"
#include "runtime/display.h"
#include "runtime/messages.h"
#include "runtime/screen.h"
#include "runtime/shown_screen.h"

namespace {

constexpr int GlyphWidth = 8;
constexpr int LinePitch = HelpGlyphHeight + 1;  // one blank row between lines
constexpr std::uint8_t LineFeed = 0x0A;

// The page shown: HelpText, or HelpTextMore after PgDn.
const char* ShownHelpText = HelpText;

// Draws the page's text from the screen's top-left corner, unscaled.
void DrawHelpText() {
  LockFrame();
  int penX = 0;
  int lineTop = 0;
  for (const char* text = ShownHelpText; *text != '\0'; ++text) {
    auto code = static_cast<std::uint8_t>(*text);
    if (code == LineFeed) {
      penX = 0;
      lineTop += LinePitch;
      continue;
    }
    const std::uint8_t* glyph = HelpFont.data() + GlyphWidth * HelpGlyphHeight * code;
    for (int row = 0; row < HelpGlyphHeight; ++row)
      std::memcpy(FramePixel(penX, lineTop + row), glyph + GlyphWidth * row, GlyphWidth);
    penX += GlyphWidth;
  }
  UnlockFrame();
}

// The page shown drawn again on a cleared screen.
void RedrawHelpPage() {
  ClearScreen();
  DrawHelpText();
}

// PgDn shows the second page, PgUp the first again.
void TurnHelpPage(OsWParam key) {
  const char* page = key == VK_NEXT ? HelpTextMore : key == VK_PRIOR ? HelpText : ShownHelpText;
  if (page == ShownHelpText) return;
  ShownHelpText = page;
  RedrawHelpPage();
}

// Waits for Esc, or for the running flag to be cleared; a WM_QUIT ends the
// program from inside.
void HelpPageLoop() {
  for (;;) {
    WaitFrame();
    TurnMessage taken = TakeTurnMessage();
    if (taken == TurnMessage::KeyDown) {
      if (ProgramState.message.wParam == VK_ESCAPE) return;
      TurnHelpPage(ProgramState.message.wParam);
      continue;  // other keys are dropped; the next turn starts at once
    }
    if (taken == TurnMessage::Pointer && ClickLeaves()) return;
    WaitFrame();
    WatchDisplay();
    if (ProgramState.running == 0) return;
  }
}

}  // namespace

const Screen HelpPageScreen = {DrawHelpText, RedrawHelpPage, HelpPageLoop};

void ShowHelpPage() {
  ShownHelpText = HelpText;
  RunScreen(HelpPageScreen);
}
