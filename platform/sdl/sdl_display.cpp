// The desktop window: the emulated 8-bit surface shown on the window's own
// surface through its palette, scaled by a whole factor and letterboxed, with
// the status line below it. Only the parts of the frame that changed are
// converted and presented. Also the way a dialog borrows the screen from full
// screen, and the way the in-window prompt borrows the picture itself.
#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/emulated/emulated.h"
#include "platform/present/frame_present.h"
#include "platform/present/status_band.h"
#include "platform/sdl/sdl_backend.h"

namespace {

using present::Height;
using present::Width;

constexpr Uint32 EventShownMs = 4000;  // how long the status line tells of an event
constexpr std::uint8_t StatusInk[3] = {0xE0, 0xE0, 0xE0};
constexpr std::size_t LineSize = 160;

struct SdlDeleter {
  void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

struct DesktopDisplay {
  std::unique_ptr<SDL_Window, SdlDeleter> window;
  std::unique_ptr<present::ShownFrame> shown;
  // The picture at its own size, for a window smaller than the picture, and a
  // 32-bit copy of the window for a window surface of another depth.
  std::unique_ptr<SDL_Surface, SdlDeleter> small;
  std::unique_ptr<SDL_Surface, SdlDeleter> shadow;
  bool fullScreen = false;
  int dialogDepth = 0;
  bool stale = false;                               // the whole window is to be drawn again
  const OsPaletteEntry* borrowedPalette = nullptr;  // shown instead of the one in force
  // The status as last handed down, and what the band and the title show.
  OsStatus status = {};
  bool haveStatus = false;
  std::uint32_t eventSeen = 0;
  Uint32 eventUntil = 0;
  char line[LineSize] = {};
  char title[LineSize] = {};
  present::Rect rects[present::MaxRects];
  SDL_Rect updates[present::MaxRects + 1];
};

DesktopDisplay Desktop;

// The window's size out of full screen: the picture and one status line.
constexpr int WindowWidth = Width;
constexpr int WindowHeight = Height + present::StatusLineHeight;

// The surface drawn on: the window's own when it has 32-bit pixels.
SDL_Surface* Canvas(SDL_Surface* windowSurface) {
  if (windowSurface->format->BytesPerPixel == 4) return windowSurface;
  SDL_Surface* shadow = Desktop.shadow.get();
  if (shadow == nullptr || shadow->w != windowSurface->w || shadow->h != windowSurface->h) {
    Desktop.shadow.reset(SDL_CreateRGBSurfaceWithFormat(0, windowSurface->w, windowSurface->h, 32,
                                                        SDL_PIXELFORMAT_XRGB8888));
    shadow = Desktop.shadow.get();
  }
  return shadow;
}

present::Target TargetOf(SDL_Surface* surface) {
  return {static_cast<std::uint32_t*>(surface->pixels), surface->pitch / 4};
}

SDL_Rect ToSdl(const present::Rect& rect) { return {rect.x, rect.y, rect.w, rect.h}; }

// The status line's text now, with the event while it is fresh; true when
// it differs from what the band shows.
bool StatusLineChanged() {
  if (!Desktop.haveStatus) return false;
  Uint32 now = SDL_GetTicks();
  if (Desktop.status.eventNumber != Desktop.eventSeen) {
    Desktop.eventSeen = Desktop.status.eventNumber;
    Desktop.eventUntil = now + EventShownMs;
  }
  bool withEvent = static_cast<Sint32>(Desktop.eventUntil - now) > 0;
  char line[LineSize];
  present::FormatStatusLine(Desktop.status, withEvent, line, sizeof line);
  if (std::strcmp(line, Desktop.line) == 0) return false;
  std::memcpy(Desktop.line, line, sizeof line);
  return true;
}

}  // namespace

namespace {

// Shows what changed on the window: with `takeFrame`, the parts of the
// emulated surface that differ from what is shown; and the whole window when
// it was spoilt, from what is shown. Nothing at all when nothing changed.
void Show(bool takeFrame) {
  SDL_Window* window = Desktop.window.get();
  if (window == nullptr || emu::Display.surface == nullptr) return;
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface == nullptr) return;
  SDL_Surface* canvas = Canvas(surface);
  if (canvas == nullptr) return;
  present::ShownFrame& shown = *Desktop.shown;
  bool whole = Desktop.stale || !shown.valid;
  int count = 0;
  if (takeFrame || !shown.valid) {
    const OsPaletteEntry* palette =
        Desktop.borrowedPalette != nullptr ? Desktop.borrowedPalette : emu::Display.inForce;
    std::uint32_t colours[256];
    for (int i = 0; i < 256; ++i)
      colours[i] = SDL_MapRGB(canvas->format, palette[i].red, palette[i].green, palette[i].blue);
    count = present::FindChanges(emu::Display.surface, emu::Display.pitch, colours, shown,
                                 Desktop.rects);
  }
  bool lineChanged = StatusLineChanged();
  if (!whole && count == 0 && !lineChanged) return;

  present::Layout layout = present::LayOut(canvas->w, canvas->h);
  present::Target target = TargetOf(canvas);
  if (whole) {
    present::Fill(target, {0, 0, canvas->w, canvas->h}, SDL_MapRGB(canvas->format, 0, 0, 0));
    Desktop.rects[0] = {0, 0, Width, Height};
    count = 1;
  }
  int updates = 0;
  const present::Rect& picture = layout.picture;
  if (layout.factor == 0) {
    // Smaller than the picture: the picture at its own size, then shrunk.
    SDL_Surface* small = Desktop.small.get();
    for (int i = 0; i < count; ++i)
      present::DrawRect(shown, Desktop.rects[i], 1, TargetOf(small), 0, 0);
    SDL_Rect to = ToSdl(picture);
    if (count > 0 && SDL_BlitScaled(small, nullptr, canvas, &to) == 0)
      Desktop.updates[updates++] = to;
  } else {
    for (int i = 0; i < count; ++i) {
      const present::Rect& rect = Desktop.rects[i];
      present::DrawRect(shown, rect, layout.factor, target, picture.x, picture.y);
      Desktop.updates[updates++] = {picture.x + rect.x * layout.factor,
                                    picture.y + rect.y * layout.factor, rect.w * layout.factor,
                                    rect.h * layout.factor};
    }
  }
  if ((whole || lineChanged) && layout.band.h > 0) {
    present::DrawStatusBand(target, layout.band, layout.textScale, Desktop.line,
                            SDL_MapRGB(canvas->format, StatusInk[0], StatusInk[1], StatusInk[2]),
                            SDL_MapRGB(canvas->format, 0, 0, 0));
    Desktop.updates[updates++] = ToSdl(layout.band);
  }
  Desktop.stale = false;
  if (canvas != surface) {
    for (int i = 0; i < updates; ++i) {
      SDL_Rect rect = Desktop.updates[i];
      SDL_BlitSurface(canvas, &rect, surface, &rect);
    }
  }
  if (whole)
    SDL_UpdateWindowSurface(window);
  else if (updates > 0)
    SDL_UpdateWindowSurfaceRects(window, Desktop.updates, updates);
}

}  // namespace

namespace desktop {

bool OpenDisplay(bool fullScreen) {
  // The window stays hidden until its picture is ready.
  Uint32 flags =
      SDL_WINDOW_HIDDEN | (fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_RESIZABLE);
  // A full-screen window is made at the desktop's size from the start, so it
  // covers the screen also where no window manager resizes it.
  int width = WindowWidth, height = WindowHeight;
  int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
  SDL_DisplayMode mode;
  if (fullScreen && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    width = mode.w;
    height = mode.h;
    x = y = 0;
  }
  Desktop.window.reset(SDL_CreateWindow(ProgramTitle, x, y, width, height, flags));
  if (!Desktop.window) return false;
  // Out of full screen (around a dialog) the window is the picture's size
  // and one status line.
  if (fullScreen) SDL_SetWindowSize(Desktop.window.get(), WindowWidth, WindowHeight);
  Desktop.fullScreen = fullScreen;
  SDL_SetWindowMinimumSize(Desktop.window.get(), Width / 4, Height / 4);
  Desktop.shown = std::make_unique<present::ShownFrame>();
  Desktop.small.reset(
      SDL_CreateRGBSurfaceWithFormat(0, Width, Height, 32, SDL_PIXELFORMAT_XRGB8888));
  if (!Desktop.small) return false;
  std::strcpy(Desktop.title, ProgramTitle);
  SetWindowTitle(Desktop.window.get(), ProgramTitle);
  SDL_ShowWindow(Desktop.window.get());
  Desktop.stale = true;
  Show(true);
  return true;
}

void CloseDisplay() {
  Desktop.shadow.reset();
  Desktop.small.reset();
  Desktop.window.reset();
  Desktop.shown.reset();
}

SDL_Window* Window() { return Desktop.window.get(); }

void PresentFrame() { Show(true); }

void MarkPictureStale() { Desktop.stale = true; }

void RepresentIfStale() {
  if (Desktop.stale) Show(false);
}

void ShowStatus(const OsStatus& status) {
  Desktop.status = status;
  Desktop.haveStatus = true;
  char title[LineSize];
  present::FormatWindowTitle(status, ProgramTitle, title, sizeof title);
  if (Desktop.window && std::strcmp(title, Desktop.title) != 0) {
    std::memcpy(Desktop.title, title, sizeof title);
    SetWindowTitle(Desktop.window.get(), title);
  }
}

void BeginDialog() {
  if (Desktop.dialogDepth++ != 0) return;
  if (Desktop.window && Desktop.fullScreen) {
    SDL_SetWindowFullscreen(Desktop.window.get(), 0);
    Desktop.stale = true;
    Show(false);
  }
  SetPointerVisible(true);
}

void EndDialog() {
  if (--Desktop.dialogDepth != 0) return;
  SetPointerVisible(emu::CursorVisible());
  if (!Desktop.window) return;
  if (Desktop.fullScreen)
    SDL_SetWindowFullscreen(Desktop.window.get(), SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_RaiseWindow(Desktop.window.get());
  Desktop.stale = true;
  Show(false);
}

struct BorrowedScreen::Saved {
  std::unique_ptr<std::uint8_t[]> surface;
  const OsPaletteEntry* palette;  // a prompt's, when a question is asked over it
};

BorrowedScreen::BorrowedScreen(const OsPaletteEntry* palette) : saved_(std::make_unique<Saved>()) {
  std::size_t surfaceBytes = static_cast<std::size_t>(emu::Display.pitch) * Height;
  if (emu::Display.surface != nullptr) {
    saved_->surface = std::make_unique<std::uint8_t[]>(surfaceBytes);
    std::memcpy(saved_->surface.get(), emu::Display.surface, surfaceBytes);
  }
  saved_->palette = Desktop.borrowedPalette;
  Desktop.borrowedPalette = palette;
}

// The surface is as before, and the window shows it through the palette it
// was shown through, as if the prompt had never been drawn.
BorrowedScreen::~BorrowedScreen() {
  Desktop.borrowedPalette = saved_->palette;
  if (saved_->surface)
    std::memcpy(emu::Display.surface, saved_->surface.get(),
                static_cast<std::size_t>(emu::Display.pitch) * Height);
  Show(true);
}

}  // namespace desktop

void OsShowStatus(const OsStatus& status) { desktop::ShowStatus(status); }

// The window as it is between dialogs: full screen at the desktop's size, or
// as large as it is now.
bool OsStatusLineShown() {
  SDL_Window* window = Desktop.window.get();
  if (window == nullptr) return false;
  int width = 0, height = 0;
  SDL_DisplayMode mode;
  if (Desktop.fullScreen &&
      SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(window), &mode) == 0)
    width = mode.w, height = mode.h;
  else
    SDL_GetWindowSize(window, &width, &height);
  return present::LayOut(width, height).band.h > 0;
}
