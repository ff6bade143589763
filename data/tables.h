// The picture data that ships with the program: the area editor's background,
// the cursor masks and the digit glyphs.
#pragma once

#include <array>
#include <cstdint>

constexpr int BackgroundWidth = 320;  // logical pixels, drawn doubled
constexpr int BackgroundHeight = 240;

extern const std::array<std::uint8_t, BackgroundWidth * BackgroundHeight> BackgroundImage;
extern const std::array<std::uint8_t, 16 * 16> CursorMask;
extern const std::array<std::uint8_t, 16 * 10> WordMapCursorMask;  // over a 32 x 20 slot
extern const std::array<std::uint8_t, 10 * 32> DigitGlyphs;        // 4 x 8 each, in digit order

constexpr int HelpGlyphHeight = 16;  // the help page's font: 8 x 16 per code, ink 25 on 0
extern const std::array<std::uint8_t, 256 * 8 * HelpGlyphHeight> HelpFont;
