// The window's title for every X client. SDL sets _NET_WM_NAME in UTF-8 and
// WM_NAME in the locale's own encoding, which clients that know only STRING
// and COMPOUND_TEXT (xdotool search --name, older window managers) cannot
// read. WM_NAME is set again here as STRING (Latin-1), or COMPOUND_TEXT for a
// name beyond Latin-1, with the title's dash written as a hyphen.
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

}  // namespace

namespace desktop {

void SetWindowTitle(SDL_Window* window, const char* title) {
  SDL_SetWindowTitle(window, title);
  SetLegacyName(window, title);
}

}  // namespace desktop
