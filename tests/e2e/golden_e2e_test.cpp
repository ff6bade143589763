// Golden images of the area editor on the demo set: the start screen and a
// few edited screens, reviewed by eye when they were made.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace {

TEST(Golden, AreaEditorScreens) {
  std::string dir = e2e::MakeWorkDir(true);
  e2e::Run run = e2e::RunScript(dir,
                                "open Areas.out\nframes 2\nshot start.png\n"
                                // area 3, a cell picked from the selector and placed twice
                                "key ADD\nkey ADD\nkey ADD\nkey TAB\nkey DOWN\nkey DOWN\n"
                                "key DOWN\nkey RIGHT\nkey SPACE\nkey TAB\nkey DOWN\nkey DOWN\n"
                                "key DOWN\nkey DOWN\nkey DOWN\nkey SPACE\nkey RIGHT\nkey SPACE\n"
                                "frames 2\nshot edited.png\n"
                                // a block marked and blanked by its blink
                                "key shift+RIGHT\nkey shift+RIGHT\nkey shift+DOWN\nframes 16\n"
                                "shot block.png\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  e2e::ExpectGolden(dir + "/start.png", "area_editor_start.png");
  e2e::ExpectGolden(dir + "/edited.png", "area_editor_edited.png");
  e2e::ExpectGolden(dir + "/block.png", "area_editor_block.png");
}

}  // namespace
