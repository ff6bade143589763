// The demo's 256 cells: ground, paths, water, walls, houses, fire, plants and
// plaza tiles, drawn from integer arithmetic and the hash alone, then linked
// into animations and listed in the catalogue.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "demo/make_demo.h"

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
  std::uint32_t h = 0x811C9DC5u;
  for (std::uint32_t v : {a, b, c, d}) {
    h ^= v + 0x9E3779B9u + (h << 6) + (h >> 2);
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
  }
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return h;
}

namespace {

// Integer helpers: the art is built from these and the hash, never from floating point.

int Wrap(int v, int m) { return ((v % m) + m) % m; }

// Triangle wave: 0 up to period/2 and back, repeating every `period`.
int Tri(int t, int period) {
  const int p = Wrap(t, period);
  return p < period / 2 ? p : period - p;
}

// Octagonal approximation of the length of (a, b).
int Oct(int a, int b) {
  a = std::abs(a);
  b = std::abs(b);
  return std::max(a, b) + std::min(a, b) / 2;
}

// Squared distance in half pixels from the centre of pixel (x, y) to the point (cx2/2, cy2/2).
int Dist2(int x, int y, int cx2, int cy2) {
  const int dx = 2 * x + 1 - cx2;
  const int dy = 2 * y + 1 - cy2;
  return dx * dx + dy * dy;
}

bool InDisc(int x, int y, int cx2, int cy2, int r2) { return Dist2(x, y, cx2, cy2) <= r2 * r2; }

// Animation frames linked by an id must differ in at least this many pixels, so the preview shows
// real movement rather than a flicker of single pixels.
constexpr int MinFrameChange = 12;

struct Tile {
  std::array<Byte, CellPixels> px{};

  void Set(int x, int y, int c) {
    if (x >= 0 && x < Side && y >= 0 && y < Side) px[y * Side + x] = static_cast<Byte>(c);
  }
};

// Calls visit(x, y) for every pixel of a cell, row by row.
template <typename Visit>
void ForEachPixel(Visit visit) {
  for (int y = 0; y < Side; ++y)
    for (int x = 0; x < Side; ++x) visit(x, y);
}

template <typename F>
Tile Paint(F colourAt) {
  Tile t;
  ForEachPixel([&](int x, int y) { t.Set(x, y, colourAt(x, y)); });
  return t;
}

const Byte* CellPixelsOf(const Bank& bank, int n) { return bank.pixels.data() + n * CellPixels; }

int AddCell(Bank& bank, const Tile& t, std::string name) {
  if (bank.count >= CellCount) Fail("more than 256 cells drawn (at " + name + ")");
  std::copy(t.px.begin(), t.px.end(), bank.pixels.begin() + bank.count * CellPixels);
  bank.names[bank.count] = std::move(name);
  return bank.count++;
}

// Sets the ids that lead from each frame to the next; the last leads back to the first when
// `loop`, and otherwise keeps id 0 and stays.
void LinkFrames(Bank& bank, const int* frames, int count, bool loop) {
  for (int i = 0; i < count; ++i) {
    const int from = frames[i];
    // An id of 0 or 255 means "still", so those two cells can never be animation frames.
    if (from <= 0 || from >= 255) Fail("cell " + std::to_string(from) + " cannot be a frame");
    if (bank.ids[from] != 0) Fail("cell " + std::to_string(from) + " is in two animations");
    const bool last = i + 1 == count;
    if (last && !loop) continue;
    const int to = last ? frames[0] : frames[i + 1];
    const Byte* a = CellPixelsOf(bank, from);
    const Byte* b = CellPixelsOf(bank, to);
    int differences = 0;
    for (int k = 0; k < CellPixels; ++k) differences += a[k] != b[k];
    if (differences < MinFrameChange)
      Fail("frames " + bank.names[from] + " and " + bank.names[to] + " hardly differ");
    bank.ids[from] = static_cast<Byte>(to);
  }
}

void CheckDistinct(const Bank& bank) {
  for (int a = 0; a < bank.count; ++a)
    for (int b = a + 1; b < bank.count; ++b)
      if (std::memcmp(CellPixelsOf(bank, a), CellPixelsOf(bank, b), CellPixels) == 0)
        Fail("cells " + std::to_string(a) + " (" + bank.names[a] + ") and " + std::to_string(b) +
             " (" + bank.names[b] + ") are identical");
}

// ---- ground ----------------------------------------------------------------------------------

// A ground texture: a base shade varied by `spread`, with two kinds of odd pixel taken by the hash,
// the first every `firstEvery` pixels or so and the second every `secondEvery`.
struct Speckle {
  int firstEvery, first, secondEvery, second, base, spread;
};
constexpr Speckle PlainSpeckle{13, Earth + 4, 17, Earth + 6, Earth + 5, 1};
constexpr Speckle GrassSpeckle{11, Green + 9, 23, Green + 19, Green + 13, 3};
constexpr Speckle DirtSpeckle{9, Earth + 11, 19, Earth + 20, Earth + 14, 3};
constexpr Speckle SandSpeckle{7, SandShades + 6, 13, SandShades + 13, SandShades + 8, 3};
constexpr Speckle GravelSpeckle{5, Earth + 12, 11, Stone + 23, Stone + 11, 7};
constexpr Speckle PathSpeckle{13, Earth + 22, 7, Earth + 13, Earth + 16, 3};

int SpecklePixel(const Speckle& s, std::uint32_t seed, int x, int y) {
  const std::uint32_t h = Hash(seed, x, y);
  if (h % s.firstEvery == 0) return s.first;
  if (h % s.secondEvery == 0) return s.second;
  return s.base + Pick(h >> 4, s.spread);
}

Tile Speckled(const Speckle& s, std::uint32_t seed) {
  return Paint([&](int x, int y) { return SpecklePixel(s, seed, x, y); });
}

Tile Grass(std::uint32_t seed) {
  Tile t = Speckled(GrassSpeckle, seed);
  for (int i = 0; i < 7; ++i) {  // blades: a light stroke with a dark root
    const std::uint32_t h = Hash(seed, 100 + i);
    const int x = Pick(h, 16), y = 1 + Pick(h >> 8, 14);
    t.Set(x, y - 1, Green + 18);
    t.Set(x, y, Green + 21);
    t.Set(x, y + 1, Green + 8);
  }
  return t;
}

Tile Flowers(std::uint32_t seed, int petal, int heart) {
  Tile t = Grass(seed);
  for (int i = 0; i < 4; ++i) {
    const std::uint32_t h = Hash(seed, 200 + i);
    const int x = 2 + Pick(h, 12), y = 2 + Pick(h >> 8, 12);
    t.Set(x - 1, y, petal);
    t.Set(x + 1, y, petal);
    t.Set(x, y - 1, petal);
    t.Set(x, y + 1, petal);
    t.Set(x, y, heart);
  }
  return t;
}

Tile Dirt(std::uint32_t seed) {
  Tile t = Speckled(DirtSpeckle, seed);
  for (int i = 0; i < 3; ++i) {  // pebbles with a shadow
    const std::uint32_t h = Hash(seed, 300 + i);
    const int x = 1 + Pick(h, 13), y = 1 + Pick(h >> 8, 13);
    t.Set(x, y, Stone + 20);
    t.Set(x + 1, y, Stone + 16);
    t.Set(x, y + 1, Earth + 8);
    t.Set(x + 1, y + 1, Earth + 8);
  }
  return t;
}

Tile Sand(std::uint32_t seed) {
  Tile t = Speckled(SandSpeckle, seed);
  const std::uint32_t h = Hash(seed, 400);  // a faint ripple left by the wind
  const int y0 = 3 + Pick(h, 10);
  for (int x = 0; x < Side; ++x) t.Set(x, y0 + Tri(x + Pick(h >> 8, 16), 8) / 3, SandShades + 5);
  return t;
}

// ---- paths -----------------------------------------------------------------------------------

constexpr std::uint32_t PathGrass = 7001;

// Whether (x, y) lies on a band from lo to hi running from the centre towards each side in `arms`.
// Coordinates outside the cell are allowed, so edges can look across into the neighbour.
bool OnBand(int x, int y, int arms, int lo, int hi) {
  const bool mx = x >= lo && x <= hi, my = y >= lo && y <= hi;
  if (mx && my) return true;
  if ((arms & North) && mx && y < lo) return true;
  if ((arms & South) && mx && y > hi) return true;
  if ((arms & West) && my && x < lo) return true;
  if ((arms & East) && my && x > hi) return true;
  return false;
}

// A dirt path on grass leaving through the sides in `arms` (0: a round patch).
Tile PathTile(int arms) {
  auto on = [&](int x, int y) {
    // Round off the corners of the centre where no arm leaves.
    if (x == 4 && y == 4 && !(arms & (North | West))) return false;
    if (x == 11 && y == 4 && !(arms & (North | East))) return false;
    if (x == 4 && y == 11 && !(arms & (South | West))) return false;
    if (x == 11 && y == 11 && !(arms & (South | East))) return false;
    return OnBand(x, y, arms, 4, 11);
  };
  return Paint([&](int x, int y) {
    const bool edgeNear = !on(x - 1, y) || !on(x + 1, y) || !on(x, y - 1) || !on(x, y + 1);
    if (on(x, y)) {
      if (edgeNear) return Earth + 11;
      return SpecklePixel(PathSpeckle, 7002, x, y);
    }
    const bool touches = on(x - 1, y) || on(x + 1, y) || on(x, y - 1) || on(x, y + 1);
    return touches ? Green + 8 : SpecklePixel(GrassSpeckle, PathGrass, x, y);
  });
}

// ---- water -----------------------------------------------------------------------------------

// Still water with wave crests; frame 1 moves the crests half a cell along and two rows down.
int LakeWater(int x, int y, int frame) {
  const int s = 8 * frame;
  const int k = Wrap(y + Tri(x + s, 16) / 3 - 2 * frame, 8);
  if (Hash(77, frame, x, y) % 97 == 0) return Water + 29;  // a glint
  if (k == 0) return Wrap(x + s, 16) < 9 ? Water + 21 : Water + 16;
  if (k == 1) return Water + 15;
  if (k == 4 || k == 5) return Water + 10;
  return Water + 12;
}

// Lake water with a sandy shore along the sides in `land` (or, with no side, a small rounded
// spit of land in the corner `corner`).
Tile LakeTile(int land, int corner, int frame) {
  return Paint([&](int x, int y) {
    int d = 99;  // how far the pixel is from dry land
    if (land & North) d = std::min(d, y);
    if (land & East) d = std::min(d, 15 - x);
    if (land & South) d = std::min(d, 15 - y);
    if (land & West) d = std::min(d, x);
    auto spit = [&](int a, int b) { d = std::min(d, std::max(0, Oct(a, b) - 3)); };
    if (corner & NorthEast) spit(y, 15 - x);
    if (corner & SouthEast) spit(15 - y, 15 - x);
    if (corner & SouthWest) spit(15 - y, x);
    if (corner & NorthWest) spit(y, x);
    const int e = d - Tri(x + y, 16) / 6;
    if (e < 3) return SpecklePixel(SandSpeckle, 9001, x, y);
    if (e == 3) return SandShades + 3;
    if (e == 4) return Wrap(x + y + 2 * frame, 3) != 0 ? Water + 27 : Water + 19;
    return LakeWater(x, y, frame);
  });
}

// A drop falling into the lake: rings spreading out, then calm water.
Tile Splash(int stage) {
  Tile t = Paint([&](int x, int y) {
    if (stage == 2) return Wrap(y + Tri(x, 16) / 3, 8) == 4 ? Water + 11 : Water + 13;
    return LakeWater(x, y, 0);
  });
  const int radius = stage == 0 ? 4 : 10;  // in half pixels
  ForEachPixel([&](int x, int y) {
    const int d2 = Dist2(x, y, 16, 16);
    if (stage < 2 && d2 >= (radius - 2) * (radius - 2) && d2 <= radius * radius)
      t.Set(x, y, Water + 28);
    if (stage == 1 && d2 <= 9) t.Set(x, y, Water + 22);
  });
  if (stage == 0)
    for (int i = 0; i < 6; ++i) {  // spray
      const std::uint32_t h = Hash(78, i);
      t.Set(4 + Pick(h, 8), 3 + Pick(h >> 8, 8), Petal);
    }
  return t;
}

// River water; every frame moves the ripples five pixels downstream.
int RiverWater(int x, int y, int frame, bool vertical) {
  const int s = 5 * frame;
  const int k = vertical ? Wrap(y - s + Tri(x, 8) / 2, 8) : Wrap(x - s + Tri(y, 8) / 2, 8);
  if (k == 0) return Water + 23;
  if (k == 1) return Water + 18;
  if (k == 2 || k == 3) return Water + 14;
  if (k == 5 || k == 6) return Water + 11;
  return Water + 13;
}

constexpr std::uint32_t RiverGrass = 7101;

Tile RiverTile(int arms, int frame) {
  const bool vertical = (arms & (North | South)) != 0;
  auto wet = [&](int x, int y) { return OnBand(x, y, arms, 3, 12); };
  return Paint([&](int x, int y) {
    if (wet(x, y)) return RiverWater(x, y, frame, vertical);
    int near = 99;
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        if (wet(x + dx, y + dy)) near = std::min(near, std::max(std::abs(dx), std::abs(dy)));
    if (near == 1) return SandShades + 4;
    if (near == 2) return SpecklePixel(SandSpeckle, 9002, x, y);
    return SpecklePixel(GrassSpeckle, RiverGrass, x, y);
  });
}

// A plank bridge across the river: a horizontal deck over a river running north-south, or a
// vertical deck over one running east-west.
Tile Bridge(bool overVerticalRiver, int frame) {
  Tile t = RiverTile(overVerticalRiver ? (North | South) : (East | West), frame);
  ForEachPixel([&](int x, int y) {
    const int across = overVerticalRiver ? y : x;  // position across the deck
    const int along = overVerticalRiver ? x : y;
    if (across < 3 || across > 12) return;
    int c = Wrap(along, 3) == 2 ? Wood + 5 : Wood + 10 + Pick(Hash(79, x, y), 2);
    if (across == 3 || across == 12) c = Wrap(along, 5) == 0 ? Wood + 13 : Wood + 3;
    t.Set(x, y, c);
  });
  return t;
}

Tile Well(int frame) {
  return Paint([&](int x, int y) {
    const int d2 = Dist2(x, y, 16, 16);
    if (d2 <= 9 * 9) return LakeWater(x, y, frame);
    if (d2 <= 11 * 11) return Stone + 6;
    if (d2 <= 15 * 15) {
      const int c = Pick(Hash(80, (x + 16) / 3, (y + 16) / 3), 5);
      return (x + y) % 5 == 0 ? Stone + 8 : Stone + 15 + c;
    }
    return SpecklePixel(GrassSpeckle, 7201, x, y);
  });
}

// ---- stone floors and walls ------------------------------------------------------------------

// Square slabs; `variant` 0 lays a regular grid, 1 staggers every other row, 2 splits one slab.
Tile Flagstones(int variant) {
  return Paint([&](int x, int y) {
    const int row = y / 8;
    const int shift = variant == 1 && row % 2 ? 4 : 0;
    const int sx = Wrap(x + shift, 16);
    int slab = 2 * row + sx / 8;
    bool joint = y % 8 == 7 || sx % 8 == 7;
    if (variant == 2 && slab == 1) {  // the north-east slab is split in four
      joint = joint || y % 4 == 3 || sx % 4 == 3;
      slab = 4 + (y % 8) / 4 * 2 + (sx % 8) / 4;
    }
    if (joint) return Stone + 8;
    const std::uint32_t h = Hash(81, variant, slab);
    int c = Stone + 15 + Pick(h, 4);
    if (y % 8 == 0 || sx % 8 == 0) c += 3;  // light edge
    if (Hash(82, variant, x, y) % 9 == 0) c -= 2;
    return c;
  });
}

// Running-bond brickwork: rows four pixels high, bricks eight wide, alternate rows offset.
int BrickPixel(std::uint32_t seed, int x, int y) {
  const int row = y / 4;
  const int sx = x + (row % 2) * 4;
  if (y % 4 == 3 || sx % 8 == 7) return Stone + 12;
  const int brick = (sx / 8) % 2;  // the same brick on both sides of a cell edge
  int c = Brick + 7 + Pick(Hash(seed, row, brick), 3) - 1;
  if (y % 4 == 0) c += 2;
  if (Hash(seed, x, y, 1) % 11 == 0) c -= 1;
  return c;
}

Tile Bricks(std::uint32_t seed) {
  Tile t = Paint([&](int x, int y) { return BrickPixel(seed, x, y); });
  const std::uint32_t h = Hash(seed, 500);  // a short crack
  int x = 2 + Pick(h, 12);
  for (int y = 1 + Pick(h >> 8, 6), n = 0; n < 4; ++n, ++y) {
    t.Set(x, y, Brick + 1);
    if (Hash(seed, 501, n) % 2) ++x;
  }
  return t;
}

// Rubble masonry: three courses of stones of uneven length.
int StonePixel(int variant, int x, int y) {
  const int course = y < 5 ? 0 : y < 10 ? 1 : 2;
  const int top = course * 5;
  const int bottom = course == 2 ? 15 : top + 4;
  if (y == bottom) return Stone + 5;
  // Joints: three per course, placed by the hash.
  int stone = 0;
  for (int j = 0; j < 3; ++j) {
    const int at = j * 5 + 1 + Pick(Hash(83, variant, course, j), 4);
    if (x == at) return Stone + 5;
    if (x > at) stone = j + 1;
  }
  int c = Stone + 13 + Pick(Hash(84, variant, course, stone), 5) - 2;
  if (y == top) c += 5;
  if (y == bottom - 1) c -= 4;
  if (Hash(85, variant, x, y) % 7 == 0) c -= 2;
  return c;
}

Tile StoneWall(int variant) {
  return Paint([&](int x, int y) { return StonePixel(variant, x, y); });
}

// The top of a brick wall seen from above the courtyard: merlons with gaps, the wall below.
Tile Battlement() {
  return Paint([&](int x, int y) {
    if (y >= 7) return BrickPixel(600, x, y);
    const bool merlon = Wrap(x, 8) >= 1 && Wrap(x, 8) <= 5;
    if (!merlon) return y == 0 ? Stone + 6 : Stone + 10;
    if (y <= 2) return Brick + 12;
    return Wrap(x, 8) == 1 ? Brick + 9 : Brick + 7;
  });
}

// One half of an arched wooden gate two cells wide; `right` is the east half.
Tile GateHalf(bool right) {
  return Paint([&](int x, int y) {
    const int gx = x + (right ? 16 : 0);  // position across the whole gate
    const int dx2 = 2 * gx + 1 - 32;
    const int dy2 = 2 * y + 1 - 20;
    auto inside = [&](int grow) {  // an arch of half-width 12 and rise 7
      const int rx = 24 + 2 * grow, ry = 14 + 2 * grow;
      if (std::abs(dx2) > rx) return false;
      return dy2 >= 0 || dx2 * dx2 * ry * ry + dy2 * dy2 * rx * rx <= rx * rx * ry * ry;
    };
    if (inside(0)) {
      if (gx == 15 || gx == 16) return Wood + 2;                           // where the leaves meet
      if (y == 8 || y == 13) return gx % 4 == 1 ? Stone + 24 : Stone + 8;  // iron bands
      return gx % 4 == 0 ? Wood + 4 : Wood + 8 + Pick(Hash(86, gx, y), 2);
    }
    if (inside(2)) return Stone + 18 + Pick(Hash(87, gx / 2, y / 2), 3);
    return BrickPixel(601, x, y);
  });
}

Tile ArrowSlit() {
  return Paint([&](int x, int y) {
    const bool slit = (x == 7 || x == 8) && y >= 2 && y <= 13;
    const bool bar = y == 7 && x >= 5 && x <= 10;
    if (slit || bar) return Night;
    const bool frame = x >= 6 && x <= 9 && y >= 1 && y <= 14;
    const bool frameBar = y >= 6 && y <= 8 && x >= 4 && x <= 11;
    if (frame || frameBar) return Stone + 17;
    return BrickPixel(602, x, y);
  });
}

// A wall knocked down to a jagged stump standing in the grass, with fallen stones at its foot.
Tile BrokenWall(int variant) {
  Tile t = Grass(7300 + variant);
  for (int x = 0; x < Side; ++x) {
    const int top = 3 + Pick(Hash(88, variant, x / 2), 6) + (variant ? 3 : 0);
    for (int y = top; y < 12; ++y) t.Set(x, y, y == top ? Stone + 22 : StonePixel(variant, x, y));
    t.Set(x, 12, Green + 6);
  }
  for (int i = 0; i < 4; ++i) {
    const std::uint32_t h = Hash(89, variant, i);
    const int x = Pick(h, 15), y = 13 + Pick(h >> 8, 2);
    t.Set(x, y, Stone + 19);
    t.Set(x + 1, y, Stone + 12);
  }
  return t;
}

Tile Rubble() {
  Tile t = Grass(7310);
  for (int i = 0; i < 6; ++i) {
    const std::uint32_t h = Hash(90, i);
    const int x = 1 + Pick(h, 13), y = 1 + Pick(h >> 8, 13);
    t.Set(x, y, Stone + 21);
    t.Set(x + 1, y, Stone + 16);
    t.Set(x, y + 1, Stone + 12);
    t.Set(x + 1, y + 1, Stone + 9);
    t.Set(x + 2, y + 1, Green + 7);
  }
  return t;
}

// ---- houses ----------------------------------------------------------------------------------

int ShinglePixel(int x, int y) {
  const int row = y / 4;
  const int sx = x + (row % 2) * 4;
  if (y % 4 == 3) return Brick + 3;
  if (sx % 8 == 0) return Brick + 4;
  return Brick + 7 + Pick(Hash(91, row, sx / 8), 3) + (y % 4 == 0 ? 2 : 0);
}

// Roof halves; the gable edge is on the outside of each half.
Tile Roof(bool right) {
  return Paint([&](int x, int y) {
    if (y == 0) return Brick + 12;  // ridge
    if (x == (right ? 15 : 0)) return Brick + 1;
    if (y == 15) return Brick + 1;  // eaves
    return ShinglePixel(x, y);
  });
}

// The east roof half with a chimney, smoking hard (0), less (1) or not at all (2).
Tile ChimneyRoof(int smoke) {
  Tile t = Roof(true);
  for (int y = 6; y <= 13; ++y)
    for (int x = 9; x <= 12; ++x) t.Set(x, y, y == 6 ? Stone + 22 : Stone + 14 + (x == 9) * 3);
  t.Set(10, 6, Night);
  t.Set(11, 6, Night);
  auto puff = [&](int cx2, int cy2, int r2) {
    ForEachPixel([&](int x, int y) {
      const int d2 = Dist2(x, y, cx2, cy2);
      if (d2 <= r2 * r2) t.Set(x, y, 2 * x + 1 < cx2 && 2 * y + 1 < cy2 ? Smoke : SmokeShade);
    });
  };
  if (smoke == 0) {
    puff(21, 9, 3);
    puff(19, 5, 4);
    puff(14, 1, 5);
  } else if (smoke == 1) {
    puff(21, 9, 2);
    puff(20, 5, 3);
  }
  return t;
}

int PlankWallPixel(int x, int y) {
  if (y >= 14) return Stone + 12 + (x % 4 == 0);  // footing
  if (y == 0) return Wood + 2;                    // shadow under the eaves
  if (x % 4 == 3) return Wood + 5;
  return Wood + 9 + Pick(Hash(92, x / 4, y / 3), 2);
}

Tile HutDoor() {
  return Paint([&](int x, int y) {
    if (x >= 4 && x <= 11 && y >= 3 && y <= 15) {
      if (x == 4 || x == 11 || y == 3) return Wood + 2;
      if (x == 9 && y == 9) return Fire + 24;  // brass handle
      return x % 3 == 0 ? Wood + 4 : Wood + 6;
    }
    return PlankWallPixel(x, y);
  });
}

Tile HutWindow() {
  return Paint([&](int x, int y) {
    if (x >= 4 && x <= 11 && y >= 3 && y <= 10) {
      if (x == 4 || x == 11 || y == 3 || y == 10 || x == 7 || x == 8 || y == 6) return Wood + 13;
      return (x + y) % 5 == 0 ? Water + 28 : Water + 20;
    }
    if (y == 11 && x >= 3 && x <= 12) return Wood + 3;  // sill
    return PlankWallPixel(x, y);
  });
}

Tile WoodFloor() {
  return Paint([](int x, int y) {
    const int row = y / 4;
    const int sx = x + Pick(Hash(93, row), 16);
    if (y % 4 == 3 || Wrap(sx, 12) == 0) return Wood + 4;
    return Wood + 10 + (Hash(94, x, y) % 5 == 0 ? -2 : Pick(Hash(95, row, sx / 12), 2));
  });
}

// ---- fire ------------------------------------------------------------------------------------

// A flame standing on row `base_y`, centred on the half-pixel column cx2, leaning by `lean`
// pixels at its tip. The seed jitters the column heights, so each frame flickers differently.
void Flame(Tile& t, int cx2, int baseY, int halfW, int height, int lean, std::uint32_t seed) {
  const int w2 = 2 * halfW;
  for (int x = 0; x < Side; ++x) {
    const int dx2 = std::abs(2 * x + 1 - cx2);
    if (dx2 > w2) continue;
    const int h = height * (w2 - dx2 + 2) / (w2 + 2) + Pick(Hash(seed, x), 3) - 1;
    for (int k = 0; k < h; ++k) {
      const int up = k * 8 / h;
      const int edge = dx2 * 4 / (w2 + 1);
      const int heat = 10 - up - 2 * edge;
      const int c = heat >= 8   ? Fire + 29
                    : heat >= 6 ? Fire + 24
                    : heat >= 4 ? Fire + 18
                    : heat >= 2 ? Fire + 12
                                : Fire + 7;
      t.Set(x + lean * k / height, baseY - k, c);
    }
  }
  for (int i = 0; i < 2; ++i) {  // sparks above the tip
    const std::uint32_t h = Hash(seed, 50 + i);
    t.Set(cx2 / 2 - halfW + Pick(h, w2 + 1), baseY - height - 1 - Pick(h >> 8, 3), Fire + 26);
  }
}

// A ring of stones on trodden earth with two logs in it: the frame of every camp fire.
Tile FirePit(bool charred) {
  Tile t = Speckled(DirtSpeckle, 7401);
  ForEachPixel([&](int x, int y) {
    // Ellipse centred at (8, 10.5), 7 wide and 3.5 high each way.
    const int dx2 = 2 * x + 1 - 16, dy2 = 2 * y + 1 - 21;
    const int e = dx2 * dx2 * 49 + dy2 * dy2 * 196;  // 196 * 49 on the rim
    if (e <= 196 * 49 && e >= 196 * 49 * 55 / 100) {
      const int stone = Pick(Hash(96, (x + 16) / 3, y / 2), 4);
      t.Set(x, y, (2 * y + 1 < 21) ? Stone + 20 + stone : Stone + 10 + stone);
    } else if (e < 196 * 49 * 55 / 100) {
      t.Set(x, y, charred ? Stone + 7 : Earth + 6);
    }
  });
  for (int x = 4; x <= 11; ++x) {  // logs
    t.Set(x, 10, charred ? Stone + 4 : Wood + 7);
    t.Set(x, 11, charred ? Stone + 3 : Wood + 4);
  }
  t.Set(4, 10, charred ? Stone + 6 : Wood + 13);
  t.Set(11, 10, charred ? Stone + 6 : Wood + 13);
  return t;
}

Tile CampFire(int frame) {
  Tile t = FirePit(false);
  const int lean[3] = {0, -2, 2};
  Flame(t, 16, 10, 4, 9 + frame % 2, lean[frame], 1000 + frame);
  return t;
}

// A camp fire burning down: a low flame, a lick of flame, then glowing embers.
Tile DyingFire(int stage) {
  Tile t = FirePit(stage == 2);
  if (stage == 0) Flame(t, 16, 10, 3, 6, 1, 1100);
  if (stage == 1) Flame(t, 15, 10, 2, 3, -1, 1101);
  if (stage == 2)
    for (int x = 4; x <= 11; ++x)
      for (int y = 9; y <= 11; ++y)
        if (Hash(1102, x, y) % 3 == 0) t.Set(x, y, Hash(1103, x, y) % 2 ? Fire + 9 : Fire + 15);
  return t;
}

// A torch in an iron bracket on the brick wall; the bricks around the flame catch its light,
// more of them when it flares up.
Tile Torch(int frame) {
  Tile t = Paint([&](int x, int y) {
    const int c = BrickPixel(603, x, y);
    const int reach = frame ? 15 : 10;
    const bool lit = Dist2(x, y, 16, 10) <= reach * reach && c >= Brick && c < Brick + 16;
    return lit ? std::min(c + 3, Brick + 15) : c;
  });
  for (int y = 8; y <= 13; ++y) {
    t.Set(7, y, Wood + 9);
    t.Set(8, y, Wood + 5);
  }
  for (int x = 6; x <= 9; ++x) t.Set(x, 11, Stone + 7);
  Flame(t, 16, 7, 2, 5 + 2 * frame, frame ? 1 : -1, 1200 + frame);
  return t;
}

// An iron fire bowl on three legs standing on the flagstones.
Tile Brazier(int frame) {
  Tile t = Flagstones(0);
  for (int x = 4; x <= 11; ++x) {
    t.Set(x, 8, Fire + 12);
    t.Set(x, 9, Stone + 20);
    if (x >= 5 && x <= 10) t.Set(x, 10, Stone + 8);
    if (x >= 6 && x <= 9) t.Set(x, 11, Stone + 6);
  }
  for (int y = 12; y <= 14; ++y) {
    t.Set(5, y, Stone + 5);
    t.Set(7, y, Stone + 5);
    t.Set(10, y, Stone + 5);
  }
  const int lean[3] = {1, -1, 0};
  Flame(t, 16, 8, 3, 7 + (frame == 2), lean[frame], 1300 + frame);
  return t;
}

// A grass fire: scorched patches with small flames that jump about between the two frames.
Tile BurningGrass(int frame) {
  Tile t = Grass(7501);
  ForEachPixel([&](int x, int y) {
    if (InDisc(x, y, 8, 26, 6) || InDisc(x, y, 20, 22, 6) || InDisc(x, y, 26, 29, 5))
      t.Set(x, y, Hash(1400, x, y) % 3 ? Earth + 4 : Stone + 9);
  });
  Flame(t, 8, 13, 2, 5 + frame, frame ? 1 : 0, 1401 + frame);
  Flame(t, 20, 11, 2, 6 - 2 * frame, frame ? 0 : -1, 1403 + frame);
  Flame(t, 26, 14, 1, 3 + 2 * frame, 0, 1405 + frame);
  return t;
}

// Molten rock: dark plates of crust with glowing cracks between them, and a wave of heat
// sliding through the cracks from frame to frame. The plates repeat every cell in both directions.
int LavaPixel(int x, int y, int frame) {
  int nearest = 1 << 20, second = 1 << 20;
  for (int gy = -1; gy <= 2; ++gy)
    for (int gx = -1; gx <= 2; ++gx) {
      const std::uint32_t h = Hash(1500, Wrap(gx, 2), Wrap(gy, 2));
      const int px = gx * 8 + 1 + Pick(h, 6), py = gy * 8 + 1 + Pick(h >> 8, 6);
      const int d = (x - px) * (x - px) + (y - py) * (y - py);
      if (d < nearest) {
        second = nearest;
        nearest = d;
      } else if (d < second) {
        second = d;
      }
    }
  const int gap = second - nearest;                 // small close to a crack
  const int heat = Tri(x + 2 * y + 6 * frame, 16);  // 0..8
  if (gap < 5) return heat > 4 ? Fire + 28 : Fire + 22;
  if (gap < 11) return Fire + 12 + heat / 2;
  return Hash(1501, x, y) % 5 == 0 ? Fire + 2 : Fire + 4 + heat / 4;
}

Tile Lava(int frame) {
  return Paint([&](int x, int y) { return LavaPixel(x, y, frame); });
}

// A stone fountain on the flagstones: ripples run outward and the jet sprays.
Tile Fountain(int frame) {
  Tile t = Flagstones(1);
  ForEachPixel([&](int x, int y) {
    const int d2 = Dist2(x, y, 16, 16);
    if (d2 > 15 * 15) return;
    if (d2 > 12 * 12) {
      t.Set(x, y, y < 8 ? Stone + 22 : Stone + 17);
      return;
    }
    const int ring = Oct(2 * x + 1 - 16, 2 * y + 1 - 16) / 2;
    t.Set(x, y, Wrap(ring - frame, 3) == 0 ? Water + 22 : Water + 13);
    if (d2 <= 3 * 3) t.Set(x, y, Stone + 24);
  });
  for (int i = 0; i < 6; ++i) {
    const std::uint32_t h = Hash(1600, frame, i);
    t.Set(5 + Pick(h, 6), 5 + Pick(h >> 8, 6), Petal);
  }
  return t;
}

// ---- plants, rocks and things ----------------------------------------------------------------

Tile Tree(int variant) {
  Tile t = Grass(7600 + variant);
  const int r2 = 11 + variant;  // canopy radius in half pixels
  const int cx2 = 16 + (variant == 2 ? 1 : 0), cy2 = 13;
  ForEachPixel([&](int x, int y) {
    if (Dist2(x, y, 17, 29) <= 7 * 7 && y >= 13) t.Set(x, y, Green + 5);  // shadow
    if (x >= 7 && x <= 8 && y >= 10 && y <= 14) t.Set(x, y, x == 7 ? Wood + 6 : Wood + 3);
  });
  ForEachPixel([&](int x, int y) {
    const int d2 = Dist2(x, y, cx2, cy2);
    if (d2 > r2 * r2) return;
    const int light = (2 * x + 1 - cx2) + (2 * y + 1 - cy2);  // negative towards the top left
    int c = light < -r2 / 2 ? Green + 18 : light > r2 / 2 ? Green + 7 : Green + 12;
    const std::uint32_t h = Hash(1700, variant, x, y);
    if (h % 4 == 0) c += 2;
    if (h % 5 == 0) c -= 2;
    if (d2 > (r2 - 2) * (r2 - 2)) c = Green + 5;
    t.Set(x, y, c);
  });
  return t;
}

Tile Pine(int variant) {
  Tile t = Grass(7610 + variant);
  for (int y = 13; y <= 14; ++y) {
    t.Set(7, y, Wood + 5);
    t.Set(8, y, Wood + 3);
  }
  for (int y = 1; y <= 12; ++y) {
    const int tier = (y - 1) / 4;
    const int half = (y - 1) % 4 + 1 + tier + (variant ? tier / 2 : 0);
    for (int x = 8 - half; x < 8 + half; ++x) {
      int c = x < 8 ? Green + 10 : Green + 6;
      if (x == 8 - half) c = Green + 14;
      if ((y - 1) % 4 == 3) c -= 2;
      if (Hash(1710, variant, x, y) % 6 == 0) c += 3;
      t.Set(x, y, c);
    }
  }
  return t;
}

Tile Bush(bool berries) {
  Tile t = Grass(7620 + berries);
  ForEachPixel([&](int x, int y) {
    const int d2 = Dist2(x, y, 16, 19);
    if (d2 > 10 * 10) return;
    int c = (2 * x + 2 * y) < 30 ? Green + 15 : Green + 9;
    if (Hash(1720, x, y) % 4 == 0) c += 2;
    if (d2 > 8 * 8) c = Green + 6;
    t.Set(x, y, c);
  });
  if (berries)
    for (int i = 0; i < 6; ++i) {
      const std::uint32_t h = Hash(1721, i);
      t.Set(5 + Pick(h, 6), 7 + Pick(h >> 8, 5), Rose);
    }
  return t;
}

Tile Rocks(int variant) {
  Tile t = Grass(7630 + variant);
  const int boulders[2][3][3] = {{{10, 12, 7}, {22, 18, 5}, {12, 24, 4}},
                                 {{18, 14, 9}, {8, 24, 4}, {26, 26, 3}}};
  for (const auto& b : boulders[variant]) {
    ForEachPixel([&](int x, int y) {
      if (Dist2(x, y, b[0] + 2, b[1] + 3) <= b[2] * b[2]) t.Set(x, y, Green + 6);
    });
    ForEachPixel([&](int x, int y) {
      const int d2 = Dist2(x, y, b[0], b[1]);
      if (d2 > b[2] * b[2]) return;
      const int light = (2 * x + 1 - b[0]) + (2 * y + 1 - b[1]);
      t.Set(x, y, light < -b[2] / 2 ? Stone + 23 : light > b[2] / 2 ? Stone + 10 : Stone + 16);
    });
  }
  return t;
}

Tile Stump() {
  Tile t = Grass(7640);
  ForEachPixel([&](int x, int y) {
    const int d2 = Dist2(x, y, 16, 17);
    if (d2 > 9 * 9) return;
    int c = Wood + 11;
    if (d2 > 7 * 7)
      c = Wood + 4;  // bark
    else if (d2 > 4 * 4 && d2 <= 5 * 5)
      c = Wood + 8;
    else if (d2 <= 1)
      c = Wood + 7;
    t.Set(x, y, c);
  });
  return t;
}

Tile Reeds(int variant) {
  Tile t = Grass(7650 + variant);
  for (int i = 0; i < 6; ++i) {
    const std::uint32_t h = Hash(1800, variant, i);
    const int x = 1 + Pick(h, 14), top = 2 + Pick(h >> 8, 6);
    for (int y = top; y < Side; ++y) t.Set(x, y, y % 3 ? Olive : Moss);
    if (i % 2 == 0) {  // a bulrush head
      t.Set(x, top, Earth + 8);
      t.Set(x, top + 1, Earth + 8);
      t.Set(x, top + 2, Earth + 10);
    }
  }
  return t;
}

Tile LogPile() {
  Tile t = Speckled(DirtSpeckle, 7660);
  const int rows[3] = {5, 8, 11};
  for (int r = 0; r < 3; ++r)
    for (int y = rows[r]; y < rows[r] + 3; ++y)
      for (int x = 2 + r % 2; x <= 13 - r % 2; ++x) {
        int c = y == rows[r] ? Wood + 9 : y == rows[r] + 2 ? Wood + 3 : Wood + 6;
        if (x <= 3 + r % 2) c = (y == rows[r] + 1) ? Wood + 8 : Wood + 14;  // cut end
        t.Set(x, y, c);
      }
  return t;
}

Tile Tent() {
  Tile t = Speckled(DirtSpeckle, 7670);
  for (int y = 2; y <= 14; ++y) {
    const int half = (y - 2) * 7 / 12 + 1;
    for (int x = 8 - half; x < 8 + half; ++x) t.Set(x, y, x < 8 ? Canvas : CanvasShade);
    if (y >= 9) {
      const int door = (y - 9) / 2 + 1;
      for (int x = 8 - door; x < 8 + door; ++x) t.Set(x, y, Night);
    }
  }
  t.Set(1, 14, Wood + 4);
  t.Set(14, 14, Wood + 4);
  t.Set(8, 1, Wood + 4);
  return t;
}

Tile Mushrooms() {
  Tile t = Grass(7680);
  const int at[3][2] = {{4, 6}, {10, 9}, {6, 12}};
  for (const auto& m : at) {
    const int x = m[0], y = m[1];
    t.Set(x, y + 1, Bone);
    t.Set(x, y + 2, Bone);
    for (int dx = -2; dx <= 2; ++dx) t.Set(x + dx, y, Rose);
    for (int dx = -1; dx <= 1; ++dx) t.Set(x + dx, y - 1, Rose);
    t.Set(x - 1, y, Petal);
    t.Set(x + 1, y - 1, Petal);
  }
  return t;
}

// A split-rail fence running east-west (or north-south when `vertical`).
Tile Fence(bool vertical) {
  Tile t = Grass(7690 + vertical);
  for (int a = 0; a < Side; ++a)
    for (int b = 0; b < Side; ++b) {
      const int along = vertical ? b : a, across = vertical ? a : b;  // a is x, b is y
      int c = -1;
      if (across == 6 || across == 10) c = Wood + 10;
      if (across == 7 || across == 11) c = Wood + 4;
      const int post = Wrap(along, 8);
      if ((post == 2 || post == 3) && across >= 4 && across <= 12)
        c = post == 2 ? Wood + 8 : Wood + 5;
      if (c >= 0) t.Set(a, b, c);
    }
  return t;
}

Tile FlowerBed() {
  const int petals[4] = {Rose, Butter, Lavender, Petal};
  Tile t = Paint([](int, int y) { return y % 4 == 3 ? Earth + 7 : Earth + 10; });
  for (int row = 0; row < 4; ++row)
    for (int i = 0; i < 5; ++i) {
      const int x = 1 + 3 * i + row % 2, y = 4 * row + 1;
      t.Set(x, y + 1, Green + 12);
      t.Set(x, y, petals[(row + i) % 4]);
    }
  return t;
}

Tile Signpost() {
  Tile t = Grass(7700);
  for (int y = 8; y <= 14; ++y) {
    t.Set(7, y, Wood + 7);
    t.Set(8, y, Wood + 4);
  }
  for (int y = 3; y <= 8; ++y)
    for (int x = 3; x <= 12; ++x) {
      const bool rim = x == 3 || x == 12 || y == 3 || y == 8;
      const bool words = (y == 5 && x >= 5 && x <= 10 && x != 8) || (y == 6 && x >= 5 && x <= 8);
      t.Set(x, y, rim ? Wood + 4 : words ? Wood + 3 : Wood + 12);
    }
  return t;
}

// ---- plaza tiles -----------------------------------------------------------------------------

// Glazed floor tiles for plazas and halls: one of eight patterns in three colours.
Tile Mosaic(int pattern, int light, int dark, int accent) {
  return Paint([&](int x, int y) {
    const int cx = std::abs(2 * x - 15), cy = std::abs(2 * y - 15);  // 1..15 from the centre
    bool on = false;
    bool mark = false;
    switch (pattern) {
      case 0: on = (x / 2 + y / 2) % 2 == 0; break;
      case 1:
        on = (x / 8 + y / 8) % 2 == 0;
        mark = (cx == 1 || cy == 1);
        break;
      case 2: on = Wrap(x + y, 8) < 4; break;
      case 3:
        on = cx + cy <= 14;
        mark = cx + cy == 14 || cx + cy == 2;
        break;
      case 4: on = std::max(cx, cy) / 4 % 2 == 0; break;
      case 5:
        on = true;
        mark = x % 4 == 1 && y % 4 == 1;
        break;
      case 6: on = Wrap(y / 2 + (x / 4 % 2 ? -x : x), 4) < 2; break;
      default:
        on = cx <= 3 || cy <= 3;
        mark = cx <= 1 && cy <= 1;
        break;
    }
    if (x == 0 || y == 0) return accent;  // grout on two sides joins neighbouring tiles
    if (mark) return accent;
    return on ? light : dark;
  });
}

// ---- the void --------------------------------------------------------------------------------

// A cell for "nothing here": night blue crossed by two slate diagonals.
Tile Void() {
  return Paint([](int x, int y) {
    if (x == y || x == 15 - y) return Slate;
    if (x == 0 || y == 0 || x == 15 || y == 15) return Slate;
    return Night;
  });
}

// The cell bank, drawn theme by theme.

// Cells drawn by draw(i) for i = 0..N-1, added to the bank under `name` and listed in `at`.
template <std::size_t N, typename Draw>
void AddVariants(Bank& bank, std::array<int, N>& at, const char* name, Draw draw) {
  for (std::size_t i = 0; i < N; ++i)
    at[i] = AddCell(bank, draw(static_cast<int>(i)), std::string(name) + " " + std::to_string(i));
}

// Frames added as AddVariants does, then linked: shown one after the other and round again
// (Loop), or once with the last one staying (Once).
enum Playing { Once, Loop };
template <std::size_t N, typename Draw>
void AddAnimation(Bank& bank, std::array<int, N>& at, Playing playing, const std::string& name,
                  Draw draw) {
  AddVariants(bank, at, name.c_str(), draw);
  LinkFrames(bank, at.data(), static_cast<int>(N), playing == Loop);
}

void DrawGround(Bank& bank, Catalog& cat) {
  cat.ground = AddCell(bank, Speckled(PlainSpeckle, 1), "plain ground");
  AddVariants(bank, cat.grass, "grass", [](int i) { return Grass(10 + i); });
  const int petal[4] = {Rose, Petal, Lavender, Butter};
  const int heart[4] = {Butter, Butter, Petal, 7};
  AddVariants(bank, cat.flowers, "flowers",
              [&](int i) { return Flowers(20 + i, petal[i], heart[i]); });
  AddVariants(bank, cat.dirt, "dirt", [](int i) { return Dirt(30 + i); });
  AddVariants(bank, cat.sand, "sand", [](int i) { return Sand(40 + i); });
  AddVariants(bank, cat.gravel, "gravel", [](int i) { return Speckled(GravelSpeckle, 50 + i); });
  AddVariants(bank, cat.path, "path", PathTile);
}

void DrawWater(Bank& bank, Catalog& cat) {
  for (int land = 0; land < 16; ++land)
    AddAnimation(bank, cat.lake[land], Loop, "lake " + std::to_string(land),
                 [&](int f) { return LakeTile(land, 0, f); });
  for (int c = 0; c < 4; ++c)
    AddAnimation(bank, cat.lakeCorner[c], Loop, "lake corner " + std::to_string(c),
                 [&](int f) { return LakeTile(0, 1 << c, f); });
  AddAnimation(bank, cat.splash, Once, "splash", Splash);
  for (int p = 0; p < RiverPieces; ++p)
    AddAnimation(bank, cat.river[p], Loop, "river " + std::to_string(p),
                 [&](int f) { return RiverTile(RiverArms[p], f); });
  AddAnimation(bank, cat.bridgeV, Loop, "bridge over N-S river",
               [](int f) { return Bridge(true, f); });
  AddAnimation(bank, cat.bridgeH, Loop, "bridge over E-W river",
               [](int f) { return Bridge(false, f); });
  AddAnimation(bank, cat.well, Loop, "well", Well);
  AddAnimation(bank, cat.fountain, Loop, "fountain", Fountain);
}

void DrawFire(Bank& bank, Catalog& cat) {
  AddAnimation(bank, cat.campfire, Loop, "camp fire", CampFire);
  AddAnimation(bank, cat.dying, Once, "dying fire", DyingFire);
  AddAnimation(bank, cat.torch, Loop, "torch", Torch);
  AddAnimation(bank, cat.brazier, Loop, "brazier", Brazier);
  AddAnimation(bank, cat.burning, Loop, "burning grass", BurningGrass);
  AddAnimation(bank, cat.lava, Loop, "lava", Lava);
}

void DrawBuildings(Bank& bank, Catalog& cat) {
  AddVariants(bank, cat.brick, "bricks", [](int i) { return Bricks(610 + i); });
  AddVariants(bank, cat.stone, "stone wall", StoneWall);
  AddVariants(bank, cat.flag, "flagstones", Flagstones);
  cat.battlement = AddCell(bank, Battlement(), "battlement");
  cat.gateLeft = AddCell(bank, GateHalf(false), "gate, west half");
  cat.gateRight = AddCell(bank, GateHalf(true), "gate, east half");
  cat.slit = AddCell(bank, ArrowSlit(), "arrow slit");
  AddVariants(bank, cat.broken, "broken wall", BrokenWall);
  cat.rubble = AddCell(bank, Rubble(), "rubble");
  cat.roofLeft = AddCell(bank, Roof(false), "roof, west half");
  cat.roofRight = AddCell(bank, Roof(true), "roof, east half");
  AddAnimation(bank, cat.smoke, Once, "chimney", ChimneyRoof);
  cat.hutDoor = AddCell(bank, HutDoor(), "hut door");
  cat.hutWindow = AddCell(bank, HutWindow(), "hut window");
  cat.woodFloor = AddCell(bank, WoodFloor(), "wood floor");
}

void DrawNature(Bank& bank, Catalog& cat) {
  AddVariants(bank, cat.tree, "tree", Tree);
  AddVariants(bank, cat.pine, "pine", Pine);
  AddVariants(bank, cat.bush, "bush", [](int i) { return Bush(i == 1); });
  AddVariants(bank, cat.rocks, "rocks", Rocks);
  AddVariants(bank, cat.reeds, "reeds", Reeds);
  cat.stump = AddCell(bank, Stump(), "stump");
  cat.logs = AddCell(bank, LogPile(), "log pile");
  cat.tent = AddCell(bank, Tent(), "tent");
  cat.mushrooms = AddCell(bank, Mushrooms(), "mushrooms");
  cat.fenceH = AddCell(bank, Fence(false), "fence E-W");
  cat.fenceV = AddCell(bank, Fence(true), "fence N-S");
  cat.flowerBed = AddCell(bank, FlowerBed(), "flower bed");
  cat.sign = AddCell(bank, Signpost(), "signpost");
}

// Fills every cell left before the last with plaza tiles, then puts the void cell last.
void DrawPlazaAndVoid(Bank& bank, Catalog& cat) {
  struct Colours {
    int light, dark, accent;
  };
  const Colours families[] = {
      {Stone + 22, Stone + 13, Stone + 6},
      {SandShades + 12, Earth + 15, Earth + 6},
      {Water + 20, Water + 11, Water + 4},
      {Brick + 11, Brick + 6, Brick + 2},
      {Green + 20, Green + 11, Green + 4},
      {Wood + 12, Wood + 7, Wood + 2},
      {Fire + 22, Fire + 13, Fire + 5},
      {Bone, Slate, Night},
      {Pink, Rose, Plum},
      {Lavender, Panel + 5, Night},
      {14, 4, 1},
      {Canvas, CanvasShade, Rust},
  };
  int n = 0;
  for (const Colours& c : families)
    for (int pattern = 0; pattern < 8 && bank.count < CellCount - 1; ++pattern, ++n) {
      const int at = AddCell(bank, Mosaic(pattern, c.light, c.dark, c.accent),
                             "plaza tile " + std::to_string(n));
      if (n == 1) cat.plazaA = at;
      if (n == 19) cat.plazaB = at;
    }
  if (bank.count != CellCount - 1) Fail("not enough plaza tiles to fill the bank");
  cat.voidCell = AddCell(bank, Void(), "void");
  bank.ids[cat.voidCell] = 255;  // the alternative "does not animate" id
}

}  // namespace

Catalog DrawCells(Bank& bank) {
  Catalog cat;
  DrawGround(bank, cat);
  DrawWater(bank, cat);
  DrawFire(bank, cat);
  DrawBuildings(bank, cat);
  DrawNature(bank, cat);
  DrawPlazaAndVoid(bank, cat);
  CheckDistinct(bank);
  return cat;
}
