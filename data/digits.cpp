// The ten digit glyphs of the area number, 4 x 8 logical pixels each:
// '#' is palette index 15, '.' is index 0.
#include "data/tables.h"

namespace {

// One string per glyph row; the ten glyphs side by side, digit 0 first.
constexpr const char* DigitRows[8] = {
    ".##. .##. .##. #### #..# #### .##. #### .##. .##.",
    "#..# ..#. #..# ...# #..# #... #..# ...# #..# #..#",
    "#..# ..#. ...# ..#. #..# #... #... ...# #..# #..#",
    "#..# ..#. ...# .#.. #### .##. ###. ..#. .##. .###",
    "#..# ..#. ..#. ..#. ...# ...# #..# ..#. #..# ...#",
    "#..# ..#. .#.. ...# ...# ...# #..# ..#. #..# ...#",
    "#..# ..#. #..# #..# ...# #..# #..# .#.. #..# #..#",
    ".##. .### #### .##. ...# .##. .##. .#.. .##. .##.",
};

constexpr std::array<std::uint8_t, 320> MakeDigitGlyphs() {
  std::array<std::uint8_t, 320> glyphs{};
  for (int digit = 0; digit < 10; ++digit)
    for (int row = 0; row < 8; ++row)
      for (int x = 0; x < 4; ++x)
        glyphs[32 * digit + 4 * row + x] = DigitRows[row][5 * digit + x] == '#' ? 15 : 0;
  return glyphs;
}

}  // namespace

const std::array<std::uint8_t, 320> DigitGlyphs = MakeDigitGlyphs();
