// The demo's areas, each drawn as ten rows of sixteen characters, and the
// world map that places them.
#include <span>
#include <string>
#include <string_view>

#include "demo/make_demo.h"

namespace {

// An area is planned as ten rows of sixteen characters. Most characters stand for one cell or a
// choice of cells (the table below); five join up with their neighbours, and at the edge of the
// area carry on into the next one:
//   '#' path   '~' lake   '*' a drop falling into the lake (open water only)
//   'r' river  'b' bridge (path over river)

// One character of a plan and the cells it may become, one picked by the hash and `salt`.
struct Kind {
  char ch;
  std::span<const int> cells;
  int salt = 0;
};

constexpr int KindCount = 44;
using KindTable = std::array<Kind, KindCount>;

KindTable Kinds(const Catalog& c) {
  auto one = [](const int& cell) { return std::span<const int>(&cell, 1); };
  // Fires are started at different points of their flicker (salt 1) so neighbours do not pulse
  // together; water and smoke always start at the first frame so their waves line up.
  return {{
      // clang-format off
      {' ', one(c.ground)}, {'.', c.grass}, {',', c.flowers}, {':', c.dirt}, {'s', c.sand},
      {'g', c.gravel},
      {'T', c.tree}, {'P', c.pine}, {'B', c.bush}, {'o', c.rocks}, {'u', one(c.stump)},
      {'i', c.reeds}, {'L', one(c.logs)}, {'A', one(c.tent)}, {'m', one(c.mushrooms)},
      {'-', one(c.fenceH)}, {'|', one(c.fenceV)}, {'f', one(c.flowerBed)},
      {'w', one(c.woodFloor)}, {'S', one(c.sign)},
      {'W', c.brick}, {'X', c.stone}, {'M', one(c.battlement)}, {'G', one(c.gateLeft)},
      {'H', one(c.gateRight)}, {'Y', one(c.slit)}, {'_', c.flag}, {'R', c.broken},
      {'x', one(c.rubble)},
      {'1', one(c.roofLeft)}, {'2', one(c.roofRight)}, {'3', one(c.smoke[0])},
      {'4', one(c.hutDoor)}, {'5', one(c.hutWindow)},
      {'F', c.campfire, 1}, {'d', one(c.dying[0])}, {'t', c.torch, 1}, {'z', c.brazier, 1},
      {'v', c.burning, 1}, {'l', one(c.lava[0])},
      {'k', one(c.well[0])}, {'n', one(c.fountain[0])}, {'p', one(c.plazaA)},
      {'q', one(c.plazaB)},
      // clang-format on
  }};
}

struct AreaPlan {
  const char* name;
  std::array<std::string_view, AreaRows> rows;
};

// clang-format off
const AreaPlan AreaPlans[] = {
    {"meadow", {
        "T..,....P.#..T..",
        ".....B....#.,...",
        ".,........#...P.",
        "...T..,...#.....",
        "..........#...,.",
        "###########.....",
        "..,.......~~~~~.",
        ".T...o....~~*~~.",
        "........,.~~~~~.",
        "..P......i..i..."}},
    {"river", {
        "..T..r....P..T..",
        ".P..ir.,....B...",
        "#####b##########",
        "..,..ri...,...P.",
        ".T...r.....o....",
        ".....rrrrrr.T...",
        "..o.,...i.r.,...",
        ".P........r..B..",
        "....T.....ri....",
        "..,.......r..P.."}},
    {"lake", {
        "T...,...P....T..",
        "..i...~~~~...,..",
        "...~~~~~~~~~..P.",
        "..~~~~~~~~~~~...",
        "..~~~~*~~~~~~i..",
        ".i~~~~~~~~~~~...",
        "...~~~~~~~~~.T..",
        "..,..~~~~~......",
        "################",
        ".T..o....,...P.."}},
    {"castle wall", {
        "________________",
        "__z__________z__",
        "________________",
        "MMMMMMMMMMMMMMMM",
        "WWtWWYWGHWYWWtWW",
        ".....,.#.....,..",
        "..T....#....T...",
        "rrrrrrrbrrrrrrrr",
        ".i.....#..i.....",
        "..P....#...,.T.."}},
    {"camp fire", {
        "P.T..P...T..P.T.",
        ".T..:::::::..P..",
        "P..::A::::L::..T",
        "..:::::::::::.P.",
        ".::::::F:::::...",
        "##::::::::d:::..",
        ".::L::::::::::T.",
        "T.::::A::::::.P.",
        ".P..:::::::..T..",
        "..T.P..T..P...T."}},
    {"village crossing", {
        "T.12..f.#.13..T.",
        "..45....#.45....",
        "..#.....#.#..,..",
        "..#..k..#.#.....",
        "..#.....#.#..B..",
        "################",
        ",.f.....#..12.S.",
        "..12..T.#..45...",
        "..45....####....",
        "..#..--.#.----.."}},
    {"beach", {
        "..T..,....#..P..",
        ".,....B...#.....",
        "..s.....s.#...s.",
        "ssssssssss#sssss",
        "ssssssssss#sssss",
        "ssssssssssssssss",
        "ssssssssssssssss",
        "~~~sss~~~~~~ss~~",
        "~~~~~~~~~~~~~~~~",
        "~~~~~~*~~~~~~~~~"}},
    {"forge", {
        "XXXXXXXXXXXXXXXX",
        "X__z______z____X",
        "X_____llll_____X",
        "X___llllllll___X",
        "X__lllllllllll_X",
        "X_g_llllllll___X",
        "X_____llll__g__X",
        "X__z________z__X",
        "X______gg______X",
        "XXXXXXX__XXXXXXX"}},
    {"forest", {
        "PTPT.PT.Pr.TPTPP",
        "TP.m.T..iri.TP.T",
        "P.T...B..r..u.PT",
        "T..P.T...r.m..TP",
        "#########b######",
        "P.T.T....r..T.P.",
        ".TP..m...rrrr.TP",
        "T..B.T.P...Tr.PT",
        "PT.T..P..u..r.T.",
        "TPTPT.TPT.TPr.PT"}},
    {"courtyard", {
        "MMMMMMMMMMMMMMMM",
        "WWtWWWWYYWWWWtWW",
        "_z____________z_",
        "__f__pppppp__f__",
        "_____pqqqqp_____",
        "_____pqnqqp_____",
        "_____pqqqqp_____",
        "__f__pppppp__f__",
        "_z____________z_",
        "WWWWWWWGHWWWWWWW"}},
    {"marsh", {
        ".i.::..i...:..i.",
        "..~~.i..~..i.~~.",
        ".i~~~..:...::~~i",
        "..~~..i..~~~.i..",
        ".i..:...~~~~~...",
        "..i..i..~~*~~.i.",
        ".:....i.~~~~~.i.",
        "#######.i~~~..:.",
        "..i:..#..i..~..i",
        ".i....#.i.::..i."}},
    {"ruins", {
        ".XXXR..T...RXX..",
        ".X..x..v...x.X..",
        ".X_____gg___.R.v",
        ".R__d___x___v...",
        "..__g____z__..x.",
        "################",
        ".v..x...R..vv...",
        "..XXXR...x...T..",
        ".TX..,..v....u..",
        "..R..x...T..o..."}},
};
// clang-format on
constexpr int PlannedAreas = static_cast<int>(std::size(AreaPlans));

// One planned area being turned into cell numbers; `seed` varies the grass, trees and the like.
struct AreaDrawing {
  const Catalog& cat;
  const KindTable& kinds;
  const AreaPlan& plan;
  std::uint32_t seed;

  void CheckRows() const {
    for (int y = 0; y < AreaRows; ++y)
      if (plan.rows[y].size() != AreaColumns)
        Fail(std::string("area ") + plan.name + ": row " + std::to_string(y) + " is not " +
             std::to_string(AreaColumns) + " wide");
  }

  std::array<int, AreaCells> Cells() const {
    CheckRows();
    std::array<int, AreaCells> cells{};
    for (int y = 0; y < AreaRows; ++y)
      for (int x = 0; x < AreaColumns; ++x) cells[GridIndex(x, y)] = CellAt(x, y);
    return cells;
  }

  // The character at (x, y), or 0 outside the area.
  char At(int x, int y) const {
    if (x < 0 || x >= AreaColumns || y < 0 || y >= AreaRows) return 0;
    return plan.rows[y][x];
  }

  static bool IsPath(char c) { return c == '#' || c == 'b' || c == '4' || c == 'G' || c == 'H'; }
  static bool IsLake(char c) { return c == '~' || c == '*'; }
  static bool IsRiver(char c) { return c == 'r' || c == 'b'; }

  // The sides of (x, y) whose neighbour passes the test; beyond the edge always counts.
  template <typename Test>
  int Sides(int x, int y, Test test) const {
    auto yes = [&](int nx, int ny) { return At(nx, ny) == 0 || test(At(nx, ny)); };
    return (yes(x, y - 1) ? North : 0) | (yes(x + 1, y) ? East : 0) | (yes(x, y + 1) ? South : 0) |
           (yes(x - 1, y) ? West : 0);
  }

  [[noreturn]] void Bad(int x, int y, const std::string& what) const {
    Fail(std::string("area ") + plan.name + " at (" + std::to_string(x) + ", " + std::to_string(y) +
         "): " + what);
  }

  int Vary(int x, int y, int n, int salt = 0) const { return Pick(Hash(seed, x, y, salt), n); }

  int RiverAt(int x, int y, int frame) const {
    const int arms = Sides(x, y, IsRiver);
    for (int p = 0; p < RiverPieces; ++p)
      if (arms == RiverArms[p]) return cat.river[p][frame];
    Bad(x, y, "the river must run straight or turn a corner");
  }

  int LakeAt(int x, int y) const {
    const int land = 15 & ~Sides(x, y, IsLake);
    if (land != 0) return cat.lake[land][0];
    const int diagonals[4][2] = {{1, -1}, {1, 1}, {-1, 1}, {-1, -1}};  // NE, SE, SW, NW
    for (int c = 0; c < 4; ++c) {
      const char d = At(x + diagonals[c][0], y + diagonals[c][1]);
      if (d != 0 && !IsLake(d)) return cat.lakeCorner[c][0];
    }
    return cat.lake[0][0];
  }

  int CellAt(int x, int y) const {
    const Catalog& c = cat;
    const char ch = At(x, y);
    switch (ch) {
      case '#': return c.path[Sides(x, y, IsPath)];
      case '~': return LakeAt(x, y);
      case '*': {
        if (LakeAt(x, y) != c.lake[0][0]) Bad(x, y, "a splash needs open water all around");
        return c.splash[0];
      }
      case 'r': return RiverAt(x, y, 0);
      case 'b': {
        const int river = RiverAt(x, y, 0);
        if (river == c.river[RiverV][0]) return c.bridgeV[0];
        if (river == c.river[RiverH][0]) return c.bridgeH[0];
        Bad(x, y, "a bridge needs a straight river");
      }
      default: break;
    }
    for (const Kind& k : kinds)
      if (k.ch == ch) return k.cells[Vary(x, y, static_cast<int>(k.cells.size()), k.salt)];
    Bad(x, y, std::string("unknown character '") + ch + "'");
  }
};

}  // namespace

std::vector<Byte> MakeAreaRecords(const Bank& bank, const Catalog& catalog) {
  std::vector<Byte> out(std::size_t{AreaCount} * AreaRecordSize);
  const KindTable kinds = Kinds(catalog);
  for (int a = 0; a < AreaCount; ++a) {
    std::array<int, AreaCells> cells{};
    cells.fill(catalog.ground);
    if (a < PlannedAreas)
      cells = AreaDrawing{catalog, kinds, AreaPlans[a], 0xA4EA0000u + static_cast<std::uint32_t>(a)}
                  .Cells();
    Byte* record = out.data() + std::size_t{static_cast<unsigned>(a)} * AreaRecordSize;
    for (std::size_t i = 0; i < AreaCells; ++i) {
      record[i] = static_cast<Byte>(cells[i]);
      record[AreaCells + i] = bank.ids[cells[i]];
    }
  }
  return out;
}

// The planned areas as a four by three block in the top left corner, a few of them again further
// out, and area 0 everywhere else.
std::vector<Byte> MakeWorldMap() {
  std::vector<Byte> map(std::size_t{MapSide} * MapSide, 0);
  auto put = [&](int x, int y, int area) {
    map[static_cast<std::size_t>(y) * MapSide + static_cast<std::size_t>(x)] =
        static_cast<Byte>(area);
  };
  for (int a = 0; a < PlannedAreas; ++a) put(a % 4, a / 4, a);
  put(4, 1, 2);   // a second lake east of the forge
  put(5, 1, 6);   // and a beach beyond it
  put(1, 3, 8);   // forest south of the courtyard
  put(2, 3, 10);  // the marsh going on south
  put(6, 4, 11);  // a lone ruin further out
  return map;
}
