// A test double of the platform: the emulated window manager and display,
// with messages, dialog answers and actions injected by the test, and the
// process exit turned into an exception the test catches.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/emulated/emulated.h"
#include "platform/status.h"
#include "tests/file_faults.h"
#include "tests/test_bank.h"

namespace dbl {

struct ExitCalled {
  std::uint32_t code;
};

// Starts afresh: program records, emulation, injected input, call counts.
void Reset(std::int32_t pitch = 640);

// Input, taken in order by the program's PeekMessage.
void Message(std::uint32_t message, OsWParam wParam = 0, OsLParam lParam = 0);
void Key(OsWParam key, bool shift = false, bool control = false);
void Idle(int vblanks);                 // no message until this many vertical blanks pass
void Do(std::function<void()> action);  // runs inside PeekMessage, then goes on
// Dialog answers, taken in order; "" or none left cancels.
void AnswerOpen(const std::string& path);
void AnswerSave(const std::string& path);
// Question answers, taken in order; none left gives the answer of nobody asked.
void AnswerQuestion(int answer);
// Whether the front end shows a status line, as a desktop window does.
extern bool StatusLineShown;

// Runs the program from its entry until it ends; returns the exit code.
std::uint32_t RunProgram();

struct Record {
  int openDialogs, saveDialogs, messageBoxes;
  std::vector<std::string> errors;  // lines reported
  std::string lastMessageBox;
  std::vector<std::pair<std::string, std::uint32_t>> questions;  // text and type
  bool cursorVisibleAtDialog, modeSetAtDialog;
  OsStatus status;  // as last handed down
};
extern Record Calls;

// The screen as displayed: 640 x 480 bytes.
std::vector<std::uint8_t> Screen();

// The test bank (see test_bank.h) written into the current directory.
using testbank::CellId, testbank::CellPixel;
void WriteTestBank();
inline constexpr auto ReadFile = &testbank::ReadBytes;
inline constexpr auto WriteFile = &testbank::WriteBytes;

// A fresh, empty working directory for one test; the previous one is left.
void EnterTempDir();

}  // namespace dbl
