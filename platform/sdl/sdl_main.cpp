// tesselle: the desktop front end. Reads the command line, makes the file that
// --record asks for, moves to the area set's folder, opens the SDL display
// (full screen unless --window) and hands over to the program.
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/emulated/emulated.h"
#include "platform/file_names.h"
#include "platform/printable.h"
#include "platform/sdl/sdl_backend.h"

namespace {

constexpr const char* Usage =
    "usage: tesselle [--window] [--record FILE] [AREASET | --new]\n"
    "Edits the areas of a tile-based game on the whole screen. Works in the folder\n"
    "of AREASET, or else in the current directory, and reads Cells.dap and Cells.id\n"
    "there.\n"
    "  AREASET        open this area set instead of asking for one\n"
    "  --new          start a new, empty area set instead of asking for one\n"
    "  --window       run in a window instead of full screen\n"
    "  --record FILE  write the session to FILE, a new file, as a script that\n"
    "                 tesselle-headless replays\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n";

// Text input and touches mean nothing to the program (a touch also comes as
// the mouse events SDL makes of it).
constexpr Uint32 IgnoredEvents[] = {SDL_TEXTINPUT, SDL_TEXTEDITING, SDL_FINGERMOTION,
                                    SDL_FINGERDOWN, SDL_FINGERUP};

bool Set(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && value[0] != '\0';
}

// Unless the user names a video driver, only those that show a window on a
// display the environment names are tried: SDL would otherwise fall back to
// drawing off screen, where nobody sees the program.
void ChooseVideoDrivers() {
  if (Set("SDL_VIDEODRIVER")) return;
  std::string drivers;
  if (Set("DISPLAY")) drivers = "x11";
  if (Set("WAYLAND_DISPLAY")) drivers += drivers.empty() ? "wayland" : ",wayland";
  SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.empty() ? "x11" : drivers.c_str());
}

int UsageError(const char* reason, const char* what) {
  std::fprintf(stderr, "tesselle: %s%s (try tesselle --help)\n", reason, Printable(what).c_str());
  return 1;
}

// The folder part of the area set's name, with its separator; empty when the
// name has none (or names nothing but a folder, which the open refuses).
std::string FolderOf(const char* areaSet) {
  if (areaSet == nullptr) return {};
  std::size_t length = FolderLength(areaSet);
  return areaSet[length] == '\0' ? std::string() : std::string(areaSet, length);
}

// A start that goes no further: the recording made for it is removed.
int StartFails(const char* what, const char* detail) {
  std::fprintf(stderr, "tesselle: %s\n", Printable(std::string(what) + detail).c_str());
  desktop::DropRecording();
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  bool fullScreen = true;
  bool startNew = false;
  const char* areaSet = nullptr;
  const char* recording = nullptr;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const char* argument = argv[i];
    if (!optionsEnded && argument[0] == '-' && argument[1] != '\0') {
      if (std::strcmp(argument, "--") == 0) {
        optionsEnded = true;
      } else if (std::strcmp(argument, "--help") == 0) {
        std::fputs(Usage, stdout);
        return 0;
      } else if (std::strcmp(argument, "--version") == 0) {
        std::printf("%s\n", ProgramTitle);
        return 0;
      } else if (std::strcmp(argument, "--window") == 0) {
        fullScreen = false;
      } else if (std::strcmp(argument, "--new") == 0) {
        startNew = true;
      } else if (std::strcmp(argument, "--record") == 0) {
        if (i + 1 >= argc || argv[i + 1][0] == '\0')
          return UsageError("--record needs the name of the file to write", "");
        recording = argv[++i];
      } else {
        return UsageError("unknown option ", argument);
      }
    } else if (areaSet != nullptr) {
      return UsageError("only one area set can be opened; also given: ", argument);
    } else if (argument[0] == '\0') {
      return UsageError("the area set name is empty", "");
    } else {
      areaSet = argument;
    }
  }
  if (startNew && areaSet != nullptr)
    return UsageError("--new and an area set exclude each other: ", areaSet);

  // Nothing is read or opened before the recording's name is found to be new.
  std::string folder = FolderOf(areaSet);
  if (recording != nullptr) {
    std::vector<std::string> inputs = {folder + "Cells.dap", folder + "Cells.id"};
    if (areaSet != nullptr) inputs.emplace_back(areaSet);
    std::string why;
    if (!desktop::CreateRecording(recording, inputs, why)) {
      std::fprintf(stderr, "tesselle: %s\n", Printable(why).c_str());
      return 1;
    }
  }
  if (!desktop::CatchEndSignals())
    return StartFails("cannot take the signals to end: ", std::strerror(errno));
  // The set's folder is the one to work in: the bank files beside the set are
  // read, and the set is saved there under its own name.
  if (!folder.empty()) {
    if (chdir(folder.c_str()) != 0) {
      std::string what = "cannot work in the folder " + folder + ": ";
      return StartFails(what.c_str(), std::strerror(errno));
    }
    areaSet += folder.size();
  }
  desktop::BeginRecording();

  // Window titles are UTF-8; X converts them only in a UTF-8 character type.
  const char* characters = std::setlocale(LC_CTYPE, "");
  if (characters == nullptr || std::strstr(characters, "UTF-8") == nullptr)
    std::setlocale(LC_CTYPE, "C.UTF-8");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");  // the close button is WM_CLOSE only
  // A click acts also when it is the one that gives the window the focus.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // The picture is drawn on the window's own surface; a GPU renderer behind
  // it would only add cost to a frame that changes a few spans at a time.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // a signal ends the program, not a close
  ChooseVideoDrivers();
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return StartFails("cannot open the display: ", SDL_GetError());
  for (Uint32 ignored : IgnoredEvents) SDL_EventState(ignored, SDL_IGNORE);
  SDL_StopTextInput();
  emu::InitDisplayEmulation(640);
  if (!desktop::OpenDisplay(fullScreen)) {
    int status = StartFails("cannot open the display: ", SDL_GetError());
    desktop::CloseDisplay();
    SDL_Quit();
    return status;
  }
  desktop::StartPointer(fullScreen);

  if (startNew)
    desktop::SetFirstOpenAnswer(desktop::FirstOpen::Cancel, nullptr);
  else if (areaSet != nullptr)
    desktop::SetFirstOpenAnswer(desktop::FirstOpen::Answer, areaSet);
  ProgramEntry();
}
