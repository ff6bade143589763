// Three-digit numbers with leading zeros in the doubled digit glyphs.
#include "draw/number.h"

#include "data/tables.h"
#include "draw/doubling.h"
#include "runtime/display.h"

namespace {

constexpr std::uint32_t PowersOfTen[3] = {1, 10, 100};

void DrawDigit(std::uint32_t digit, std::uint8_t* target) {
  DrawDoubled(target, DisplayDevice.FramePitch, DigitGlyphs.data() + 32 * digit, 4, 8, 4);
}

}  // namespace

void DrawNumber(std::uint32_t value, std::uint8_t* target) {
  value %= 1000;  // three digits are all there are glyph places for
  for (int k = 2; k >= 0; --k) {
    DrawDigit(value / PowersOfTen[k], target);
    value %= PowersOfTen[k];
    target += 10;  // 5 logical pixels: the digit and a gap of one
  }
}
