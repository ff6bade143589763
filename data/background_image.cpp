// The area editor's background picture, 320 x 240 logical pixels in palette
// indices 0 (ground) and 15 (lines and lettering). The frames are drawn from
// their corners; the lettering is hand-drawn below, one string per pixel row.
#include <cstddef>

#include "data/tables.h"

namespace {

constexpr std::uint8_t Ground = 0;
constexpr std::uint8_t Ink = 15;

// "Tesselle", left edge at column 30, rows 2..12.
constexpr const char* TitleRows[] = {
    "#####.....................##..##......", "..#........................#...#......",
    "..#........................#...#......", "..#........................#...#......",
    "..#........................#...#......", "..#....##...###..###..##...#...#...##.",
    "..#...#..#.#....#....#..#..#...#..#..#", "..#...####..##...##..####..#...#..####",
    "..#...#.......#....#.#.....#...#..#...", "..#...#..#....#....#.#..#..#...#..#..#",
    "..#....##..###..###...##...##..##..##.",
};

// "v.10", inside the box (270, 2)..(289, 11).
constexpr const char* VersionRows[] = {
    "........#...##.", ".......##..#..#", "........#..#..#", "........#..#..#", "........#..#..#",
    "#..#....#..#..#", "#..#....#..#..#", "#..#....#..#..#", ".##.....#..#..#", ".##..#.###..##.",
};

// "Current area:", inside the box (30, 179)..(86, 187).
constexpr const char* CaptionRows[] = {
    ".###.....................................................",
    "#........................................................",
    "#..............................#.........................",
    "#.............................###........................",
    "#....#..#.#.##.#.##..##..###...#.....##..#.##..##...##..#",
    "#....#..#.##...##...#..#.#..#..#.......#.##...#..#....#..",
    "#....#..#.#....#....####.#..#..#.....###.#....####..###..",
    "#....#..#.#....#....#....#..#..#....#..#.#....#....#..#..",
    ".###..###.#....#.....###.#..#...#....###.#.....###..###.#",
};

using Picture = std::array<std::uint8_t, BackgroundWidth * BackgroundHeight>;

constexpr void Plot(Picture& picture, int x, int y) { picture[BackgroundWidth * y + x] = Ink; }

constexpr void Outline(Picture& picture, int x0, int y0, int x1, int y1) {
  for (int x = x0; x <= x1; ++x) {
    Plot(picture, x, y0);
    Plot(picture, x, y1);
  }
  for (int y = y0; y <= y1; ++y) {
    Plot(picture, x0, y);
    Plot(picture, x1, y);
  }
}

template <std::size_t Rows>
constexpr void Letter(Picture& picture, int left, int top, const char* const (&rows)[Rows]) {
  for (std::size_t r = 0; r < Rows; ++r)
    for (int c = 0; rows[r][c] != '\0'; ++c)
      if (rows[r][c] == '#') Plot(picture, left + c, top + static_cast<int>(r));
}

constexpr Picture MakeBackground() {
  Picture picture{};
  for (std::uint8_t& pixel : picture) pixel = Ground;
  Outline(picture, 30, 14, 289, 177);                               // editor frame
  Outline(picture, 4, 14, 23, 33);                                  // selected-cell preview frame
  for (int x = 0; x < BackgroundWidth; ++x) Plot(picture, x, 189);  // separator
  Letter(picture, 30, 2, TitleRows);
  Letter(picture, 272, 2, VersionRows);
  Letter(picture, 30, 179, CaptionRows);
  return picture;
}

}  // namespace

const Picture BackgroundImage = MakeBackground();
