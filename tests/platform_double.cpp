// The platform test double: emulated window manager and display, with input
// and dialog answers queued by the test and exits raised as exceptions.
#include "tests/platform_double.h"

#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <stdexcept>

#include "platform/emulated/dialog_name.h"
#include "shell/program.h"

namespace dbl {

namespace {

struct Input {
  enum Kind { Msg, Wait, Act } kind;
  OsMessage message;
  bool shift, control;
  int vblanks;
  std::function<void()> action;
};

std::deque<Input> Inputs;
std::deque<std::string> OpenAnswers, SaveAnswers;
bool Waiting;
std::uint64_t WaitUntil;

bool Answer(std::deque<std::string>& answers, OsFileDialog& dialog) {
  Calls.cursorVisibleAtDialog = emu::CursorVisible();
  Calls.modeSetAtDialog = emu::Display.modeSet;
  if (answers.empty()) return false;
  std::string path = answers.front();
  answers.pop_front();
  if (path.empty()) return false;
  path = emu::CompleteDialogName(path, dialog.defExt);
  if (path.size() + 1 > dialog.maxFile) return false;
  std::memcpy(dialog.file, path.c_str(), path.size() + 1);
  return true;
}

}  // namespace

Record Calls;

void Reset(std::int32_t pitch) {
  ResetProgram();
  emu::ResetWindowManager();
  emu::InitDisplayEmulation(pitch);
  Inputs.clear();
  OpenAnswers.clear();
  SaveAnswers.clear();
  Waiting = false;
  Calls = {};
}

void Message(std::uint32_t message, OsWParam wParam, OsLParam lParam) {
  Input input{};
  input.kind = Input::Msg;
  input.message.message = message;
  input.message.wParam = wParam;
  input.message.lParam = lParam;
  Inputs.push_back(input);
}

void Key(OsWParam key, bool shift, bool control) {
  Message(WM_KEYDOWN, key, 1);
  Inputs.back().shift = shift;
  Inputs.back().control = control;
}

void Idle(int vblanks) {
  Input input{};
  input.kind = Input::Wait;
  input.vblanks = vblanks;
  Inputs.push_back(input);
}

void Do(std::function<void()> action) {
  Input input{};
  input.kind = Input::Act;
  input.action = std::move(action);
  Inputs.push_back(std::move(input));
}

void AnswerOpen(const std::string& path) { OpenAnswers.push_back(path); }
void AnswerSave(const std::string& path) { SaveAnswers.push_back(path); }

std::uint32_t ExitCodeOf(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const ExitCalled& exit) {
    return exit.code;
  }
  throw std::runtime_error("the process did not end");
}

std::uint32_t RunProgram() {
  return ExitCodeOf([] { ProgramEntry(); });
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
  ++Calls.peeks;
  if (emu::TakePostedMessage(message)) {
    emu::SetHeldModifiers(false, false);
    return true;
  }
  while (!Inputs.empty()) {
    Input& input = Inputs.front();
    if (input.kind == Input::Act) {
      auto action = std::move(input.action);
      Inputs.pop_front();
      action();
      continue;
    }
    if (input.kind == Input::Wait) {
      if (!Waiting) {
        Waiting = true;
        WaitUntil = emu::Display.verticalBlanks + static_cast<std::uint64_t>(input.vblanks);
      }
      if (emu::Display.verticalBlanks < WaitUntil) return false;
      Waiting = false;
      Inputs.pop_front();
      continue;
    }
    message = input.message;
    message.window = message.message == WM_QUIT ? nullptr : emu::MainWindow();
    emu::SetHeldModifiers(input.shift, input.control);
    Inputs.pop_front();
    return true;
  }
  message = {};
  message.message = WM_QUIT;
  emu::SetHeldModifiers(false, false);
  return true;
}

bool OsGetOpenFileName(OsFileDialog& dialog) {
  ++Calls.openDialogs;
  return Answer(OpenAnswers, dialog);
}

bool OsGetSaveFileName(OsFileDialog& dialog) {
  ++Calls.saveDialogs;
  return Answer(SaveAnswers, dialog);
}

void OsReportError(const char* line) { Calls.errors.emplace_back(line); }

void OsShowStatus(const OsStatus& status) { Calls.status = status; }

void OsMessageBox(const char* text) {
  ++Calls.messageBoxes;
  Calls.lastMessageBox = text;
}

void OsExitProcess(std::uint32_t code) { throw ExitCalled{code}; }

void BackendWaitFrame() {}
void BackendCursorVisibility(bool) {}
