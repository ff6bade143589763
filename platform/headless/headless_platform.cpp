// The headless backend: messages, dialog answers, shots and surface events
// come from the script; a vertical blank is a counter; failures go to stderr.
#include "platform/headless/headless_platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "io/file_io.h"
#include "io/png_write.h"
#include "platform/emulated/dialog_name.h"
#include "platform/emulated/emulated.h"
#include "platform/emulated/pointer_hold.h"
#include "platform/printable.h"
#include "platform/status.h"

namespace {

struct Driver {
  const std::vector<ScriptCommand>* commands;
  std::size_t next;
  bool waiting;
  std::uint64_t waitUntil;
};

Driver Script;
std::uint8_t Picture[640 * 480];
std::uint8_t PaletteBytes[768];

void FillPaletteBytes() {
  for (int i = 0; i < 256; ++i) {
    PaletteBytes[3 * i] = emu::Display.inForce[i].red;
    PaletteBytes[3 * i + 1] = emu::Display.inForce[i].green;
    PaletteBytes[3 * i + 2] = emu::Display.inForce[i].blue;
  }
}

bool EndsWith(const std::string& text, const char* ending) {
  std::size_t n = std::strlen(ending);
  if (text.size() < n) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(text[text.size() - n + i])) != ending[i])
      return false;
  return true;
}

void ReportWriteFailure(const ScriptCommand& command, const char* reason) {
  std::fprintf(stderr, "tesselle-headless: line %d: cannot write %s: %s\n", command.line,
               Excerpt(command.path).c_str(), Printable(reason).c_str());
}

void WriteShot(const ScriptCommand& command) {
  emu::CopyPicture(Picture);
  if (EndsWith(command.path, ".raw")) {
    if (!WriteWholeFile(command.path.c_str(), Picture, sizeof Picture))
      ReportWriteFailure(command, FileErrorText(errno));
    return;
  }
  FillPaletteBytes();
  char error[256] = "";
  if (!WriteIndexedPng(command.path.c_str(), 640, 480, Picture, 640, PaletteBytes, error,
                       sizeof error))
    ReportWriteFailure(command, error);
}

void WritePalette(const ScriptCommand& command) {
  FillPaletteBytes();
  if (!WriteWholeFile(command.path.c_str(), PaletteBytes, sizeof PaletteBytes))
    ReportWriteFailure(command, FileErrorText(errno));
}

void TakeScriptMessage(const ScriptCommand& command, OsMessage& message) {
  message = {};
  message.window = command.message == WM_QUIT ? nullptr : emu::MainWindow();
  message.message = command.message;
  message.wParam = command.wParam;
  message.lParam = command.lParam;
  message.time = static_cast<std::uint32_t>(emu::Display.verticalBlanks);
  bool shift = command.shift, control = command.control;
  // A `message` line gives a pointer message as written.
  if (command.pointer || !IsPointerMessage(command.message))
    emu::HoldForMessage(message, shift, control);
  emu::SetHeldModifiers(shift, control);
}

// The answer of a dialog: the next command when it is of the dialog's kind.
bool AnswerDialog(OsFileDialog& dialog, CommandKind kind, const char* name) {
  const std::vector<ScriptCommand>& commands = *Script.commands;
  if (Script.next >= commands.size() || commands[Script.next].kind != kind) {
    std::fprintf(stderr,
                 "tesselle-headless: the %s dialog is cancelled: the script does not answer it\n",
                 name);
    return false;
  }
  const ScriptCommand& answer = commands[Script.next++];
  if (answer.cancel) return false;
  std::string path = emu::CompleteDialogName(answer.path, dialog.defExt);
  if (kind == CommandKind::Save && (emu::NamesFolder(answer.path) || emu::NamesFolder(path))) {
    std::fprintf(stderr, "tesselle-headless: line %d: the Save As dialog fails: %s is a folder\n",
                 answer.line, Excerpt(answer.path).c_str());
    return false;
  }
  if (dialog.file == nullptr || path.size() + 1 > dialog.maxFile) return false;
  std::memcpy(dialog.file, path.c_str(), path.size() + 1);
  return true;
}

}  // namespace

void StartHeadless(const std::vector<ScriptCommand>& commands, std::int32_t pitch) {
  Script = {};
  Script.commands = &commands;
  emu::ResetPointerHold();
  emu::InitDisplayEmulation(pitch);
}

bool OsPeekMessage(OsMessage& message) {
  if (emu::TakePostedMessage(message)) {
    emu::SetHeldModifiers(false, false);
    return true;
  }
  const std::vector<ScriptCommand>& commands = *Script.commands;
  while (Script.next < commands.size()) {
    const ScriptCommand& command = commands[Script.next];
    switch (command.kind) {
      case CommandKind::Message:
        ++Script.next;
        TakeScriptMessage(command, message);
        return true;
      case CommandKind::Frames:
        if (!Script.waiting) {
          Script.waiting = true;
          Script.waitUntil = emu::Display.verticalBlanks + command.frames;
        }
        if (emu::Display.verticalBlanks < Script.waitUntil) return false;
        Script.waiting = false;
        break;
      case CommandKind::Shot: WriteShot(command); break;
      case CommandKind::Palette: WritePalette(command); break;
      case CommandKind::LoseSurface: emu::LoseSurface(command.restorable); break;
      case CommandKind::FailLock: emu::Display.failNextLock = true; break;
      case CommandKind::Deactivate: emu::Deactivate(); break;
      case CommandKind::Activate: emu::Activate(); break;
      case CommandKind::Open:
      case CommandKind::Save:
      case CommandKind::Confirm:
        std::fprintf(
            stderr, "tesselle-headless: line %d: %s; '%s' is ignored\n", command.line,
            command.kind == CommandKind::Confirm ? "no question is asked" : "no dialog is open",
            command.kind == CommandKind::Open   ? "open"
            : command.kind == CommandKind::Save ? "save"
                                                : "confirm");
        break;
    }
    ++Script.next;
  }
  message = {};
  message.message = WM_QUIT;  // the script is done
  emu::SetHeldModifiers(false, false);
  return true;
}

bool OsGetOpenFileName(OsFileDialog& dialog) {
  return AnswerDialog(dialog, CommandKind::Open, "open");
}

// A Save As answer naming a file that exists is followed by the question
// about replacing it; No takes the dialog back to the next answer.
bool OsGetSaveFileName(OsFileDialog& dialog) {
  for (;;) {
    if (!AnswerDialog(dialog, CommandKind::Save, "Save As")) return false;
    if (emu::MayReplace(dialog)) return true;
  }
}

// The answer of a question: the next command when it is a confirm, else the
// answer of nobody asked, with a note.
int OsAskQuestion(const char* text, std::uint32_t type, int unasked) {
  const std::vector<ScriptCommand>& commands = *Script.commands;
  bool yesNo = (type & MB_TYPEMASK) == MB_YESNO;
  if (Script.next < commands.size() && commands[Script.next].kind == CommandKind::Confirm) {
    int answer = commands[Script.next++].answer;
    return yesNo && answer == IDCANCEL ? IDNO : answer;
  }
  std::fprintf(stderr,
               "tesselle-headless: the question \"%s\" gets its default answer, %s: the script "
               "does not answer it\n",
               Printable(text).c_str(),
               unasked == IDYES  ? "yes"
               : unasked == IDNO ? "no"
                                 : "cancel");
  return unasked;
}

void OsReportError(const char* line) { std::fprintf(stderr, "%s\n", Printable(line).c_str()); }

void OsMessageBox(const char*) {}  // the report line has gone to stderr already

void OsShowStatus(const OsStatus&) {}  // a script has no status line
bool OsStatusLineShown() { return false; }

void OsExitProcess(std::uint32_t code) {
  std::fflush(nullptr);
  std::exit(static_cast<int>(code & 0xFF));
}

void BackendWaitFrame() {}
void BackendCursorVisibility(bool) {}
