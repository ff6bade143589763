// The questions a person answers: the default button (Enter) is the answer
// that keeps the work, while nobody asked gets what the program does without
// asking; and No to replacing a file is told in the status line where one
// shows, else in a box.
#include "tests/unit/program_test.h"

namespace {

using Questions = ProgramTest;

// The line that No to replacing Areas.out writes.
const std::vector<std::string> Refused = {"tesselle: nothing is saved: Areas.out is kept as it is"};

TEST_F(Questions, EnterKeepsTheWorkAndNobodyAskedGetsWhatTheProgramDoesUnasked) {
  for (bool statusLine : {false, true}) {
    SetUp();
    dbl::StatusLineShown = statusLine;
    dbl::WriteFile("Areas.out", std::vector<std::uint8_t>(214016, 7));
    // No to each replace, Cancel to the first close; the second close goes
    // unanswered: the window closes without saving.
    // Cell 1 placed at (0, 0): the set has a change to lose.
    for (OsWParam key : {VK_TAB, VK_RIGHT, VK_SPACE, VK_TAB, VK_SPACE}) dbl::Key(key);
    dbl::AnswerQuestion(IDNO);
    dbl::Key(VK_F3);
    dbl::Idle(2);
    dbl::Do([] { EXPECT_STREQ(dbl::Calls.status.event, "Nothing saved: Areas.out kept"); });
    dbl::AnswerSave("Areas.out");
    dbl::AnswerQuestion(IDNO);
    dbl::Key(VK_F3, true);
    dbl::AnswerQuestion(IDCANCEL);
    dbl::Message(WM_CLOSE);
    dbl::Message(WM_CLOSE);
    dbl::Message(WM_QUIT, 5);  // not reached: the window closes first
    EXPECT_EQ(dbl::RunProgram(), 0u);
    std::vector<std::pair<std::string, std::uint32_t>> asked;  // text, buttons and default
    for (const auto& [text, type] : dbl::Calls.questions)
      asked.emplace_back(text, type & (MB_TYPEMASK | MB_DEFMASK));
    EXPECT_EQ(asked,
              (std::vector<std::pair<std::string, std::uint32_t>>{
                  {"Areas.out exists. Replace it with this area set?", MB_YESNO | MB_DEFBUTTON2},
                  {"Areas.out exists. Replace it?", MB_YESNO | MB_DEFBUTTON2},
                  {"Save changes to Areas.out before closing?", MB_YESNOCANCEL | MB_DEFBUTTON1},
                  {"Save changes to Areas.out before closing?", MB_YESNOCANCEL | MB_DEFBUTTON1}}));
    EXPECT_EQ(dbl::ReadFile("Areas.out"), std::vector<std::uint8_t>(214016, 7));
    EXPECT_EQ(std::pair(dbl::Calls.errors, dbl::Calls.messageBoxes),
              std::pair(Refused, statusLine ? 0 : 1));
  }
}

}  // namespace
