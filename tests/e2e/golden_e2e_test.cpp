// Golden images on the demo set, reviewed by eye when they were made: the
// area editor (start, edited, a blanked block), the Word Map after a stamp,
// and the help's two pages as PgDn and PgUp turn them.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/e2e/harness.h"

namespace {

TEST(Golden, Screens) {
  const char* runs[] = {
      "open Areas.out; frames 2; shot area_editor_start.png; "
      // area 3, a cell picked from the selector and placed twice
      "ADD*3 TAB DOWN*3 RIGHT SPACE TAB DOWN*5 SPACE RIGHT SPACE; frames 2; "
      "shot area_editor_edited.png; "
      // a block marked and blanked by its blink
      "shift+RIGHT*2 shift+DOWN; frames 16; shot area_editor_block.png",
      "open Areas.out; F5 TAB RIGHT*3 SPACE TAB RIGHT*2 DOWN*3 SPACE RIGHT; frames 2; "
      "shot word_map_demo_stamp.png"};
  std::string dir = e2e::MakeWorkDir(true);
  for (const char* lines : runs) {
    std::string script = e2e::Script(lines);
    e2e::RunResult run = e2e::RunScript(dir, script);
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream words(script);
    for (std::string word, name; words >> word;)
      if (word == "shot" && words >> name) e2e::ExpectGolden(dir + "/" + name, name);
  }
}

// PgDn turns the help to its second page, where it stays; PgUp back to the
// first; Esc from the second gives back the editor's screen as from the first.
TEST(Golden, HelpPagesTurnWithPgDnAndPgUp) {
  std::string dir = e2e::MakeWorkDir(true);
  for (const char* turns : {"ESCAPE; shot plain.raw",
                            "shot 1.png; NEXT NEXT; shot 2.png; PRIOR PRIOR; shot 1again.png; "
                            "NEXT ESCAPE; shot back.raw"}) {
    e2e::RunResult run = e2e::RunScript(
        dir, e2e::Script(std::string("open Areas.out; RIGHT; frames 2; F1; ") + turns));
    ASSERT_EQ(run.status, 0) << run.err;
  }
  for (auto [shot, golden] :
       {std::pair{"1", "help_page"}, {"2", "help_page_more"}, {"1again", "help_page"}})
    e2e::ExpectGolden(dir + "/" + shot + ".png", golden + std::string(".png"));
  EXPECT_EQ(e2e::ReadBytes(dir + "/back.raw"), e2e::ReadBytes(dir + "/plain.raw"));
}

}  // namespace
