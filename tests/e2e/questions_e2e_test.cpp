// The questions before a file is replaced or changes are dropped, each with
// its answer given, its default and the case where it is not asked; and the
// exclusive mode lost and given back in each screen.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace {

using e2e::MakeWorkDir, e2e::RunScript;

// A new set and the file Areas.out, each with cell 1 placed at (0, 0) of area 0.
const std::string Edit = "TAB RIGHT SPACE TAB SPACE; ";
const std::string New = "open cancel; " + Edit, Opened = "open Areas.out; " + Edit;

struct Case {
  std::string script;  // written short (see e2e::Script)
  int status;
  const char* note;  // a part of stderr, or "" for none at all
  const char* file;  // checked file, or null
  int first;         // its first byte: 1 when written, 0 when kept
};

// Each question with its answers, its default and the runs where it is not
// asked; in a fresh folder whose Areas.out is all 0 (`first` 0: kept).
TEST(Questions, ReplacingAFileOrClosingWithUnsavedChanges) {
  const std::string defaulted =
      "question \"Areas.out exists. Replace it with this area set?\" "
      "gets its default answer, yes";
  const std::string edited = Opened + "close; ", away = Opened + "deactivate; frames 5; ";
  // Cell 0 goes back where cell 1 was placed: the set is as it was opened.
  const std::string undone = Opened + "TAB LEFT SPACE TAB SPACE; ";
  const Case cases[] = {
      // Replacing a file this run did not read or write.
      {New + "F3; confirm yes", 0, "", "Areas.out", 1},
      {New + "F3", 0, defaulted.c_str(), "Areas.out", 1},
      {Opened + "F3", 0, "", "Areas.out", 1},
      {New + "F3; confirm yes; F3; confirm no", 0, "no question is asked; 'confirm' is ignored",
       "Areas.out", 1},
      {New + "shift+F3; save Areas; confirm no; save new", 0, "", "new.out", 1},
      {New + "shift+F3; save Areas; confirm no; save new", 0, "", "Areas.out", 0},
      {New + "shift+F3; save Areas; confirm cancel; save Areas.out; confirm yes", 0, "",
       "Areas.out", 1},
      {New + "shift+F3; save Areas", 0, "Replace it?\" gets its default", "Areas.out", 1},
      {New + "shift+F3; save other; confirm no", 0, "no question is asked", "other.out", 1},
      // A name refused and then the dialog cancelled leaves the set's name as
      // it was: the next F3 saves to Copy.out, not over Areas.out.
      {New + "shift+F3; save Copy; shift+F3; save Areas; confirm no; save cancel; F3", 0, "",
       "Areas.out", 0},
      // Closing with unsaved changes.
      {edited + "confirm yes; quit 9", 0, "", "Areas.out", 1},
      {edited + "confirm no; quit 9", 0, "", "Areas.out", 0},
      {edited + "confirm cancel; quit 9", 9, "", "Areas.out", 0},
      {edited + "quit 9", 0, "before closing?\" gets its default answer, no", "Areas.out", 0},
      {Opened + "syskey F4; confirm cancel; quit 9", 9, "", "Areas.out", 0},
      {"open Areas.out; close; quit 9", 0, "", nullptr, 0},
      {undone + "close; quit 9", 0, "", nullptr, 0},
      {Opened + "F3; close; quit 9", 0, "", "Areas.out", 1},
      {"open Areas.out; F5 " + Edit + "close; confirm cancel; quit 9", 9, "", nullptr, 0},
      // Yes on a new set asks about the file in the way; No saves nothing,
      // and so the program does not close.
      {New + "close; confirm yes; confirm no; quit 9", 9, "nothing is saved", "Areas.out", 0},
      // While the display is away a quit or a close still works, and
      // Cancel keeps waiting.
      {away + "quit 3", 3, "", "Areas.out", 0},
      {away + "close; confirm cancel; frames 5; activate; frames 2; quit 4", 4, "", "Areas.out", 0},
      {away + "close; confirm no", 0, "", "Areas.out", 0},
      // A save that fails keeps the program running.
      {Opened + "shift+F3; save nodir/x; close; confirm yes; quit 9", 9, "cannot save nodir/x.out",
       "Areas.out", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    std::string dir = MakeWorkDir();
    e2e::WriteBytes(dir + "/Areas.out", std::vector<std::uint8_t>(214016, 0));
    e2e::RunResult run = RunScript(dir, e2e::Script(c.script));
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_TRUE(*c.note ? run.err.find(c.note) != std::string::npos : run.err.empty()) << run.err;
    if (c.file == nullptr) continue;
    std::vector<std::uint8_t> bytes = e2e::ReadBytes(dir + "/" + c.file);
    EXPECT_TRUE(bytes.size() == 214016u && bytes[0] == c.first);
  }
}

TEST(LostDisplay, EachScreenComesBackAsItWas) {
  // A block is marked in the area editor; each screen is left to another
  // program and given back, and must then show what a run without the loss
  // shows at the same point. A key pressed meanwhile goes nowhere.
  std::string dir = MakeWorkDir();
  for (const char* screen : {"", "F1", "F4", "F5 RIGHT"}) {
    std::string before = New + "shift+RIGHT shift+DOWN " + screen + "; frames 2; ";
    ASSERT_EQ(RunScript(dir, e2e::Script(before + "frames 3; shot plain.raw; quit 5")).status, 5);
    std::string away = "deactivate; frames 30; shot away.raw; RIGHT; activate; frames 3; ";
    e2e::RunResult run = RunScript(dir, e2e::Script(before + away + "shot back.raw; quit 5"));
    EXPECT_EQ(run.status, 5) << screen << run.err;
    EXPECT_EQ(e2e::ReadBytes(dir + "/away.raw"), std::vector<std::uint8_t>(640 * 480)) << screen;
    EXPECT_EQ(e2e::ReadBytes(dir + "/back.raw"), e2e::ReadBytes(dir + "/plain.raw")) << screen;
  }
}

}  // namespace
