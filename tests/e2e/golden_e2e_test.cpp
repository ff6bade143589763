// Golden images on the demo set, reviewed by eye when they were made: the
// area editor (start, edited, a blanked block), the help page, and the Word
// Map after a stamp.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace {

TEST(Golden, Screens) {
  std::string dir = e2e::MakeWorkDir(true);
  e2e::RunResult run = e2e::RunScript(
      dir,
      "open Areas.out\nframes 2\nshot start.png\n"
      // area 3, a cell picked from the selector and placed twice
      "key ADD\nkey ADD\nkey ADD\nkey TAB\nkey DOWN\nkey DOWN\nkey DOWN\nkey RIGHT\nkey SPACE\n"
      "key TAB\nkey DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nkey SPACE\nkey RIGHT\n"
      "key SPACE\nframes 2\nshot edited.png\n"
      // a block marked and blanked by its blink
      "key shift+RIGHT\nkey shift+RIGHT\nkey shift+DOWN\nframes 16\nshot block.png\n");
  ASSERT_EQ(run.status, 0) << run.err;
  e2e::ExpectGolden(dir + "/start.png", "area_editor_start.png");
  e2e::ExpectGolden(dir + "/edited.png", "area_editor_edited.png");
  e2e::ExpectGolden(dir + "/block.png", "area_editor_block.png");

  ASSERT_EQ(e2e::RunScript(dir, "open Areas.out\nkey F1\nshot help.png\n").status, 0);
  run = e2e::RunScript(
      dir,
      "open Areas.out\nkey F5\nkey TAB\nkey RIGHT\nkey RIGHT\nkey RIGHT\nkey SPACE\nkey TAB\n"
      "key RIGHT\nkey RIGHT\nkey DOWN\nkey DOWN\nkey DOWN\nkey SPACE\nkey RIGHT\n"
      "frames 2\nshot map.png\n");
  ASSERT_EQ(run.status, 0) << run.err;
  e2e::ExpectGolden(dir + "/help.png", "help_page.png");
  e2e::ExpectGolden(dir + "/map.png", "word_map_demo_stamp.png");
}

}  // namespace
