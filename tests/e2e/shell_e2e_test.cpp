// The headless front end end to end: the exit status and stderr of every end,
// in the editor and inside each page; refused scripts; palette dumps; Save As;
// and the pitch.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <set>
#include <thread>

#include "platform/printable.h"
#include "tests/e2e/harness.h"

namespace {

using e2e::MakeWorkDir, e2e::RunScript;
using Bytes = std::vector<std::uint8_t>;

const std::string Headless = "'" HEADLESS_EXE "' ";

TEST(HeadlessExit, EveryEndGivesItsStatusAndLine) {
  std::string dir = MakeWorkDir();
  for (int size : {214015, 214016, 214017})
    e2e::WriteBytes(dir + "/" + std::to_string(size) + ".out", std::vector<std::uint8_t>(size));
  struct Case {
    const char* script;
    int status;
    const char* err;  // nullptr: not checked
    const char* options = "";
  };
  const Case cases[] = {
      {"open cancel\nquit 7\n", 7, ""},
      {"open cancel\nclose\n", 0, ""},
      {"open cancel\nsyskey F4\n", 96, ""},  // SC_CLOSE's low byte
      {"open cancel\nkey RIGHT\n", 0, ""},
      {"open cancel\nquit 0x107\n", 7, ""},  // low 8 bits
      {"open 214015.out\n", 1,
       "tesselle: 214015.out is not an area set: 214015 bytes, an area set has exactly 214016\n"},
      {"open 214017.out\n", 1, nullptr},
      {"open 214016.out\nquit 5\n", 5, ""},
      // Scripts refused before the program starts.
      {"frames\n", 2, nullptr},
      {"shot picture.bmp\n", 2, nullptr},
      {"key alt+F4\n", 2, nullptr},
      {"open cancel\nconfirm maybe\n", 2,
       "tesselle-headless: script.txt: line 2: confirm takes yes, no or cancel\n"},
      {"open cancel\n# fine\n\nkey NOSUCHKEY\n", 2,
       "tesselle-headless: script.txt: line 4: unknown key 'NOSUCHKEY'\n"},
      {"activate now\n", 2, nullptr},
      {"quit 0\n", 2, nullptr, "--pitch 639"},
      // The display: a lost surface is restored; a failed lock ends; closing
      // the window can take the surface with it and is still the orderly end.
      {"open cancel\nlose-surface\nkey RIGHT\nframes 2\nquit 4\n", 4, ""},
      {"open cancel\nfail-lock\nkey RIGHT\nquit 4\n", 1,
       "tesselle: display: cannot lock the display surface\n"},
      {"open cancel\nlose-surface unrestorable\nclose\n", 0, ""},
      {"open cancel\nlose-surface unrestorable\nkey RIGHT\nframes 2\nquit 4\n", 1,
       "tesselle: display: cannot restore the lost display surface\n"},
      // Inside the Word Map, the help page and the preview. A dispatch that
      // destroys the window ends with its message's wParam, not the 0 of the
      // quit that WM_DESTROY posts.
      {"open cancel\nkey F5\nframes 4\nquit 0\n", 0, ""},
      {"open cancel\nkey F5\nquit 9\n", 9, ""},
      {"open cancel\nkey F5\nclose\n", 0, ""},
      {"open cancel\nkey F5\nsyskey F4\n", 96, ""},
      {"open cancel\nkey F5\nframes 2\nmessage 0x0112 0xF063\n", 0x63, ""},
      {"open cancel\nkey F1\nclose\n", 0, ""},
      {"open cancel\nkey F1\nsyskey F4\n", 0x60, ""},
      {"open cancel\nkey F4\nframes 3\nclose\n", 0, ""},
      {"open cancel\nkey F4\nframes 3\nsyskey F4\n", 0x60, ""}};
  for (const Case& c : cases) {
    e2e::RunResult run = RunScript(dir, c.script, c.options);
    EXPECT_EQ(run.status, c.status) << c.script << run.err;
    EXPECT_EQ(run.err, c.err != nullptr ? c.err : run.err) << c.script;
  }
  EXPECT_FALSE(std::filesystem::exists(dir + "/Areas.out"));  // nothing saved on the way out
}

// A script that cannot be read, is too long, or holds a NUL byte or a number
// out of range ends with 2 and a message naming it. The message quotes at most
// 200 bytes of the line, once, its bytes outside printable characters escaped.
TEST(HeadlessScript, UnreadableAndOutOfRangeScriptsExitTwo) {
  std::string dir = MakeWorkDir();
  e2e::WriteBytes(dir + "/nul.txt", {'q', 'u', 'i', 't', ' ', '9', 0, 'x', '\n'});
  e2e::WriteBytes(dir + "/long.txt", std::vector<std::uint8_t>((16 << 20) + 1, '\n'));
  e2e::WriteBytes(dir + "/escape.txt", {'k', 'e', 'y', ' ', 0x1B, '[', '2', 'J', '\n'});
  e2e::WriteText(dir + "/c1.txt",
                 "open cancel\nkey shift+\xC2\x9B"
                 "2J\x9B+A\n");
  e2e::WriteText(dir + "/verb.txt", std::string((16 << 20) - 1, 'k') + "\n");
  e2e::WriteText(dir + "/key.txt", "key " + std::string((16 << 20) - 5, 'K') + "\n");
  e2e::WriteText(dir + "/nul-long.txt", "key " + std::string(300, '\0') + "\n");
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
      {"c1.txt", "c1.txt: line 2: unknown modifier '\\xC2\\x9B2J\\x9B' (shift or ctrl)"},
      {"verb.txt", "verb.txt: line 1: unknown command 'kkkkkkkk"},
      {"key.txt", "key.txt: line 1: unknown key 'KKKKKKKK"},
      {"nul-long.txt", "nul-long.txt: line 1: a NUL byte: key \\x00"},
      {"--pitch 65537 -", "--pitch takes a number of bytes from 640 to 65536"}};
  for (const auto& [arguments, message] : cases) {
    e2e::RunResult run = testbank::RunIn(dir, Headless + arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.err.find(message), std::string::npos) << Excerpt(run.err);
    EXPECT_LT(run.err.size(), 1000u) << arguments;
    EXPECT_TRUE(testbank::PrintableLines(run.err)) << Excerpt(run.err);
  }
}

// Each limit of the command line and the script holds exactly: the last value
// inside runs (the frames line is parsed, never waited for), the first past it
// is refused with 2 and says why.
TEST(HeadlessScript, EveryLimitTakesItsLastValueAndRefusesTheNext) {
  std::string dir = MakeWorkDir();
  const std::string start = "open cancel\nquit 0\n";
  auto padded = [&](std::size_t size) {  // the script, a comment to `size` bytes
    return start + "#" + std::string(size - start.size() - 2, 'x') + "\n";
  };
  const std::pair<const char*, std::string> scripts[] = {
      {"quit.txt", start},
      {"frames.txt", start + "frames 100000000\n"},
      {"frames-over.txt", start + "frames 100000001\n"},
      {"size.txt", padded(std::size_t{16} << 20)},
      {"size-over.txt", padded((std::size_t{16} << 20) + 1)}};
  for (const auto& [name, text] : scripts) testbank::WriteText(dir + "/" + name, text);
  const std::pair<const char*, const char*> cases[] = {
      // arguments, and what a refusal says ("": runs)
      {"--pitch 640 quit.txt", ""},
      {"--pitch 65536 quit.txt", ""},
      {"--pitch 639 quit.txt", "--pitch takes a number of bytes from 640 to 65536"},
      {"--pitch 65537 quit.txt", "--pitch takes a number of bytes from 640 to 65536"},
      {"frames.txt", ""},
      {"frames-over.txt", "frames-over.txt: line 3: frames takes at most 100000000"},
      {"size.txt", ""},
      {"- <size.txt", ""},
      {"size-over.txt", "size-over.txt: the script is over 16 MiB"},
      {"- <size-over.txt", "standard input: the script is over 16 MiB"}};
  for (const auto& [arguments, refusal] : cases) {
    e2e::RunResult run = testbank::RunIn(dir, Headless + arguments);
    bool refused = refusal[0] != '\0';
    EXPECT_EQ(run.status, refused ? 2 : 0) << arguments;
    EXPECT_TRUE(refused ? run.err.find(refusal) != std::string::npos : run.err.empty())
        << arguments << ": " << run.err;
  }
}

TEST(HeadlessScript, PaletteDumpIsFourTimesTheBank) {
  std::string dir = MakeWorkDir();
  ASSERT_EQ(RunScript(dir, "open cancel\npalette p.pal\n").status, 0);
  Bytes expected;
  for (int i = 0; i < 256; ++i)
    for (int value : {i % 64, i / 4 % 64, 63 - i % 64}) expected.push_back(4 * value);
  EXPECT_EQ(e2e::ReadBytes(dir + "/p.pal"), expected);
}

TEST(HeadlessSave, PlacedCellsAndIdsGoToTheNameSaveAsChose) {
  // Cell 37 from the selector at (3, 4) and (4, 4); a cancelled and an
  // unanswered Save As (which warns); Save As "new"; one more cell, and F3.
  std::string dir = MakeWorkDir();
  std::string script = "open cancel\nkey TAB\n";
  for (int i = 0; i < 17; ++i) script += "key RIGHT\n";
  script += "key DOWN\nkey SPACE\nkey TAB\nkey DOWN\nkey DOWN\nkey DOWN\nkey DOWN\n";
  script += "key RIGHT\nkey RIGHT\nkey RIGHT\nkey SPACE\nkey RIGHT\nkey SPACE\n";
  script += "key shift+F3\nsave cancel\nkey shift+F3\nkey shift+F3\nsave new\n";
  script += "key RIGHT\nkey SPACE\nkey F3\nshot saved.raw\n";
  e2e::RunResult run = RunScript(dir, script);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("Save As dialog is cancelled"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir + "/Areas.out"));
  Bytes saved = e2e::ReadBytes(dir + "/new.out");
  ASSERT_EQ(saved.size(), 214016u);
  const std::uint8_t id0 = e2e::CellId(0), id37 = e2e::CellId(37);
  EXPECT_EQ(Bytes(&saved[66], &saved[70]), (Bytes{0, 37, 37, 37}));
  EXPECT_EQ(Bytes(&saved[226], &saved[230]), (Bytes{id0, id37, id37, id37}));
  EXPECT_TRUE(e2e::ReadShot(dir + "/saved.raw").IsCellDoubled(64 + 32 * 3, 32 + 32 * 4, 37));

  // A folder's name is no answer: the dialog fails, and nothing is written.
  std::filesystem::create_directory(dir + "/sub");
  run = RunScript(dir, "open cancel\nkey shift+F3\nsave sub/\nkey shift+F3\nsave sub\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("sub/ is a folder"), std::string::npos) << run.err;
  EXPECT_TRUE(std::filesystem::is_empty(dir + "/sub"));
  EXPECT_FALSE(std::filesystem::exists(dir + "/sub.out"));

  // The replace question's note quotes the name chosen with its bytes escaped.
  e2e::WriteText(dir + "/e\x1B[2J.out", "");
  run = RunScript(dir, "open cancel\nkey shift+F3\nsave e\x1B[2J.out\n");
  EXPECT_NE(run.err.find("\"e\\x1B[2J.out exists. Replace it?\""), std::string::npos) << run.err;
  EXPECT_TRUE(testbank::PrintableLines(run.err));
}

// Shots on a full disk keep the old file; savers racing on one set never
// show a reader anything but a whole set.
TEST(HeadlessSave, ShotsAndSavesAreAllOrNothing) {
  std::string dir = MakeWorkDir();
  e2e::WriteBytes(dir + "/old.png", {1, 2, 3});
  testbank::WriteText(dir + "/shot.txt", "shot old.png\n");
  e2e::RunResult run = testbank::RunIn(dir, "trap '' XFSZ; ulimit -f 1; " + Headless + "shot.txt");
  EXPECT_NE(run.err.find("cannot write old.png: File too large"), std::string::npos) << run.err;
  EXPECT_EQ(e2e::ReadBytes(dir + "/old.png"), std::vector<std::uint8_t>({1, 2, 3}));

  e2e::WriteBytes(dir + "/set.out", std::vector<std::uint8_t>(214016));
  std::string saves = "open set.out\n";
  for (int i = 0; i < 40; ++i) saves += "key F3\n";
  testbank::WriteText(dir + "/saves.txt", saves);
  std::atomic<bool> done = false;
  std::thread savers([&] {
    testbank::RunIn(dir, "for i in 1 2 3; do " + Headless + "saves.txt 2>e$i & done; wait");
    done = true;
  });
  std::set<std::uintmax_t> sizes;
  while (!done) sizes.insert(std::filesystem::file_size(dir + "/set.out"));
  savers.join();
  EXPECT_EQ(sizes, std::set<std::uintmax_t>{214016});
  for (const char* errors : {"/e1", "/e2", "/e3"})
    EXPECT_TRUE(e2e::ReadBytes(dir + errors).empty());
}

TEST(HeadlessDisplay, PitchDoesNotChangeAnyPicture) {
  // The editor, a stored cell, the help page, the preview, the Word Map and
  // the screens they give back, a blanked block, and Delete with Insert.
  std::string dir = MakeWorkDir();
  std::string script =
      "open cancel\nframes 2\nshot 1.raw\nkey TAB\nkey DOWN\nkey DOWN\nkey DOWN\nkey SPACE\n"
      "key TAB\nkey SPACE\nkey F2\nkey F1\nshot 2.raw\nkey ESCAPE\nkey F4\nframes 7\nshot 3.raw\n"
      "key ESCAPE\nshot 4.raw\nkey F5\nkey RIGHT\nkey DOWN\nkey SPACE\nframes 2\nshot 5.raw\n"
      "key ESCAPE\nshot 6.raw\nkey ADD\nkey shift+RIGHT\nkey shift+DOWN\nframes 20\nshot 7.raw\n"
      "key DELETE\nkey INSERT\nframes 2\nshot 8.raw\n";
  ASSERT_EQ(RunScript(dir, script).status, 0);
  std::vector<Bytes> narrow;
  for (int i = 1; i <= 8; ++i)
    narrow.push_back(e2e::ReadBytes(dir + "/" + std::to_string(i) + ".raw"));
  ASSERT_EQ(RunScript(dir, script, "--pitch 1000").status, 0);
  for (int i = 1; i <= 8; ++i)
    EXPECT_EQ(narrow[i - 1], e2e::ReadBytes(dir + "/" + std::to_string(i) + ".raw")) << i;
}

}  // namespace
