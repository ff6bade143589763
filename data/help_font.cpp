// The help page's font: 256 glyphs of 8 x 16 pixels, glyph n at byte 128 n, 16
// rows of 8 palette indices, ink 25 on ground 0, unpacked from the hex rows of
// data/help_glyphs.h (Terminus Font; see data/FONT-LICENSE.md).
#include "data/help_glyphs.h"
#include "data/tables.h"

namespace {

constexpr std::uint8_t Ground = 0;
constexpr std::uint8_t Ink = 25;
constexpr int GlyphWidth = 8;
constexpr int GlyphBytes = GlyphWidth * HelpGlyphHeight;
using Font = std::array<std::uint8_t, 256 * GlyphBytes>;

constexpr int HexDigit(char c) { return c <= '9' ? c - '0' : c - 'a' + 10; }

constexpr Font MakeHelpFont() {
  Font font{};
  for (int code = 0; code < 256; ++code) {
    for (int row = 0; row < HelpGlyphHeight; ++row) {
      int bits = 16 * HexDigit(GlyphRows[code][2 * row]) + HexDigit(GlyphRows[code][2 * row + 1]);
      for (int x = 0; x < GlyphWidth; ++x)
        font[GlyphBytes * code + GlyphWidth * row + x] = (bits & (0x80 >> x)) != 0 ? Ink : Ground;
    }
  }
  return font;
}

}  // namespace

const Font HelpFont = MakeHelpFont();
