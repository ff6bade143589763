// What the parts of make-demo share: the counts they draw with, the hash the
// art is made from, the palette's colour names, and the bank of cells with the
// catalogue of where each kind of cell went.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "files/area_set.h"

using Byte = std::uint8_t;

// The file layout is the program's own (files/area_set.h); these are the
// counts the drawing works with, as ints.
constexpr int Side = 16;  // a cell is Side x Side pixels
constexpr int CellPixels = Side * Side;
constexpr int CellCount = 256;
constexpr int PaletteSize = 256 * 3;
constexpr int AreaCount = 256;
constexpr int MapSide = 256;
static_assert(CellPixels == CellBytes && CellBytes * CellCount + PaletteSize == CellBankUsedSize);
static_assert(2 * AreaCells == AreaRecordSize);
static_assert(AreaSetIdCopyOffset + CellIdTableSize + MapSide * MapSide == AreaSetSize);

// Says why on stderr and ends the program with status 1.
[[noreturn]] void Fail(const std::string& reason);

// A well-mixed hash of up to four numbers: the only source of variety in the art.
std::uint32_t Hash(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0, std::uint32_t d = 0);
// A number in 0..n-1 taken from a hash.
inline int Pick(std::uint32_t h, int n) {
  return static_cast<int>(h % static_cast<std::uint32_t>(n));
}

// Palette indices: fixed colours of the editor itself, ramps darkest first,
// and single colours for flowers, canvas, smoke and the like.
constexpr int Black = 0;
constexpr int White = 15;       // lines of the user interface
constexpr int Panel = 16;       // 16..24: dark blue-greys for panels
constexpr int HelpInk = 25;     // help text
constexpr int Green = 32;       // 32 shades of grass and leaves
constexpr int Earth = 64;       // 32 shades of soil
constexpr int SandShades = 96;  // 16
constexpr int Water = 112;      // 32
constexpr int Fire = 144;       // 32: dark red through orange and yellow to near white
constexpr int Stone = 176;      // 32
constexpr int Brick = 208;      // 16
constexpr int Wood = 224;       // 16
constexpr int Rose = 240;
constexpr int Pink = 241;
constexpr int Butter = 242;
constexpr int Lavender = 243;
constexpr int Petal = 244;
constexpr int Plum = 245;
constexpr int Night = 246;
constexpr int Canvas = 247;
constexpr int CanvasShade = 248;
constexpr int Moss = 249;
constexpr int Olive = 250;
constexpr int Slate = 251;
constexpr int Smoke = 252;
constexpr int SmokeShade = 253;
constexpr int Rust = 254;
constexpr int Bone = 255;

// The 768 bytes of the palette: (red, green, blue) for each index, 0..63 each.
std::array<Byte, PaletteSize> MakePalette();

// Sides and corners of a cell, as bits.
constexpr int North = 1, East = 2, South = 4, West = 8;
constexpr int NorthEast = 1, SouthEast = 2, SouthWest = 4, NorthWest = 8;

enum RiverPiece { RiverV, RiverH, RiverNE, RiverES, RiverSW, RiverWN, RiverPieces };
constexpr int RiverArms[RiverPieces] = {North | South, East | West,  North | East,
                                        East | South,  South | West, West | North};

// The cells drawn so far, in bank order, with their animation ids and the
// names the error messages use.
struct Bank {
  std::array<Byte, CellCount * CellPixels> pixels{};
  std::array<Byte, CellCount> ids{};
  std::array<std::string, CellCount> names{};
  int count = 0;
};

// Where each kind of cell went; an animation's cells are listed frame by frame.
struct Catalog {
  int ground = 0;
  std::array<int, 8> grass{};
  std::array<int, 4> flowers{}, dirt{}, sand{}, gravel{};
  std::array<int, 16> path{};                      // by arms
  std::array<std::array<int, 2>, 16> lake{};       // [land sides][frame]; no side: open water
  std::array<std::array<int, 2>, 4> lakeCorner{};  // [NE, SE, SW, NW spit][frame]
  std::array<int, 3> splash{};
  std::array<std::array<int, 3>, RiverPieces> river{};  // [piece][frame]
  std::array<int, 3> bridgeV{}, bridgeH{};              // over a north-south / east-west river
  std::array<int, 3> campfire{}, dying{}, brazier{}, lava{}, fountain{}, smoke{};
  std::array<int, 2> torch{}, burning{}, well{};
  std::array<int, 3> brick{}, stone{}, flag{};
  int battlement = 0, gateLeft = 0, gateRight = 0, slit = 0;
  std::array<int, 2> broken{};
  int rubble = 0;
  int roofLeft = 0, roofRight = 0, hutDoor = 0, hutWindow = 0;
  std::array<int, 3> tree{};
  std::array<int, 2> pine{}, bush{}, rocks{}, reeds{};
  int stump = 0, logs = 0, tent = 0, mushrooms = 0, fenceH = 0, fenceV = 0, flowerBed = 0,
      woodFloor = 0, sign = 0;
  int plazaA = 0, plazaB = 0, voidCell = 0;
};

// Draws all 256 cells into the bank, links the animations, and says where each kind went.
Catalog DrawCells(Bank& bank);

// The 256 area records (cells, then their ids from the bank); slots without a plan hold plain
// ground.
std::vector<Byte> MakeAreaRecords(const Bank& bank, const Catalog& catalog);
// The 256 x 256 world map of area numbers.
std::vector<Byte> MakeWorldMap();
