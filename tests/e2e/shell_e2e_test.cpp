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

using e2e::MakeWorkDir, e2e::RunScript, e2e::Script;
using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

const std::string Headless = "'" HEADLESS_EXE "' ";

// Every end of a run: its exit status and stderr. A script that cannot be
// read, is over 16 MiB, or holds a NUL byte, an unknown word or a number out
// of range is refused before the program starts: 2, and a message naming it
// that quotes at most 200 bytes of the line, its bytes outside printable
// characters escaped. Each limit takes its last value and refuses the next
// (a frames line is parsed, never waited for).
TEST(Headless, EveryEndGivesItsStatusAndLine) {
  std::string dir = MakeWorkDir();
  for (int size : {214015, 214017})
    e2e::WriteBytes(dir + "/" + std::to_string(size) + ".out", Bytes(size));
  const std::string quit = "open cancel\nquit 0\n";
  auto padded = [&](std::size_t size) {  // quit, and a comment up to `size` bytes
    return quit + "#" + std::string(size - quit.size() - 2, 'x') + "\n";
  };
  e2e::WriteText(dir + "/size.txt", padded(std::size_t{16} << 20));
  e2e::WriteText(dir + "/size-over.txt", padded((std::size_t{16} << 20) + 1));
  e2e::WriteText(dir + "/verb.txt", std::string((16 << 20) - 1, 'k') + "\n");
  e2e::WriteText(dir + "/key.txt", "key " + std::string((16 << 20) - 5, 'K') + "\n");
  fs::create_directory(dir + "/sub");
  e2e::WriteText(dir + "/e\x1B[2J.out", "");
  struct Case {
    std::string script;  // written to s.txt
    int status;
    const char* err;  // stderr, or a part of it when it has no line end; nullptr: any
    const char* arguments = "s.txt";
  };
  const Case cases[] = {
      {"open cancel\nsyskey F4\n", 96, ""},  // SC_CLOSE's low byte
      {"open cancel\nquit 0x107\n", 7, ""},  // low 8 bits
      {"open 214015.out\n", 1,
       "tesselle: 214015.out is not an area set: 214015 bytes, an area set has exactly 214016\n"},
      {"open 214017.out\n", 1, nullptr},
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
      {"open cancel\nkey F5\nquit 9\n", 9, ""},
      {"open cancel\nkey F5\nclose\n", 0, ""},
      {"open cancel\nkey F5\nsyskey F4\n", 96, ""},
      {"open cancel\nkey F5\nframes 2\nmessage 0x0112 0xF063\n", 0x63, ""},
      {"open cancel\nkey F1\nclose\n", 0, ""},
      {"open cancel\nkey F1\nsyskey F4\n", 0x60, ""},
      {"open cancel\nkey F4\nframes 3\nclose\n", 0, ""},
      {"open cancel\nkey F4\nframes 3\nsyskey F4\n", 0x60, ""},
      // Save As: a folder's name is no answer, the dialog fails; a dialog the
      // script leaves unanswered is cancelled; the replace question's note
      // quotes the name chosen, its bytes escaped.
      {"open cancel\nkey shift+F3\nsave sub/\nkey shift+F3\nsave sub\n", 0, "sub/ is a folder"},
      {"open cancel\nkey shift+F3\nkey shift+F3\nsave cancel\n", 0,
       "tesselle-headless: the Save As dialog is cancelled: the script does not answer it\n"},
      {"open cancel\nkey shift+F3\nsave e\x1B[2J.out\n", 0,
       "\"e\\x1B[2J.out exists. Replace it?\""},
      // Refused before the program starts.
      {"frames\n", 2, nullptr},
      {"shot picture.bmp\n", 2, nullptr},
      {"key alt+F4\n", 2, nullptr},
      {"activate now\n", 2, nullptr},
      {"open cancel\nconfirm maybe\n", 2,
       "tesselle-headless: s.txt: line 2: confirm takes yes, no or cancel\n"},
      {"open cancel\n# fine\n\nkey NOSUCHKEY\n", 2,
       "tesselle-headless: s.txt: line 4: unknown key 'NOSUCHKEY'\n"},
      {std::string("quit 9\0x\n", 9), 2, "s.txt: line 1: a NUL byte: quit 9\\x00x"},
      {"key " + std::string(300, '\0') + "\n", 2, "s.txt: line 1: a NUL byte: key \\x00"},
      {"key \x1B[2J\n", 2, "s.txt: line 1: unknown key '\\x1B[2J'"},
      {"open cancel\nkey shift+\xC2\x9B"
       "2J\x9B+A\n",
       2, "s.txt: line 2: unknown modifier '\\xC2\\x9B2J\\x9B' (shift or ctrl)"},
      {"", 2, "verb.txt: line 1: unknown command 'kkkkkkkk", "verb.txt"},
      {"", 2, "key.txt: line 1: unknown key 'KKKKKKKK", "key.txt"},
      {"", 2, "cannot read .: Is a directory", "."},
      {"", 2, "cannot read standard input: Bad file descriptor", "- <&-"},
      {"", 2, "cannot read /dev/zero: not a regular file", "/dev/zero"},
      // The limits.
      {quit, 0, "", "--pitch 640 s.txt"},
      {quit, 0, "", "--pitch 65536 s.txt"},
      {quit, 2, "--pitch takes a number of bytes from 640 to 65536", "--pitch 639 s.txt"},
      {quit, 2, "--pitch takes a number of bytes from 640 to 65536", "--pitch 65537 s.txt"},
      {quit + "frames 100000000\n", 0, ""},
      {quit + "frames 100000001\n", 2, "s.txt: line 3: frames takes at most 100000000"},
      {"", 0, "", "size.txt"},
      {"", 0, "", "- <size.txt"},
      {"", 2, "size-over.txt: the script is over 16 MiB", "size-over.txt"},
      {"", 2, "standard input: the script is over 16 MiB", "- <size-over.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments + (" " + Excerpt(c.script)));
    e2e::WriteText(dir + "/s.txt", c.script);
    e2e::RunResult run = testbank::RunIn(dir, Headless + c.arguments);
    EXPECT_EQ(run.status, c.status) << Excerpt(run.err);
    std::string err = c.err != nullptr ? c.err : run.err;
    bool whole = err.empty() || err.back() == '\n';
    EXPECT_TRUE(whole ? run.err == err : run.err.find(err) != std::string::npos)
        << Excerpt(run.err);
    EXPECT_TRUE(run.err.size() < 1000 && testbank::PrintableLines(run.err));
  }
  // Nothing is saved on the way out, nor by a dialog that failed.
  EXPECT_FALSE(fs::exists(dir + "/Areas.out") || fs::exists(dir + "/sub.out") ||
               !fs::is_empty(dir + "/sub"));
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
  testbank::WriteText(dir + "/saves.txt", Script("open set.out; F3*40"));
  std::atomic<bool> done = false;
  std::thread savers([&] {
    testbank::RunIn(dir, "for i in 1 2 3; do " + Headless + "saves.txt 2>e$i & done; wait");
    done = true;
  });
  std::set<std::uintmax_t> sizes;
  while (!done) sizes.insert(fs::file_size(dir + "/set.out"));
  savers.join();
  EXPECT_EQ(sizes, std::set<std::uintmax_t>{214016});
  for (const char* errors : {"/e1", "/e2", "/e3"})
    EXPECT_TRUE(e2e::ReadBytes(dir + errors).empty());
}

// The editor, a stored cell, the help page, the preview, the Word Map and
// the screens they give back, a blanked block, and Delete with Insert are
// the same at any pitch. The palette dump is four times the bank's palette.
TEST(HeadlessDisplay, PitchChangesNoPictureAndThePaletteDumpIsTheBanks) {
  std::string script = Script(
      "open cancel; frames 2; shot 1.raw; TAB DOWN*3 SPACE TAB SPACE F2 F1; shot 2.raw; ESCAPE F4; "
      "frames 7; shot 3.raw; ESCAPE; shot 4.raw; F5 RIGHT DOWN SPACE; frames 2; shot 5.raw; "
      "ESCAPE; shot 6.raw; ADD shift+RIGHT shift+DOWN; frames 20; shot 7.raw; DELETE INSERT; "
      "frames 2; shot 8.raw; palette p.pal");
  std::string narrow = MakeWorkDir(), wide = MakeWorkDir();
  ASSERT_EQ(RunScript(narrow, script).status, 0);
  ASSERT_EQ(RunScript(wide, script, "--pitch 1000").status, 0);
  for (char i = '1'; i <= '8'; ++i)
    EXPECT_EQ(e2e::ReadBytes(narrow + "/" + i + ".raw"), e2e::ReadBytes(wide + "/" + i + ".raw"))
        << i;
  Bytes palette;
  for (int i = 0; i < 256; ++i)
    for (int value : {i % 64, i / 4 % 64, 63 - i % 64}) palette.push_back(4 * value);
  EXPECT_EQ(e2e::ReadBytes(wide + "/p.pal"), palette);
}

}  // namespace
