// The questions before a file is replaced or changes are dropped, each with
// its answer given, its default and the case where it is not asked; and the
// exclusive mode lost and given back in each screen.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace {

using e2e::MakeWorkDir, e2e::RunScript;

// A new set and the file Areas.out, each with cell 1 placed at (0, 0) of area 0.
const std::string Edit = "key TAB\nkey RIGHT\nkey SPACE\nkey TAB\nkey SPACE\n";
const std::string New = "open cancel\n" + Edit, Opened = "open Areas.out\n" + Edit;

struct Case {
  const char* name;
  std::string script;
  int status;
  const char* note;  // a part of stderr, or "" for none at all
  const char* file;  // checked file, or null
  int first;         // its first byte: 1 when written, 7 (or 0) when kept
};

// Runs the case in a fresh folder whose Areas.out is all `old`.
void Check(const Case& c, std::uint8_t old) {
  std::string dir = MakeWorkDir();
  e2e::WriteBytes(dir + "/Areas.out", std::vector<std::uint8_t>(214016, old));
  e2e::RunResult run = RunScript(dir, c.script);
  EXPECT_EQ(run.status, c.status) << c.name << run.err;
  EXPECT_TRUE(*c.note ? run.err.find(c.note) != std::string::npos : run.err.empty())
      << c.name << ": " << run.err;
  if (c.file == nullptr) return;
  std::vector<std::uint8_t> bytes = e2e::ReadBytes(dir + "/" + c.file);
  EXPECT_TRUE(bytes.size() == 214016u && bytes[0] == c.first) << c.name;
}

TEST(Questions, ReplacingAFileThisRunDidNotReadOrWrite) {
  const std::string defaulted =
      "question \"Areas.out exists. Replace it with this area set?\" "
      "gets its default answer, yes";
  const Case cases[] = {
      {"F3 yes", New + "key F3\nconfirm yes\n", 0, "", "Areas.out", 1},
      {"F3 no", New + "key F3\nconfirm no\n", 0, "nothing is saved: Areas.out is kept", "Areas.out",
       7},
      {"F3 default", New + "key F3\n", 0, defaulted.c_str(), "Areas.out", 1},
      {"F3 opened", Opened + "key F3\n", 0, "", "Areas.out", 1},
      {"F3 after a save", New + "key F3\nconfirm yes\nkey F3\nconfirm no\n", 0,
       "no question is asked; 'confirm' is ignored", "Areas.out", 1},
      {"Save As no", New + "key shift+F3\nsave Areas\nconfirm no\nsave new\n", 0, "", "new.out", 1},
      {"Save As no kept", New + "key shift+F3\nsave Areas\nconfirm no\nsave new\n", 0, "",
       "Areas.out", 7},
      {"Save As yes",
       New + "key shift+F3\nsave Areas\nconfirm cancel\nsave Areas.out\nconfirm yes\n", 0, "",
       "Areas.out", 1},
      {"Save As default", New + "key shift+F3\nsave Areas\n", 0, "Replace it?\" gets its default",
       "Areas.out", 1},
      {"Save As new file", New + "key shift+F3\nsave other\nconfirm no\n", 0,
       "no question is asked", "other.out", 1},
      // A name refused and then the dialog cancelled leaves the set's name as
      // it was: the next F3 saves to Copy.out, not over Areas.out.
      {"Save As no, cancel",
       New + "key shift+F3\nsave Copy\nkey shift+F3\nsave Areas\nconfirm no\nsave cancel\nkey "
             "F3\n",
       0, "", "Areas.out", 7},
  };
  for (const Case& c : cases) Check(c, 7);
}

TEST(Questions, ClosingWithUnsavedChanges) {
  const std::string edited = Opened + "close\n";
  const std::string away = Opened + "deactivate\nframes 5\n";
  // Cell 0 goes back where cell 1 was placed: the set is as it was opened.
  const std::string undone = Opened + "key TAB\nkey LEFT\nkey SPACE\nkey TAB\nkey SPACE\n";
  const Case cases[] = {
      {"yes", edited + "confirm yes\nquit 9\n", 0, "", "Areas.out", 1},
      {"no", edited + "confirm no\nquit 9\n", 0, "", "Areas.out", 0},
      {"cancel", edited + "confirm cancel\nquit 9\n", 9, "", "Areas.out", 0},
      {"default", edited + "quit 9\n", 0, "before closing?\" gets its default answer, no",
       "Areas.out", 0},
      {"Alt+F4", Opened + "syskey F4\nconfirm cancel\nquit 9\n", 9, "", "Areas.out", 0},
      {"no changes", "open Areas.out\nclose\nquit 9\n", 0, "", nullptr, 0},
      {"changed back", undone + "close\nquit 9\n", 0, "", nullptr, 0},
      {"after a save", Opened + "key F3\nclose\nquit 9\n", 0, "", "Areas.out", 1},
      {"the Word Map", "open Areas.out\nkey F5\n" + Edit + "close\nconfirm cancel\nquit 9\n", 9, "",
       nullptr, 0},
      // Yes on a new set asks about the file in the way; No saves nothing,
      // and so the program does not close.
      {"yes, then no to replacing", New + "close\nconfirm yes\nconfirm no\nquit 9\n", 9,
       "nothing is saved", "Areas.out", 0},
      // While the display is away a quit or a close still works, and
      // Cancel keeps waiting.
      {"away, quit", away + "quit 3\n", 3, "", "Areas.out", 0},
      {"away, cancel", away + "close\nconfirm cancel\nframes 5\nactivate\nframes 2\nquit 4\n", 4,
       "", "Areas.out", 0},
      {"away, no", away + "close\nconfirm no\n", 0, "", "Areas.out", 0},
      // A save that fails keeps the program running.
      {"yes, and the save fails",
       Opened + "key shift+F3\nsave nodir/x\nclose\nconfirm yes\nquit 9\n", 9,
       "cannot save nodir/x.out", "Areas.out", 0},
  };
  for (const Case& c : cases) Check(c, 0);
}

TEST(LostDisplay, EachScreenComesBackAsItWas) {
  // A block is marked in the area editor; each screen is left to another
  // program and given back, and must then show what a run without the loss
  // shows at the same point. A key pressed meanwhile goes nowhere.
  const std::string start = New + "key shift+RIGHT\nkey shift+DOWN\n";
  const char* screens[] = {"", "key F1\n", "key F4\n", "key F5\nkey RIGHT\n"};
  std::string dir = MakeWorkDir();
  for (const char* screen : screens) {
    std::string before = start + screen + "frames 2\n";
    ASSERT_EQ(RunScript(dir, before + "frames 3\nshot plain.raw\nquit 5\n").status, 5);
    std::string away = "deactivate\nframes 30\nshot away.raw\nkey RIGHT\nactivate\nframes 3\n";
    e2e::RunResult run = RunScript(dir, before + away + "shot back.raw\nquit 5\n");
    EXPECT_EQ(run.status, 5) << screen << run.err;
    EXPECT_EQ(e2e::ReadBytes(dir + "/away.raw"), std::vector<std::uint8_t>(640 * 480)) << screen;
    EXPECT_EQ(e2e::ReadBytes(dir + "/back.raw"), e2e::ReadBytes(dir + "/plain.raw")) << screen;
  }
}

}  // namespace
