// The rest of the desktop platform: failure reports on stderr,
// the error message box, and the process exit that ends the recording and
// puts SDL away first.
#include <cstdio>
#include <cstdlib>

#include "platform/emulated/emulated.h"
#include "platform/printable.h"
#include "platform/sdl/sdl_backend.h"

void OsReportError(const char* line) { std::fprintf(stderr, "%s\n", Printable(line).c_str()); }

void OsMessageBox(const char* text) {
  desktop::DialogScope scope;
  desktop::HeldScope held;  // a signal to end ends the box too
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, ProgramTitle, text, desktop::Window()) != 0)
    std::fprintf(stderr, "tesselle: cannot show a message box (%s): %s\n", SDL_GetError(),
                 Printable(text).c_str());
}

void OsExitProcess(std::uint32_t code) {
  desktop::FinishRecording(code);
  desktop::CloseDisplay();
  SDL_Quit();
  std::fflush(nullptr);
  std::exit(static_cast<int>(code & 0xFF));
}
