// Golden images on the demo set, reviewed by eye when they were made: the
// area editor (start, edited, a blanked block), the help page, and the Word
// Map after a stamp.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/e2e/harness.h"

namespace {

TEST(Golden, Screens) {
  const char* runs[] = {
      "open Areas.out\nframes 2\nshot area_editor_start.png\n"
      // area 3, a cell picked from the selector and placed twice
      "key ADD\nkey ADD\nkey ADD\nkey TAB\nkey DOWN\nkey DOWN\nkey DOWN\nkey RIGHT\nkey SPACE\n"
      "key TAB\nkey DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nkey SPACE\nkey RIGHT\n"
      "key SPACE\nframes 2\nshot area_editor_edited.png\n"
      // a block marked and blanked by its blink
      "key shift+RIGHT\nkey shift+RIGHT\nkey shift+DOWN\nframes 16\nshot area_editor_block.png\n",
      "open Areas.out\nkey F1\nshot help_page.png\n",
      "open Areas.out\nkey F5\nkey TAB\nkey RIGHT\nkey RIGHT\nkey RIGHT\nkey SPACE\nkey TAB\n"
      "key RIGHT\nkey RIGHT\nkey DOWN\nkey DOWN\nkey DOWN\nkey SPACE\nkey RIGHT\n"
      "frames 2\nshot word_map_demo_stamp.png\n"};
  std::string dir = e2e::MakeWorkDir(true);
  for (const char* script : runs) {
    e2e::RunResult run = e2e::RunScript(dir, script);
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(script);
    for (std::string word, name; lines >> word;)
      if (word == "shot" && lines >> name) e2e::ExpectGolden(dir + "/" + name, name);
  }
}

}  // namespace
