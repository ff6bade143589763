// Three-digit number display with leading zeros, at screen (192, 360).
#include "draw/number.h"

#include "area/editor_state.h"
#include "draw/doubling.h"
#include "draw/tables.h"
#include "shell/display.h"

const std::uint32_t PowersOfTen[10] = {1,      10,      100,      1000,      10000,
                                       100000, 1000000, 10000000, 100000000, 1000000000};

void DrawAreaNumber() {
  LockFrame();
  DrawNumber(static_cast<std::uint32_t>(AreaEditorState.currentArea), FramePixel(192, 360));
  UnlockFrame();
}

void DrawNumber(std::uint32_t value, std::uint8_t* target) {
  value %= 1000;  // three digits are all there are glyph places for
  for (int k = 2; k >= 0; --k) {
    DrawDigit(value / PowersOfTen[k], target);
    value %= PowersOfTen[k];
    target += 10;  // 5 logical pixels: the digit and a gap of one
  }
}

void DrawDigit(std::uint32_t digit, std::uint8_t* target) {
  DrawDoubled(target, DisplayDevice.FramePitch, DigitGlyphs.data() + 32 * digit, 4, 8, 4);
}
