// The headless front end end to end: exit statuses, palette dumps, saves,
// Save As, surface loss and the script contract's own rules.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e/harness.h"

namespace {

using e2e::MakeWorkDir;
using e2e::RunScript;

TEST(HeadlessExit, StatusesFollowTheWayTheProgramEnds) {
  std::string dir = MakeWorkDir();
  EXPECT_EQ(RunScript(dir, "open cancel\nquit 7\n").status, 7);
  EXPECT_EQ(RunScript(dir, "open cancel\nclose\n").status, 0);
  EXPECT_EQ(RunScript(dir, "open cancel\nsyskey F4\n").status, 96);
  EXPECT_EQ(RunScript(dir, "open cancel\nkey RIGHT\n").status, 0);
  EXPECT_EQ(RunScript(dir, "open cancel\nquit 0x107\n").status, 7);  // low 8 bits
}

TEST(HeadlessExit, StartupFailuresGiveOneAndALine) {
  std::string dir = MakeWorkDir();
  e2e::WriteBytes(dir + "/short.out", std::vector<std::uint8_t>(214015));
  e2e::WriteBytes(dir + "/long.out", std::vector<std::uint8_t>(214017));
  e2e::WriteBytes(dir + "/right.out", std::vector<std::uint8_t>(214016));
  e2e::Run run = RunScript(dir, "open short.out\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors,
            "tesselle: short.out is not an area set: 214015 bytes, an area set has exactly "
            "214016\n");
  EXPECT_EQ(RunScript(dir, "open long.out\n").status, 1);
  EXPECT_EQ(RunScript(dir, "open right.out\nquit 5\n").status, 5);
  run = RunScript(dir, "open missing.out\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, "tesselle: cannot read missing.out: No such file or directory\n");

  std::filesystem::remove(dir + "/Cells.id");
  run = RunScript(dir, "open cancel\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, "tesselle: cannot read Cells.id: No such file or directory\n");
}

TEST(HeadlessScript, BadScriptsAreRefusedBeforeTheProgramStarts) {
  std::string dir = MakeWorkDir();
  e2e::Run run = RunScript(dir, "open cancel\n# fine\n\nkey NOSUCHKEY\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.errors.find("line 4"), std::string::npos) << run.errors;
  EXPECT_EQ(RunScript(dir, "frames\n").status, 2);
  EXPECT_EQ(RunScript(dir, "shot picture.bmp\n").status, 2);
  EXPECT_EQ(RunScript(dir, "key alt+F4\n").status, 2);
  EXPECT_EQ(RunScript(dir, "quit 0\n", "--pitch 639").status, 2);
  EXPECT_FALSE(std::filesystem::exists(dir + "/Areas.out"));
}

TEST(HeadlessScript, PaletteDumpIsFourTimesTheBank) {
  std::string dir = MakeWorkDir();
  ASSERT_EQ(RunScript(dir, "open cancel\npalette p.pal\n").status, 0);
  std::vector<std::uint8_t> palette = e2e::ReadBytes(dir + "/p.pal");
  ASSERT_EQ(palette.size(), 768u);
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(palette[3 * i], 4 * (i % 64));
    EXPECT_EQ(palette[3 * i + 1], 4 * ((i / 4) % 64));
    EXPECT_EQ(palette[3 * i + 2], 4 * (63 - i % 64));
  }
}

TEST(HeadlessSave, NewSetSavesIdsAndCopies) {
  std::string dir = MakeWorkDir();
  ASSERT_EQ(RunScript(dir, "open cancel\nkey F3\n").status, 0);
  std::vector<std::uint8_t> saved = e2e::ReadBytes(dir + "/Areas.out");
  std::vector<std::uint8_t> bank = e2e::ReadBytes(dir + "/Cells.dap");
  ASSERT_EQ(saved.size(), 214016u);
  for (std::size_t i = 0; i < 81920; ++i)
    ASSERT_EQ(saved[i], i % 320 < 160 ? 0 : e2e::CellId(0)) << i;
  EXPECT_TRUE(std::equal(bank.begin(), bank.end(), saved.begin() + 0x14000));
  for (int n = 0; n < 256; ++n) EXPECT_EQ(saved[0x24300 + n], e2e::CellId(n));
  for (std::size_t i = 0x24400; i < saved.size(); ++i) ASSERT_EQ(saved[i], 0) << i;
}

TEST(HeadlessSave, SaveAsThenPlainSaveGoToTheNewName) {
  std::string dir = MakeWorkDir();
  e2e::Run run = RunScript(dir,
                           "open cancel\nframes 2\nshot before.raw\n"
                           "key shift+F3\nsave new\nshot after.raw\n"
                           "key RIGHT\nkey SPACE\nkey F3\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_TRUE(std::filesystem::exists(dir + "/new.out"));
  EXPECT_FALSE(std::filesystem::exists(dir + "/Areas.out"));
  // The screen comes back whole; only the cursor has taken its next colour.
  e2e::Shot before = e2e::ReadShot(dir + "/before.raw");
  e2e::Shot after = e2e::ReadShot(dir + "/after.raw");
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      bool underCursor = x >= 64 && x < 96 && y >= 32 && y < 64;
      if (!underCursor) {
        ASSERT_EQ(before.at(x, y), after.at(x, y)) << x << ", " << y;
      }
    }
  }
  std::vector<std::uint8_t> saved = e2e::ReadBytes(dir + "/new.out");
  ASSERT_EQ(saved.size(), 214016u);

  // A cancelled Save As writes nothing; a Save As the script does not
  // answer is cancelled with a warning.
  std::string other = MakeWorkDir();
  run = RunScript(other, "open cancel\nkey shift+F3\nsave cancel\nkey shift+F3\nkey RIGHT\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.errors.find("Save As dialog is cancelled"), std::string::npos) << run.errors;
  EXPECT_FALSE(std::filesystem::exists(other + "/Areas.out"));
}

TEST(HeadlessSave, FailedSaveIsReportedAndALaterOneSucceeds) {
  std::string dir = MakeWorkDir();
  e2e::Run run = RunScript(dir,
                           "open cancel\nkey shift+F3\nsave no/such/dir.out\n"
                           "key shift+F3\nsave fine.out\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "tesselle: cannot save no/such/dir.out: No such file or directory\n");
  EXPECT_EQ(e2e::ReadBytes(dir + "/fine.out").size(), 214016u);
}

TEST(HeadlessDisplay, LostSurfaceIsRestoredAndFailedLockEnds) {
  std::string dir = MakeWorkDir();
  e2e::Run run = RunScript(dir, "open cancel\nlose-surface\nkey RIGHT\nframes 2\nquit 4\n");
  EXPECT_EQ(run.status, 4) << run.errors;
  run = RunScript(dir, "open cancel\nfail-lock\nkey RIGHT\nquit 4\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, "tesselle: display: cannot lock the display surface\n");
  run = RunScript(dir, "open cancel\nlose-surface unrestorable\nkey RIGHT\nquit 4\n");
  EXPECT_EQ(run.status, 1);
  // Closing the window can take the surface with it: that is still the
  // orderly end, with the close's wParam.
  run = RunScript(dir, "open cancel\nlose-surface unrestorable\nclose\n");
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.errors, "");
}

TEST(HeadlessDisplay, PitchDoesNotChangeThePicture) {
  std::string dir = MakeWorkDir();
  std::string script =
      "open cancel\nkey TAB\nkey RIGHT\nkey SPACE\nkey TAB\nkey SPACE\nframes 2\nshot s.raw\n";
  ASSERT_EQ(RunScript(dir, script).status, 0);
  std::vector<std::uint8_t> narrow = e2e::ReadBytes(dir + "/s.raw");
  ASSERT_EQ(RunScript(dir, script, "--pitch 1024").status, 0);
  EXPECT_EQ(narrow, e2e::ReadBytes(dir + "/s.raw"));
}

}  // namespace
