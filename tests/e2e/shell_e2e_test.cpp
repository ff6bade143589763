// The headless front end end to end: exit statuses, palette dumps, Save As,
// surface loss, the script contract's own rules, and the pitch. The bytes a
// save writes and the screen around a Save As are checked in the unit tests.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <set>
#include <thread>

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
  for (int size : {214015, 214016, 214017})
    e2e::WriteBytes(dir + "/" + std::to_string(size) + ".out", std::vector<std::uint8_t>(size));
  e2e::Run run = RunScript(dir, "open 214015.out\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors,
            "tesselle: 214015.out is not an area set: 214015 bytes, an area set has exactly "
            "214016\n");
  EXPECT_EQ(RunScript(dir, "open 214017.out\n").status, 1);
  EXPECT_EQ(RunScript(dir, "open 214016.out\nquit 5\n").status, 5);
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

// A script that cannot be read, is too long, or holds a NUL byte or a number
// out of range ends with 2 and a message naming it, its control bytes escaped.
TEST(HeadlessScript, UnreadableAndOutOfRangeScriptsExitTwo) {
  std::string dir = MakeWorkDir();
  e2e::WriteBytes(dir + "/nul.txt", {'q', 'u', 'i', 't', ' ', '9', 0, 'x', '\n'});
  e2e::WriteBytes(dir + "/long.txt", std::vector<std::uint8_t>((16 << 20) + 1, '\n'));
  e2e::WriteBytes(dir + "/escape.txt", {'k', 'e', 'y', ' ', 0x1B, '[', '2', 'J', '\n'});
  e2e::WriteBytes(dir + "/frames.txt", {'f', 'r', 'a', 'm', 'e', 's', ' ', '1', '0', '0', '0', '0',
                                        '0', '0', '0', '1', '\n'});
  const std::pair<const char*, const char*> cases[] = {
      {".", "cannot read .: Is a directory"},
      {"- <&-", "cannot read standard input: Bad file descriptor"},
      {"/dev/zero", "cannot read /dev/zero: not a regular file"},
      {"long.txt", "long.txt: the script is over 16 MiB"},
      {"nul.txt", "nul.txt: line 1: a NUL byte: quit 9\\x00x"},
      {"escape.txt", "escape.txt: line 1: unknown key '\\x1B[2J'"},
      {"frames.txt", "frames.txt: line 1: frames takes at most 100000000"},
      {"--pitch 65537 -", "--pitch takes a number of bytes from 640 to 65536"}};
  for (const auto& [arguments, message] : cases) {
    e2e::Run run = e2e::RunHeadless(dir, arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.errors.find(message), std::string::npos) << run.errors;
    EXPECT_EQ(run.errors.find('\x1B'), std::string::npos);
  }
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

TEST(HeadlessSave, SaveAsNamesTheFileForLaterSavesAndCancelWritesNothing) {
  // A Save As the script does not answer is cancelled with a warning.
  std::string dir = MakeWorkDir();
  e2e::Run run = RunScript(dir,
                           "open cancel\nkey shift+F3\nsave cancel\nkey shift+F3\nkey RIGHT\n"
                           "key shift+F3\nsave new\nkey TAB\nkey RIGHT\nkey SPACE\nkey TAB\n"
                           "key SPACE\nkey F3\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_NE(run.errors.find("Save As dialog is cancelled"), std::string::npos) << run.errors;
  EXPECT_FALSE(std::filesystem::exists(dir + "/Areas.out"));
  std::vector<std::uint8_t> saved = e2e::ReadBytes(dir + "/new.out");
  ASSERT_EQ(saved.size(), 214016u);
  EXPECT_EQ(saved[1], 1);  // cell 1, placed after the Save As, at (1, 0)

  // A folder's name is no answer: the dialog fails, and nothing is written.
  std::filesystem::create_directory(dir + "/sub");
  run = RunScript(dir, "open cancel\nkey shift+F3\nsave sub/\nkey shift+F3\nsave sub\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.errors.find("sub/ is a folder"), std::string::npos) << run.errors;
  EXPECT_TRUE(std::filesystem::is_empty(dir + "/sub"));
  EXPECT_FALSE(std::filesystem::exists(dir + "/sub.out"));
}

// Shots on a full disk keep the old file; savers racing on one set never
// show a reader anything but a whole set.
TEST(HeadlessSave, ShotsAndSavesAreAllOrNothing) {
  std::string dir = MakeWorkDir();
  e2e::WriteBytes(dir + "/old.png", {1, 2, 3});
  e2e::WriteBytes(dir + "/script.txt",
                  {'s', 'h', 'o', 't', ' ', 'o', 'l', 'd', '.', 'p', 'n', 'g', '\n'});
  e2e::Run run = e2e::RunHeadless(dir, "script.txt", "trap '' XFSZ; ulimit -f 1;");
  EXPECT_NE(run.errors.find("cannot write old.png: File too large"), std::string::npos)
      << run.errors;
  EXPECT_EQ(e2e::ReadBytes(dir + "/old.png"), std::vector<std::uint8_t>({1, 2, 3}));

  e2e::WriteBytes(dir + "/set.out", std::vector<std::uint8_t>(214016));
  std::string saves = "open set.out\n";
  for (int i = 0; i < 40; ++i) saves += "key F3\n";
  e2e::WriteBytes(dir + "/saves.txt", std::vector<std::uint8_t>(saves.begin(), saves.end()));
  std::atomic<bool> done = false;
  std::thread savers([&] {
    e2e::RunHeadless(dir, "saves.txt 2>e1 & $H saves.txt 2>e2 & $H saves.txt 2>e3; wait",
                     "H='" HEADLESS_EXE "';");
    done = true;
  });
  std::set<std::uintmax_t> sizes;
  while (!done) sizes.insert(std::filesystem::file_size(dir + "/set.out"));
  savers.join();
  EXPECT_EQ(sizes, std::set<std::uintmax_t>{214016});
  for (const char* errors : {"/e1", "/e2", "/e3"})
    EXPECT_TRUE(e2e::ReadBytes(dir + errors).empty());
}

TEST(HeadlessDisplay, LostSurfaceIsRestoredAndFailedLockEnds) {
  std::string dir = MakeWorkDir();
  e2e::Run run = RunScript(dir, "open cancel\nlose-surface\nkey RIGHT\nframes 2\nquit 4\n");
  EXPECT_EQ(run.status, 4) << run.errors;
  run = RunScript(dir, "open cancel\nfail-lock\nkey RIGHT\nquit 4\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, "tesselle: display: cannot lock the display surface\n");
  // Closing the window can take the surface with it: that is still the
  // orderly end, with the close's wParam.
  run = RunScript(dir, "open cancel\nlose-surface unrestorable\nclose\n");
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.errors, "");
}

TEST(HeadlessDisplay, PitchDoesNotChangeThePicture) {
  // The help page, the animation preview, the Word Map and the screens they
  // give back; the area editor's own shots are compared in its own test.
  std::string dir = MakeWorkDir();
  std::string script =
      "open cancel\nkey TAB\nkey RIGHT\nkey SPACE\nkey TAB\nkey SPACE\nkey F2\nkey F1\n"
      "shot 1.raw\nkey ESCAPE\nkey F4\nframes 7\nshot 2.raw\nkey ESCAPE\nshot 3.raw\nkey F5\n"
      "key RIGHT\nkey DOWN\nkey SPACE\nframes 2\nshot 4.raw\nkey ESCAPE\nshot 5.raw\n";
  ASSERT_EQ(RunScript(dir, script).status, 0);
  std::vector<std::vector<std::uint8_t>> narrow;
  for (int i = 1; i <= 5; ++i)
    narrow.push_back(e2e::ReadBytes(dir + "/" + std::to_string(i) + ".raw"));
  ASSERT_EQ(RunScript(dir, script, "--pitch 1000").status, 0);
  for (int i = 1; i <= 5; ++i)
    EXPECT_EQ(narrow[i - 1], e2e::ReadBytes(dir + "/" + std::to_string(i) + ".raw")) << i;
}

}  // namespace
