// The rest of the desktop platform: the pointer, failure reports on stderr,
// the error message box, and the process exit that ends the recording and
// puts SDL away first.
#include <cstdio>
#include <cstdlib>

#include "platform/emulated/emulated.h"
#include "platform/sdl/sdl_backend.h"
#include "shell/services.h"

namespace desktop {

void SetPointerVisible(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

}  // namespace desktop

void BackendCursorVisibility(bool visible) { desktop::SetPointerVisible(visible); }

void OsReportError(const char* line) { std::fprintf(stderr, "%s\n", line); }

void OsMessageBox(const char* text) {
  desktop::DialogScope scope;
  desktop::HeldScope held;  // a signal to end ends the box too
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, WindowTitle, text, desktop::Window()) != 0)
    std::fprintf(stderr, "tesselle: cannot show a message box (%s): %s\n", SDL_GetError(), text);
}

void OsExitProcess(std::uint32_t code) {
  desktop::FinishRecording(code);
  desktop::CloseDisplay();
  SDL_Quit();
  std::fflush(nullptr);
  std::exit(static_cast<int>(code & 0xFF));
}
