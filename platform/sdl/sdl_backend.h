// What the desktop backend's files share: the window and its picture, the
// pending input taken from SDL, the key table, the pointer and the way a
// dialog borrows the screen.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "platform/platform.h"

namespace desktop {

// --- Display (sdl_display.cpp) ---------------------------------------------
// Opens the window, its renderer and the streaming texture, full screen or in
// a normal window. On failure returns false and SDL_GetError() says why.
bool OpenDisplay(bool fullScreen);
// Destroys whatever OpenDisplay made; safe to call more than once.
void CloseDisplay();
SDL_Window* Window();  // null when no display is open
// Converts the emulated surface through the palette in force and presents it.
void PresentFrame();
// Shows the last presented picture again, as after an exposure or a resize.
void RepresentFrame();
// The window was exposed or resized: show the picture again at the next
// chance, unless a new frame is presented first.
void MarkPictureStale();
void RepresentIfStale();
// The renderer lost its textures: make the texture again from the last frame.
void RecoverTexture();

// While a dialog is up the window leaves full screen and the pointer shows;
// both come back when the last scope ends.
class DialogScope {
 public:
  DialogScope();
  ~DialogScope();
  DialogScope(const DialogScope&) = delete;
  DialogScope& operator=(const DialogScope&) = delete;
};

// --- Input (sdl_input.cpp) -------------------------------------------------
// Moves waiting SDL events into the pending messages while there is room.
void PumpEvents();
// While a dialog runs: keeps the window painted and drops its key presses.
void PumpWhileModal();

// --- Keys (sdl_keys.cpp) ---------------------------------------------------
// The virtual-key code of an SDL key, or 0 for a key the program never sees.
OsWParam VirtualKey(const SDL_Keysym& key);

// A key event as the Windows message it becomes.
struct KeyMessage {
  std::uint32_t message;  // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP
  OsWParam wParam;
  OsLParam lParam;
  bool shift;
  bool control;
};
// False for keys without a virtual-key code.
bool TranslateKey(const SDL_KeyboardEvent& event, KeyMessage& out);

// --- Pointer (sdl_platform.cpp) --------------------------------------------
// Shows or hides the pointer over the window.
void SetPointerVisible(bool visible);

// --- Dialogs (sdl_dialogs.cpp) ---------------------------------------------
enum class FirstOpen { Ask, Answer, Cancel };
// How the start-up open dialog is answered; name is kept, not copied.
void SetFirstOpenAnswer(FirstOpen how, const char* name);

}  // namespace desktop
