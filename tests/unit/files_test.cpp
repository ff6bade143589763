// The data files: size rules at start-up, the id rebuild, the bytes a save
// writes, the Save As road, and saves that must not damage anything. A
// cancelled Save As is tested end to end.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "area/area_slots.h"
#include "area/editor_state.h"
#include "files/area_set.h"
#include "files/data_files.h"
#include "shell/program.h"
#include "tests/unit/program_test.h"

namespace {

using Files = ProgramTest;

using AreaSetOfSize = std::vector<std::uint8_t>;  // (size, fill)

TEST_F(Files, MissingOrShortFilesEndWithStatusOneBeforeTheDisplay) {
  struct Case {
    std::function<void()> damage;
    const char* open;
    const char* error;
  };
  const Case cases[] = {
      {[] { dbl::WriteFile("set.out", AreaSetOfSize(214015, 1)); }, "set.out",
       "set.out is not an area set: 214015 bytes, an area set has exactly 214016"},
      {[] { dbl::WriteFile("set.out", AreaSetOfSize(214017, 1)); }, "set.out",
       "set.out is not an area set: 214017 bytes, an area set has exactly 214016"},
      {[] { dbl::WriteFile("set.out", {}); }, "set.out",
       "set.out is not an area set: 0 bytes, an area set has exactly 214016"},
      {[] {}, "nowhere.out", "cannot read nowhere.out: No such file or directory"},
      {[] { std::filesystem::create_directory("dir.out"); }, "dir.out",
       "cannot read dir.out: Is a directory"},
      {[] { std::filesystem::resize_file("Cells.dap", 66303); }, "",
       "Cells.dap is too short for a cell bank: 66303 bytes, at least 66304 needed"},
      {[] { std::filesystem::remove("Cells.dap"); }, "",
       "cannot read Cells.dap: No such file or directory"},
      {[] { std::filesystem::resize_file("Cells.id", 255); }, "",
       "Cells.id is too short for a cell-id table: 255 bytes, at least 256 needed"}};
  for (const Case& c : cases) {
    dbl::WriteTestBank();
    c.damage();
    dbl::Reset();
    dbl::AnswerOpen(c.open);
    EXPECT_EQ(dbl::RunProgram(), 1u);
    ASSERT_EQ(dbl::Calls.errors.size(), 1u);
    EXPECT_EQ(dbl::Calls.errors[0], std::string("tesselle: ") + c.error);
    EXPECT_FALSE(emu::Display.modeSet);  // ended before the display was touched
  }
  EXPECT_EQ(dbl::Calls.openDialogs, 0);  // the data files are read before the dialog

  // Longer data files are fine: only their first bytes are used.
  dbl::WriteTestBank();
  std::filesystem::resize_file("Cells.dap", 70000);
  dbl::WriteFile("set.out", AreaSetOfSize(214016, 9));
  dbl::Reset();
  dbl::AnswerOpen("set.out");
  EXPECT_EQ(dbl::RunProgram(), 0u);
  EXPECT_TRUE(dbl::Calls.errors.empty());
}

TEST_F(Files, SavingANewSetWritesIdsAndBankCopies) {
  dbl::Key(VK_F3);
  EXPECT_EQ(dbl::RunProgram(), 0u);
  std::vector<std::uint8_t> saved = dbl::ReadFile("Areas.out");
  ASSERT_EQ(saved.size(), 214016u);
  std::vector<std::uint8_t> bank = dbl::ReadFile("Cells.dap");
  std::vector<std::uint8_t> ids = dbl::ReadFile("Cells.id");
  for (std::size_t i = 0; i < saved.size(); ++i) {
    std::uint8_t expected = 0;
    if (i < 81920 && i % 320 >= 160) expected = ids[0];
    if (i >= 0x14000 && i < 0x14000 + 66304) expected = bank[i - 0x14000];
    if (i >= 0x24300 && i < 0x24400) expected = ids[i - 0x24300];
    ASSERT_EQ(saved[i], expected) << "at offset " << i;
  }
}

TEST_F(Files, IdsAreRebuiltFromTheCellIdTable) {
  std::vector<std::uint8_t> set = AreaSetOfSize(214016, 0);
  for (std::size_t i = 0; i < 81920; ++i) set[i] = static_cast<std::uint8_t>(i * 7);
  dbl::WriteFile("set.out", set);
  dbl::AnswerOpen("set.out");
  dbl::Do([] {
    for (std::size_t area = 0; area < 256; ++area)
      for (std::size_t i = 0; i < 160; ++i)
        ASSERT_EQ(AreaRecord(area)[160 + i], dbl::CellId(AreaRecord(area)[i]));
  });
  dbl::Key(VK_F3);
  EXPECT_EQ(dbl::RunProgram(), 0u);
  std::vector<std::uint8_t> saved = dbl::ReadFile("set.out");
  EXPECT_EQ(saved[160], dbl::CellId(set[0]));
  EXPECT_EQ(saved[320 * 255 + 319], dbl::CellId(set[320 * 255 + 159]));
}

TEST_F(Files, SaveAsRoadAndDefaultExtension) {
  std::vector<std::uint8_t> before, after;
  bool defExtAtOpen = true;
  dbl::Idle(2);
  dbl::Do([&] {
    defExtAtOpen = AreaFileDialog.defExt != nullptr;
    emu::SetHeldModifiers(true, false);
    before = dbl::Screen();
    SaveAreaSet();
    after = dbl::Screen();
  });
  dbl::AnswerSave("new");
  dbl::Key(VK_RIGHT);
  dbl::Key(VK_SPACE);
  dbl::Key(VK_F3);  // a plain save now goes to the chosen name
  EXPECT_EQ(dbl::RunProgram(), 0u);
  EXPECT_FALSE(defExtAtOpen);
  EXPECT_EQ(dbl::Calls.saveDialogs, 1);
  EXPECT_TRUE(dbl::Calls.cursorVisibleAtDialog);
  EXPECT_FALSE(dbl::Calls.modeSetAtDialog);
  EXPECT_EQ(std::string(AreaFileName), "new.out");
  EXPECT_EQ(before, after);
  EXPECT_FALSE(std::filesystem::exists("Areas.out"));
  std::vector<std::uint8_t> saved = dbl::ReadFile("new.out");
  ASSERT_EQ(saved.size(), 214016u);
  EXPECT_EQ(saved[1], 0);  // the selected cell is 0; what matters is the second save's id
  EXPECT_EQ(saved[161], dbl::CellId(0));
}

TEST_F(Files, SaveReplacesALongerFileWholeKeepingItsPermissions) {
  dbl::WriteFile("set.out", AreaSetOfSize(214016, 3));
  chmod("set.out", 0640);
  dbl::AnswerOpen("set.out");
  dbl::Do([] {
    // Someone else made the file longer meanwhile.
    dbl::WriteFile("set.out", AreaSetOfSize(300000, 3));
  });
  dbl::Key(VK_F3);
  EXPECT_EQ(dbl::RunProgram(), 0u);
  EXPECT_EQ(std::filesystem::file_size("set.out"), 214016u);
  EXPECT_FALSE(std::filesystem::exists("set.out.tesselle-new"));
  struct stat info {};
  ASSERT_EQ(stat("set.out", &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(Files, FailedSavesAreReportedAndLeaveTheOldFile) {
  dbl::WriteFile("set.out", AreaSetOfSize(214016, 3));
  chmod("set.out", 0444);
  dbl::AnswerOpen("set.out");
  dbl::Key(VK_SPACE);  // place cell 0 at (0, 0): the set changes in memory
  dbl::Key(VK_F3);
  dbl::AnswerSave("missing-dir/x.out");
  dbl::Key(VK_F3, true);
  dbl::AnswerSave("good.out");
  dbl::Key(VK_F3, true);
  EXPECT_EQ(dbl::RunProgram(), 0u);

  ASSERT_EQ(dbl::Calls.errors.size(), 2u);
  EXPECT_EQ(dbl::Calls.errors[0], "tesselle: cannot save set.out: Permission denied");
  EXPECT_EQ(dbl::Calls.errors[1],
            "tesselle: cannot save missing-dir/x.out: No such file or directory");
  EXPECT_EQ(dbl::Calls.messageBoxes, 2);
  EXPECT_EQ(dbl::Calls.lastMessageBox, "cannot save missing-dir/x.out: No such file or directory");
  EXPECT_EQ(dbl::ReadFile("set.out"), AreaSetOfSize(214016, 3));
  EXPECT_FALSE(std::filesystem::exists("set.out.tesselle-new"));
  // The image kept everything: the later save has the placed cell and its id.
  std::vector<std::uint8_t> good = dbl::ReadFile("good.out");
  ASSERT_EQ(good.size(), 214016u);
  EXPECT_EQ(good[0], 0);
  EXPECT_EQ(good[160], dbl::CellId(0));
  EXPECT_EQ(good[161], dbl::CellId(3));
}

}  // namespace
