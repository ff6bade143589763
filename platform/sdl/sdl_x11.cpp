// What the desktop does with X11 itself, beside SDL.
// - The window's title for every X client. SDL sets _NET_WM_NAME in UTF-8 and
//   WM_NAME in the locale's own encoding, which clients that know only STRING
//   and COMPOUND_TEXT (xdotool search --name, older window managers) cannot
//   read. WM_NAME is set again here as STRING (Latin-1), or COMPOUND_TEXT for
//   a name beyond Latin-1, with the title's dash written as a hyphen.
// - Waiting for input on the display's connection and the signal pipe at
//   once. (SDL's own wait wakes itself by sending an event to the window
//   through a second connection; one sent just before the window is destroyed
//   can reach the X server after it, and the error ends the process.)
#include <poll.h>

#include <cstring>
#include <string>

#include "platform/sdl/sdl_backend.h"

// After the backend's names: X11's headers define None and others as macros.
#include <SDL_syswm.h>
#ifdef SDL_VIDEO_DRIVER_X11
#include <X11/Xutil.h>
#endif

namespace {

constexpr const char Dash[] = "\u2014";

void SetLegacyName([[maybe_unused]] SDL_Window* window, [[maybe_unused]] const char* title) {
#ifdef SDL_VIDEO_DRIVER_X11
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  std::string name;
  for (const char* at = title; *at != '\0';) {
    bool dash = std::strncmp(at, Dash, sizeof Dash - 1) == 0;
    name += dash ? '-' : *at;
    at += dash ? sizeof Dash - 1 : 1;
  }
  char* list[] = {name.data()};
  XTextProperty property;
  Display* display = info.info.x11.display;
  if (Xutf8TextListToTextProperty(display, list, 1, XStdICCTextStyle, &property) < Success) return;
  XSetWMName(display, info.info.x11.window, &property);
  XFree(property.value);
  XFlush(display);
#endif
}

// The descriptor of the X server connection, or -1 for another display.
int ConnectionOf(SDL_Window* window) {
#ifdef SDL_VIDEO_DRIVER_X11
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window != nullptr && SDL_GetWindowWMInfo(window, &info) == SDL_TRUE &&
      info.subsystem == SDL_SYSWM_X11)
    return ConnectionNumber(info.info.x11.display);
#endif
  return -1;
}

}  // namespace

namespace desktop {

// SDL has taken every event the connection had read when its queue is found
// empty, so what comes next makes the connection readable.
void WaitForInput(int milliseconds) {
  int connection = ConnectionOf(Window());
  if (connection < 0) {
    SDL_WaitEventTimeout(nullptr, milliseconds);  // leaves the event in the queue
    return;
  }
  pollfd ready[2] = {{connection, POLLIN, 0}, {EndSignalWaiter(), POLLIN, 0}};
  poll(ready, 2, milliseconds);
}

void SetWindowTitle(SDL_Window* window, const char* title) {
  SDL_SetWindowTitle(window, title);
  SetLegacyName(window, title);
}

}  // namespace desktop
