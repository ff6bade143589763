// The demo palette: greys and cursor accents, the interface's white and panel
// blues, eight ramps for the art, and single colours; 6-bit components.
#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "demo/make_demo.h"

namespace {

struct Rgb {
  int r, g, b;
};

using PaletteRgb = std::array<Rgb, 256>;

// Spreads `count` entries from `first` evenly along the colour stops.
void SetRamp(PaletteRgb& palette, int first, int count, std::initializer_list<Rgb> stops) {
  const std::vector<Rgb> s(stops);
  const int segments = static_cast<int>(s.size()) - 1;
  const int span = count - 1;
  for (int i = 0; i < count; ++i) {
    const int pos = i * segments;
    const int seg = std::min(pos / span, segments - 1);
    const int rem = pos - seg * span;
    auto mix = [&](int a, int b) { return (a * (span - rem) + b * rem + span / 2) / span; };
    palette[first + i] = {mix(s[seg].r, s[seg + 1].r), mix(s[seg].g, s[seg + 1].g),
                          mix(s[seg].b, s[seg + 1].b)};
  }
}

}  // namespace

std::array<Byte, PaletteSize> MakePalette() {
  PaletteRgb p{};
  // 0 is black and 15 the bright white of the interface lines; between them greys and strong
  // accents that cursors can use on any background.
  p[Black] = {0, 0, 0};
  const Rgb accents[14] = {{8, 8, 10},   {16, 16, 18}, {26, 26, 28}, {36, 36, 38}, {46, 46, 48},
                           {63, 16, 16}, {63, 40, 8},  {63, 60, 16}, {20, 60, 20}, {16, 52, 60},
                           {24, 32, 63}, {52, 24, 63}, {63, 32, 52}, {56, 56, 58}};
  std::copy(std::begin(accents), std::end(accents), p.begin() + 1);
  p[White] = {63, 63, 63};
  SetRamp(p, Panel, 9, {{4, 4, 8}, {28, 30, 40}});
  p[HelpInk] = {60, 60, 52};
  const Rgb spare[6] = {{63, 48, 32}, {40, 63, 40}, {40, 52, 63},
                        {63, 52, 20}, {48, 12, 12}, {12, 24, 12}};
  std::copy(std::begin(spare), std::end(spare), p.begin() + HelpInk + 1);
  SetRamp(p, Green, 32, {{2, 8, 3}, {8, 24, 6}, {20, 40, 10}, {36, 54, 18}, {52, 62, 36}});
  SetRamp(p, Earth, 32, {{6, 4, 2}, {16, 10, 5}, {28, 19, 10}, {42, 30, 18}, {54, 44, 30}});
  SetRamp(p, SandShades, 16, {{34, 28, 14}, {48, 42, 24}, {60, 56, 38}});
  SetRamp(p, Water, 32, {{0, 3, 10}, {2, 10, 26}, {8, 22, 42}, {20, 38, 56}, {44, 56, 63}});
  SetRamp(p, Fire, 32,
          {{10, 0, 0}, {36, 4, 0}, {58, 20, 0}, {63, 40, 4}, {63, 58, 24}, {63, 63, 54}});
  SetRamp(p, Stone, 32, {{5, 5, 7}, {16, 16, 19}, {30, 30, 33}, {44, 44, 46}, {58, 58, 60}});
  SetRamp(p, Brick, 16, {{14, 4, 3}, {30, 10, 6}, {44, 18, 12}, {56, 32, 24}});
  SetRamp(p, Wood, 16, {{12, 7, 3}, {26, 16, 8}, {40, 27, 14}, {54, 42, 26}});
  const Rgb single[16] = {{60, 20, 28}, {63, 40, 48}, {63, 60, 20}, {40, 30, 60},
                          {60, 60, 63}, {50, 10, 40}, {8, 6, 14},   {58, 50, 36},
                          {44, 36, 24}, {30, 40, 20}, {44, 52, 20}, {24, 30, 34},
                          {44, 48, 52}, {30, 33, 37}, {52, 28, 14}, {62, 62, 58}};
  std::copy(std::begin(single), std::end(single), p.begin() + Rose);

  std::array<Byte, PaletteSize> bytes{};
  for (int i = 0; i < 256; ++i) {
    const int c[3] = {p[i].r, p[i].g, p[i].b};
    for (int k = 0; k < 3; ++k) {
      if (c[k] < 0 || c[k] > 63) Fail("palette entry " + std::to_string(i) + " is not 6-bit");
      bytes[3 * i + k] = static_cast<Byte>(c[k]);
    }
  }
  return bytes;
}
