// The area editor end to end, where the golden images do not reach: when the
// cursor's move is drawn.
#include <gtest/gtest.h>

#include <string>

#include "draw/tables.h"
#include "tests/e2e/harness.h"

namespace {

using e2e::ReadShot;
using e2e::Shot;

TEST(AreaEditorScreen, CursorMovesAfterOneIdleTurnAndPlacedCellsShowUnderIt) {
  std::string dir = e2e::MakeWorkDir();
  ASSERT_EQ(e2e::RunScript(dir,
                           "open cancel\nkey TAB\nkey RIGHT\nkey RIGHT\nkey SPACE\nkey TAB\n"
                           "key RIGHT\nshot moved-only.raw\nframes 2\nshot moved.raw\n"
                           "key SPACE\nframes 2\nshot placed.raw\n")
                .status,
            0);
  Shot movedOnly = ReadShot(dir + "/moved-only.raw");
  Shot moved = ReadShot(dir + "/moved.raw");
  Shot placed = ReadShot(dir + "/placed.raw");
  // The key's move is not drawn until the next turn's cursor step.
  EXPECT_TRUE(movedOnly.IsCellDoubled(96, 32, 0));
  EXPECT_FALSE(moved.IsCellDoubled(96, 32, 0));
  EXPECT_TRUE(moved.IsCellDoubled(64, 32, 0));
  // Cell 2 placed under the cursor shows around the cursor's brackets.
  EXPECT_EQ(placed.at(96 + 16, 32 + 16), e2e::CellPixel(2, 8, 8));
  EXPECT_TRUE(placed.IsCellDoubled(12, 32, 2));  // the preview
}

}  // namespace
