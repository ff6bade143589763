// The demo data make-demo writes: sizes, the bank's copies in the area set,
// distinct cells, a 6-bit palette, sound animation chains, and areas and a
// world map that show something. (The interface's colours and the world's
// top left corner are in the golden pictures.)
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

// The demo files as make-demo wrote them.
const Bytes Bank = e2e::ReadBytes(DEMO_DIR "/Cells.dap"),
            Ids = e2e::ReadBytes(DEMO_DIR "/Cells.id"), Set = e2e::ReadBytes(DEMO_DIR "/Areas.out");

bool Still(int id) { return id == 0 || id == 255; }

int Differences(int a, int b) {
  int n = 0;
  for (int i = 0; i < 256; ++i) n += Bank[256 * a + i] != Bank[256 * b + i];
  return n;
}

TEST(DemoData, CellsPaletteAnimationAreasAndMap) {
  ASSERT_TRUE(Bank.size() == CellBankUsedSize && Ids.size() == 256 && Set.size() == AreaSetSize);

  std::set<Bytes> bitmaps;
  for (int n = 0; n < 256; ++n) bitmaps.emplace(&Bank[256 * n], &Bank[256 * n + 256]);
  EXPECT_EQ(bitmaps.size(), 256u) << "some cells are identical";

  EXPECT_LE(*std::max_element(Bank.begin() + 65536, Bank.end()), 63) << "the palette is not 6-bit";

  bool twoCycle = false, threeCycle = false, stoppingChain = false;  // chains seen
  for (int a = 0; a < 256; ++a) {
    const int b = Ids[a];
    if (Still(b)) continue;
    EXPECT_NE(b, a) << "cell " << a << " animates into itself";
    EXPECT_GE(Differences(a, b), 8) << "frames " << a << " and " << b << " look the same";
    const int c = Ids[b];
    if (c == a) twoCycle = true;
    if (!Still(c) && c != a && c != b && Ids[c] == a) threeCycle = true;
    if (!Still(c) && c != a && Ids[c] == 0) stoppingChain = true;
  }
  EXPECT_TRUE(twoCycle && threeCycle && stoppingChain && Still(Ids[0]));

  EXPECT_TRUE(std::equal(Bank.begin(), Bank.end(), Set.begin() + AreaSetBankCopyOffset));
  EXPECT_TRUE(std::equal(Ids.begin(), Ids.end(), Set.begin() + AreaSetIdCopyOffset));

  std::set<int> shown;  // areas that are not just cell 0 everywhere
  for (int a = 0; a < 256; ++a) {
    const std::uint8_t* record = Set.data() + a * AreaRecordSize;
    bool empty = true, animated = false;
    for (std::size_t i = 0; i < AreaCells; ++i) {
      ASSERT_EQ(record[AreaCells + i], Ids[record[i]])
          << "area " << a << " position " << i << " carries a stale id";
      empty = empty && record[i] == 0;
      animated = animated || !Still(Ids[record[i]]);
    }
    if (empty) continue;
    shown.insert(a);
    EXPECT_TRUE(animated) << "area " << a << " has nothing for the animation preview";
  }
  EXPECT_GE(shown.size(), 12u);

  std::set<int> onMap(Set.begin() + WordMapGridOffset, Set.end());
  for (int a : shown) EXPECT_TRUE(onMap.count(a)) << "area " << a << " is not on the world map";
}

}  // namespace
