// A test double of the platform: the emulated window manager and display,
// with messages, dialog answers and actions injected by the test, and the
// process exit turned into an exception the test catches.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/emulated/emulated.h"
#include "platform/status.h"
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
// Dialog answers, taken in order; none left means cancel.
void AnswerOpen(const std::string& path);  // "" cancels
void AnswerSave(const std::string& path);  // "" cancels
// Question answers (IDYES, IDNO, IDCANCEL), taken in order; none left means
// the default button's answer.
void AnswerQuestion(int answer);

// Runs the program from its entry until it ends; returns the exit code.
std::uint32_t RunProgram();

struct Record {
  int peeks;
  int openDialogs;
  int saveDialogs;
  int messageBoxes;
  std::vector<std::string> errors;  // lines reported
  std::string lastMessageBox;
  std::vector<std::string> questions;
  bool cursorVisibleAtDialog;
  bool modeSetAtDialog;
  OsStatus status;  // as last handed down
};
extern Record Calls;

// The screen as displayed: 640 x 480 bytes.
std::vector<std::uint8_t> Screen();

// Test data in the current directory: a cell bank whose 256 cells are all
// different (cell n pixel (i, j) = CellPixel(n, i, j)), its palette entry i =
// (i % 64, (i / 4) % 64, 63 - i % 64), and ids CellId(n).
using testbank::CellId;
using testbank::CellPixel;
void WriteTestBank();
inline std::vector<std::uint8_t> ReadFile(const std::string& path) {
  return testbank::ReadBytes(path);
}
inline void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  testbank::WriteBytes(path, bytes);
}

// A fresh, empty working directory for one test; the previous one is left.
void EnterTempDir();

// System faults for the file calls, linked in place of write and rename: the
// disk takes this many more bytes (-1: no limit), and the next renames fail.
struct FileFaults {
  long long diskBytesLeft = -1;
  int failingRenames = 0;
};
extern FileFaults Faults;

}  // namespace dbl
