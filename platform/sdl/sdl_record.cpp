// tesselle --record FILE: the session written, as it runs, as a script that
// tesselle-headless replays turn for turn. Each line is flushed when written,
// so a session that crashes still leaves the script up to its last message.
// The file is made new: a name that is there, a link included, or one of the
// files the program reads is refused before anything else happens.
//
// Timing: the replay takes a message at the first PeekMessage, once the wait
// of the `frames N` before it is over, and that wait counts from the first
// PeekMessage that meets it (one that finds the program's own queue empty).
// So N is the number of vertical blanks from the first such call after the
// previous message to the call that took this one. Messages the program posts
// itself are not written: the replay posts them again.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "io/file_io.h"
#include "platform/emulated/dialog_name.h"
#include "platform/emulated/emulated.h"
#include "platform/emulated/key_names.h"
#include "platform/file_names.h"
#include "platform/printable.h"
#include "platform/sdl/sdl_backend.h"

namespace {

struct Recorder {
  std::FILE* file = nullptr;
  std::string path;
  std::string made;         // the same, absolute: the working folder may change
  std::string folder;       // the working folder, for names written relative to it
  bool waiting = false;     // input has been looked at since the last message
  std::uint64_t since = 0;  // the vertical blank of that first look
};

Recorder Recording;

void Stop() {
  if (Recording.file != nullptr) std::fclose(Recording.file);
  Recording.file = nullptr;
}

void Line(const std::string& text) {
  if (Recording.file == nullptr) return;
  if (std::fputs(text.c_str(), Recording.file) == EOF || std::fputc('\n', Recording.file) == EOF ||
      std::fflush(Recording.file) != 0) {
    std::fprintf(stderr, "tesselle: the recording stops: cannot write %s: %s\n",
                 Printable(Recording.path).c_str(), std::strerror(errno));
    Stop();
  }
}

void WriteWait() {
  std::uint64_t blanks = emu::Display.verticalBlanks - Recording.since;
  if (Recording.waiting && blanks > 0) Line("frames " + std::to_string(blanks));
  Recording.waiting = false;
}

std::string Hex(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%" PRIX64, value);
  return text;
}

// The script's name of a virtual-key code; a code without one is written as
// a number, which the script takes as well.
std::string KeyName(OsWParam code) {
  std::string name = emu::NameOfKey(code);
  return name.empty() ? Hex(code) : name;
}

std::string PointLine(const std::string& start, const OsMessage& message) {
  return start + std::to_string(message.lParam & 0xFFFF) + " " +
         std::to_string((message.lParam >> 16) & 0xFFFF);
}

std::string MessageLine(const OsMessage& message, bool shift, bool control) {
  std::string modifiers = std::string(shift ? "shift+" : "") + (control ? "ctrl+" : "");
  switch (message.message) {
    case WM_MOUSEMOVE: return PointLine("mouse move ", message);
    case WM_LBUTTONDOWN: return PointLine("mouse down " + modifiers + "left ", message);
    case WM_RBUTTONDOWN: return PointLine("mouse down " + modifiers + "right ", message);
    case WM_LBUTTONUP: return PointLine("mouse up left ", message);
    case WM_RBUTTONUP: return PointLine("mouse up right ", message);
    case WM_MOUSEWHEEL: {
      int notches =
          static_cast<std::int16_t>(static_cast<std::uint16_t>(message.wParam >> 16)) / WHEEL_DELTA;
      return PointLine(
          "mouse wheel " + std::string(shift ? "shift+" : "") + std::to_string(notches) + " ",
          message);
    }
    case WM_KEYDOWN: return "key " + modifiers + KeyName(message.wParam);
    case WM_KEYUP: return "keyup " + modifiers + KeyName(message.wParam);
    case WM_SYSKEYDOWN: return "syskey " + KeyName(message.wParam);
    case WM_CLOSE:
      if (message.wParam == 0 && message.lParam == 0) return "close";
      break;
    default: break;
  }
  return "message " + Hex(message.message) + " " + Hex(message.wParam) + " " +
         Hex(static_cast<std::uint64_t>(message.lParam));
}

// A name inside the working folder is written relative to it, so that the
// replay, in another folder with copies of the same files, reads and writes
// its own copies.
std::string ScriptName(const std::string& name) {
  const std::string& folder = Recording.folder;
  if (folder.size() > 1 && name.size() > folder.size() + 1 &&
      name.compare(0, folder.size(), folder) == 0 && name[folder.size()] == '/')
    return name.substr(folder.size() + 1);
  return name;
}

// Whether the script line `open NAME` / `save NAME` gives the program `name`
// again: one word, not the word for a cancel, and no extension added in the
// replay.
bool Replays(const std::string& name, const OsFileDialog& dialog) {
  if (name.empty() || name == "cancel") return false;
  for (char c : name)
    if (std::isspace(static_cast<unsigned char>(c))) return false;
  return emu::CompleteDialogName(name, dialog.defExt) == name;
}

}  // namespace

namespace desktop {

bool CreateRecording(const char* path, const std::vector<std::string>& inputs, std::string& why) {
  for (const std::string& input : inputs)
    if (NameOneFile(path, input.c_str())) {
      why = std::string("--record will not write ") + path + ": the program reads that file (" +
            input + "); name a new file";
      return false;
    }
  // Made new, never through a link planted at the name.
  int made = open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (made >= 0) Recording.file = fdopen(made, "w");
  if (Recording.file == nullptr) {
    int error = errno;
    if (made >= 0) close(made);
    why = error == EEXIST
              ? std::string("--record will not replace ") + path + ", which exists; name a new file"
              : std::string("cannot write the recording ") + path + ": " + std::strerror(error);
    return false;
  }
  Recording.path = path;
  // Kept whole, so that a start that fails after moving to the set's folder
  // still removes it.
  Recording.made = path;
  char* folder = path[0] == '/' ? nullptr : getcwd(nullptr, 0);
  if (folder != nullptr) Recording.made = std::string(folder) + "/" + path;
  std::free(folder);
  return true;
}

void DropRecording() {
  if (Recording.file == nullptr) return;
  Stop();
  unlink(Recording.made.c_str());
}

void BeginRecording() {
  if (Recording.file == nullptr) return;
  std::string folder(4096, '\0');
  if (getcwd(folder.data(), folder.size()) != nullptr) {
    folder.resize(std::strlen(folder.c_str()));
    Recording.folder = folder;
  }
  Line(std::string("# ") + ProgramTitle + ": a session recorded by tesselle --record");
  Line(
      "# replay it with tesselle-headless in a folder with the same Cells.dap, Cells.id and area "
      "sets");
}

void RecordInputPeek() {
  if (Recording.file == nullptr || Recording.waiting) return;
  Recording.waiting = true;
  Recording.since = emu::Display.verticalBlanks;
}

void RecordMessage(const OsMessage& message, bool shift, bool control) {
  if (Recording.file == nullptr) return;
  WriteWait();
  Line(MessageLine(message, shift, control));
}

void RecordDialogAnswer(bool open, bool chosen, const OsFileDialog& dialog) {
  if (Recording.file == nullptr) return;
  std::string verb = open ? "open " : "save ";
  if (!chosen || dialog.file == nullptr) {
    Line(verb + "cancel");
    return;
  }
  std::string received(dialog.file, strnlen(dialog.file, dialog.maxFile));
  std::string name = ScriptName(received);
  if (name == "cancel") name = "./cancel";  // the same file, and not a cancel
  if (Replays(name, dialog)) {
    Line(verb + name);
    // Whatever dialog asked, the user said yes to replacing a file that is
    // there; the replay's dialog asks too. Names refused on the way are not
    // written: they changed nothing.
    struct stat status;
    if (!open && (dialog.flags & OFN_OVERWRITEPROMPT) != 0 && stat(received.c_str(), &status) == 0)
      Line("confirm yes");
    return;
  }
  // A script line cannot give the program this name: the replay cancels the
  // dialog instead, and says so.
  std::fprintf(stderr,
               "tesselle: a script line cannot name \"%s\": the recording's replay cancels that "
               "dialog\n",
               Printable(received).c_str());
  Line("# the " + std::string(open ? "open" : "Save As") + " dialog chose \"" +
       Printable(received) + "\", which a script line cannot name");
  Line(verb + "cancel");
}

void RecordQuestionAnswer(int answer) {
  Line(answer == IDYES ? "confirm yes" : answer == IDNO ? "confirm no" : "confirm cancel");
}

void FinishRecording(std::uint32_t code) {
  if (Recording.file == nullptr) return;
  // The program ends by itself in the replay as well, before this line; it is
  // reached only when the session ended in a way that the script cannot show.
  WriteWait();
  Line("quit " + std::to_string(code));
  Stop();
}

}  // namespace desktop
