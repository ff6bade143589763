// The platform test double: emulated window manager and display, with input
// and dialog answers queued by the test and exits raised as exceptions.
#include "tests/platform_double.h"

#include <cstring>
#include <deque>
#include <filesystem>
#include <stdexcept>
#include <tuple>

#include "app/program.h"
#include "platform/emulated/dialog_name.h"

namespace dbl {

namespace {

// One queued input: an action to run, a wait of some vertical blanks, or a
// message with the modifiers held while it is handled.
struct Input {
  std::function<void()> action;
  int vblanks = -1;
  OsMessage message{};
  bool shift = false, control = false;
};

std::deque<Input> Inputs;
std::deque<std::string> OpenAnswers, SaveAnswers;
std::deque<int> QuestionAnswers;
bool Waiting;
std::uint64_t WaitUntil;

bool Answer(std::deque<std::string>& answers, OsFileDialog& dialog) {
  Calls.cursorVisibleAtDialog = emu::CursorVisible();
  Calls.modeSetAtDialog = emu::Display.modeSet;
  std::string path = answers.empty() ? "" : answers.front();
  if (!answers.empty()) answers.pop_front();
  if (path.empty()) return false;
  path = emu::CompleteDialogName(path, dialog.defExt);
  if (path.size() + 1 > dialog.maxFile) return false;
  std::memcpy(dialog.file, path.c_str(), path.size() + 1);
  return true;
}

}  // namespace

Record Calls;
bool StatusLineShown;

void Reset(std::int32_t pitch) {
  ResetProgram();
  emu::ResetWindowManager();
  emu::InitDisplayEmulation(pitch);
  Inputs.clear();
  OpenAnswers.clear();
  SaveAnswers.clear();
  QuestionAnswers.clear();
  StatusLineShown = false;
  Waiting = false;
  Calls = {};
  Faults = {};
}

void Message(std::uint32_t message, OsWParam wParam, OsLParam lParam) {
  OsMessage& queued = Inputs.emplace_back().message;
  std::tie(queued.message, queued.wParam, queued.lParam) = std::tie(message, wParam, lParam);
}

void Key(OsWParam key, bool shift, bool control) {
  Message(WM_KEYDOWN, key, 1);
  std::tie(Inputs.back().shift, Inputs.back().control) = std::tie(shift, control);
}

void Idle(int vblanks) { Inputs.emplace_back().vblanks = vblanks; }
void Do(std::function<void()> action) { Inputs.emplace_back().action = std::move(action); }

void AnswerOpen(const std::string& path) { OpenAnswers.push_back(path); }
void AnswerSave(const std::string& path) { SaveAnswers.push_back(path); }
void AnswerQuestion(int answer) { QuestionAnswers.push_back(answer); }

std::uint32_t RunProgram() {
  try {
    ProgramEntry();
  } catch (const ExitCalled& exit) {
    return exit.code;
  }
  throw std::runtime_error("the process did not end");
}

std::vector<std::uint8_t> Screen() {
  std::vector<std::uint8_t> picture(640 * 480);
  emu::CopyPicture(picture.data());
  return picture;
}

void WriteTestBank() { testbank::WriteTestBank("."); }
void EnterTempDir() { std::filesystem::current_path(testbank::NewScratchDir("unit")); }
}  // namespace dbl

using namespace dbl;

bool OsPeekMessage(OsMessage& message) {
  emu::SetHeldModifiers(false, false);
  if (emu::TakePostedMessage(message)) return true;
  while (!Inputs.empty()) {
    Input& input = Inputs.front();
    if (input.action) {
      auto action = std::move(input.action);
      Inputs.pop_front();
      action();
    } else if (input.vblanks >= 0) {
      if (!Waiting) WaitUntil = emu::Display.verticalBlanks + static_cast<unsigned>(input.vblanks);
      Waiting = emu::Display.verticalBlanks < WaitUntil;
      if (Waiting) return false;
      Inputs.pop_front();
    } else {
      message = input.message;
      message.window = message.message == WM_QUIT ? nullptr : emu::MainWindow();
      emu::SetHeldModifiers(input.shift, input.control);
      Inputs.pop_front();
      return true;
    }
  }
  message = {};  // the end of the input
  message.message = WM_QUIT;
  return true;
}

bool OsGetOpenFileName(OsFileDialog& dialog) {
  ++Calls.openDialogs;
  return Answer(OpenAnswers, dialog);
}

bool OsGetSaveFileName(OsFileDialog& dialog) {
  for (;;) {
    ++Calls.saveDialogs;
    if (!Answer(SaveAnswers, dialog)) return false;
    if (emu::MayReplace(dialog)) return true;
  }
}

int OsAskQuestion(const char* text, std::uint32_t type, int unasked) {
  Calls.questions.emplace_back(text, type);
  if (QuestionAnswers.empty()) return unasked;
  int answer = QuestionAnswers.front();
  QuestionAnswers.pop_front();
  return answer;
}

void OsReportError(const char* line) { Calls.errors.emplace_back(line); }
void OsShowStatus(const OsStatus& status) { Calls.status = status; }
bool OsStatusLineShown() { return StatusLineShown; }
void OsMessageBox(const char* text) { ++Calls.messageBoxes, Calls.lastMessageBox = text; }
void OsExitProcess(std::uint32_t code) { throw ExitCalled{code}; }
void BackendWaitFrame() {}
void BackendCursorVisibility(bool) {}
