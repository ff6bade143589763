// The demo data make-demo writes: sizes, the bank's copies in the area set,
// distinct cells, a 6-bit palette, sound animation chains, and areas and a
// world map that show something.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "files/area_set.h"
#include "tests/e2e/harness.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadDemoFile(const std::string& name) { return e2e::ReadBytes(DEMO_DIR "/" + name); }

bool Still(int id) { return id == 0 || id == 255; }

int Differences(const Bytes& bank, int a, int b) {
  int n = 0;
  for (int i = 0; i < 256; ++i) n += bank[256 * a + i] != bank[256 * b + i];
  return n;
}

TEST(DemoData, CellsPaletteAndAnimation) {
  const Bytes bank = ReadDemoFile("Cells.dap");
  const Bytes ids = ReadDemoFile("Cells.id");
  ASSERT_TRUE(bank.size() == CellBankUsedSize && ids.size() == 256);

  std::set<Bytes> bitmaps;
  for (int n = 0; n < 256; ++n) bitmaps.emplace(&bank[256 * n], &bank[256 * n + 256]);
  EXPECT_EQ(bitmaps.size(), 256u) << "some cells are identical";

  EXPECT_LE(*std::max_element(bank.begin() + 65536, bank.end()), 63) << "the palette is not 6-bit";
  // The UI line colour must stand out against the black background.
  EXPECT_GE(bank[65536 + 3 * 15] + bank[65536 + 3 * 15 + 1] + bank[65536 + 3 * 15 + 2], 150);

  bool twoCycle = false, threeCycle = false, stoppingChain = false;  // chains seen
  for (int a = 0; a < 256; ++a) {
    const int b = ids[a];
    if (Still(b)) continue;
    EXPECT_NE(b, a) << "cell " << a << " animates into itself";
    EXPECT_GE(Differences(bank, a, b), 8) << "frames " << a << " and " << b << " look the same";
    const int c = ids[b];
    if (c == a) twoCycle = true;
    if (!Still(c) && c != a && c != b && ids[c] == a) threeCycle = true;
    if (!Still(c) && c != a && ids[c] == 0) stoppingChain = true;
  }
  EXPECT_TRUE(twoCycle && threeCycle && stoppingChain && Still(ids[0]));
}

TEST(DemoData, AreaSetMatchesCellsAndMapShowsAreas) {
  const Bytes bank = ReadDemoFile("Cells.dap");
  const Bytes ids = ReadDemoFile("Cells.id");
  const Bytes set = ReadDemoFile("Areas.out");
  ASSERT_TRUE(bank.size() == CellBankUsedSize && ids.size() == 256 && set.size() == AreaSetSize);

  EXPECT_TRUE(std::equal(bank.begin(), bank.end(), set.begin() + AreaSetBankCopyOffset));
  EXPECT_TRUE(std::equal(ids.begin(), ids.end(), set.begin() + AreaSetIdCopyOffset));

  std::set<int> shown;  // areas that are not just cell 0 everywhere
  for (int a = 0; a < 256; ++a) {
    const std::uint8_t* record = set.data() + a * AreaRecordSize;
    bool empty = true, animated = false;
    for (std::size_t i = 0; i < AreaCells; ++i) {
      ASSERT_EQ(record[AreaCells + i], ids[record[i]])
          << "area " << a << " position " << i << " carries a stale id";
      empty = empty && record[i] == 0;
      animated = animated || !Still(ids[record[i]]);
    }
    if (empty) continue;
    shown.insert(a);
    EXPECT_TRUE(animated) << "area " << a << " has nothing for the animation preview";
  }
  EXPECT_GE(shown.size(), 12u);

  std::set<int> onMap(set.begin() + WordMapGridOffset, set.end());
  for (int a : shown) EXPECT_TRUE(onMap.count(a)) << "area " << a << " is not on the world map";
  // The world starts at the top left corner with a connected block of real areas.
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_TRUE(shown.count(set[WordMapGridOffset + 256 * y + x]))
          << "map (" << x << ", " << y << ")";
}

}  // namespace
