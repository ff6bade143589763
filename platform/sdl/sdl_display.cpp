// The desktop window: an SDL window, renderer and streaming texture that show
// the emulated 8-bit surface through its palette, scaled by a whole factor and
// letterboxed; the way a dialog borrows the screen from full screen, and the
// way the in-window prompt borrows the picture itself.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/emulated/emulated.h"
#include "platform/sdl/sdl_backend.h"
#include "shell/services.h"

namespace {

constexpr int Width = 640;
constexpr int Height = 480;

struct SdlDeleter {
  void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
  void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
  void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
};

struct DesktopDisplay {
  std::unique_ptr<SDL_Window, SdlDeleter> window;
  std::unique_ptr<SDL_Renderer, SdlDeleter> renderer;
  std::unique_ptr<SDL_Texture, SdlDeleter> texture;
  std::unique_ptr<std::uint32_t[]> pixels;  // the frame shown, ARGB, Width x Height
  std::unique_ptr<std::uint8_t[]> indices;  // the same frame as palette indices
  std::uint32_t colours[256] = {};          // and the palette it went through
  bool fullScreen = false;
  int dialogDepth = 0;
  bool pictureStale = false;
  const OsPaletteEntry* borrowedPalette = nullptr;  // shown instead of the one in force
};

DesktopDisplay Desktop;

SDL_Texture* MakeTexture() {
  return SDL_CreateTexture(Desktop.renderer.get(), SDL_PIXELFORMAT_ARGB8888,
                           SDL_TEXTUREACCESS_STREAMING, Width, Height);
}

// A renderer that waits for the vertical blank where the driver can, else any.
SDL_Renderer* MakeRenderer(SDL_Window* window) {
  const Uint32 choices[] = {SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC,
                            SDL_RENDERER_PRESENTVSYNC, 0};
  for (Uint32 flags : choices) {
    if (SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, flags)) return renderer;
  }
  return nullptr;
}

// The largest whole multiple of the picture that fits the output, centred;
// an output smaller than the picture shows all of it, shrunk.
SDL_Rect PictureRect(int outputWidth, int outputHeight) {
  int factor = std::min(outputWidth / Width, outputHeight / Height);
  SDL_Rect rect;
  if (factor >= 1) {
    rect.w = Width * factor;
    rect.h = Height * factor;
  } else if (outputWidth * Height <= outputHeight * Width) {
    rect.w = outputWidth;
    rect.h = outputWidth * Height / Width;
  } else {
    rect.w = outputHeight * Width / Height;
    rect.h = outputHeight;
  }
  rect.x = (outputWidth - rect.w) / 2;
  rect.y = (outputHeight - rect.h) / 2;
  return rect;
}

}  // namespace

namespace desktop {

bool OpenDisplay(bool fullScreen) {
  // The window stays hidden and untitled until the renderer is made: SDL may
  // make the window again for the renderer, and only the final one should be
  // seen (or found by its title).
  Uint32 flags =
      SDL_WINDOW_HIDDEN | (fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_RESIZABLE);
  // A full-screen window is made at the desktop's size from the start, so it
  // covers the screen also where no window manager resizes it.
  int width = Width, height = Height;
  int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
  SDL_DisplayMode mode;
  if (fullScreen && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    width = mode.w;
    height = mode.h;
    x = y = 0;
  }
  Desktop.window.reset(SDL_CreateWindow("", x, y, width, height, flags));
  if (!Desktop.window) return false;
  // Out of full screen (around a dialog) the window is the picture's size.
  if (fullScreen) SDL_SetWindowSize(Desktop.window.get(), Width, Height);
  Desktop.fullScreen = fullScreen;
  SDL_SetWindowMinimumSize(Desktop.window.get(), Width / 4, Height / 4);
  Desktop.renderer.reset(MakeRenderer(Desktop.window.get()));
  if (!Desktop.renderer) return false;
  Desktop.texture.reset(MakeTexture());
  if (!Desktop.texture) return false;
  // The first present converts every row: the colours never match all zero.
  Desktop.pixels = std::make_unique<std::uint32_t[]>(Width * Height);
  Desktop.indices = std::make_unique<std::uint8_t[]>(Width * Height);
  for (int i = 0; i < Width * Height; ++i) Desktop.pixels[i] = 0xFF000000u;
  std::memset(Desktop.colours, 0, sizeof Desktop.colours);
  SDL_UpdateTexture(Desktop.texture.get(), nullptr, Desktop.pixels.get(), Width * 4);
  SDL_SetWindowTitle(Desktop.window.get(), WindowTitle);
  SDL_ShowWindow(Desktop.window.get());
  RepresentFrame();
  return true;
}

void CloseDisplay() {
  Desktop.texture.reset();
  Desktop.renderer.reset();
  Desktop.window.reset();
  Desktop.pixels.reset();
  Desktop.indices.reset();
}

SDL_Window* Window() { return Desktop.window.get(); }

void PresentFrame() {
  if (!Desktop.texture || emu::Display.surface == nullptr) return;
  const OsPaletteEntry* palette =
      Desktop.borrowedPalette != nullptr ? Desktop.borrowedPalette : emu::Display.inForce;
  std::uint32_t colours[256];
  for (int i = 0; i < 256; ++i) {
    const OsPaletteEntry& entry = palette[i];
    colours[i] = 0xFF000000u | static_cast<std::uint32_t>(entry.red) << 16 |
                 static_cast<std::uint32_t>(entry.green) << 8 | entry.blue;
  }
  bool paletteChanged = std::memcmp(colours, Desktop.colours, sizeof colours) != 0;
  if (paletteChanged) std::memcpy(Desktop.colours, colours, sizeof colours);
  // Only the rows that changed since the last present are converted again.
  bool changed = paletteChanged;
  const std::uint8_t* row = emu::Display.surface;
  std::uint8_t* shown = Desktop.indices.get();
  std::uint32_t* out = Desktop.pixels.get();
  for (int y = 0; y < Height; ++y, row += emu::Display.pitch, shown += Width, out += Width) {
    if (!paletteChanged && std::memcmp(row, shown, Width) == 0) continue;
    std::memcpy(shown, row, Width);
    for (int x = 0; x < Width; ++x) out[x] = colours[row[x]];
    changed = true;
  }
  if (changed) SDL_UpdateTexture(Desktop.texture.get(), nullptr, Desktop.pixels.get(), Width * 4);
  if (changed || Desktop.pictureStale) RepresentFrame();
}

void MarkPictureStale() { Desktop.pictureStale = true; }

void RepresentIfStale() {
  if (Desktop.pictureStale) RepresentFrame();
}

void RepresentFrame() {
  Desktop.pictureStale = false;
  SDL_Renderer* renderer = Desktop.renderer.get();
  if (renderer == nullptr || !Desktop.texture) return;
  int outputWidth = 0, outputHeight = 0;
  if (SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight) != 0 || outputWidth <= 0 ||
      outputHeight <= 0)
    return;
  SDL_Rect target = PictureRect(outputWidth, outputHeight);
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  SDL_RenderCopy(renderer, Desktop.texture.get(), nullptr, &target);
  SDL_RenderPresent(renderer);
}

void RecoverTexture() {
  if (!Desktop.renderer || !Desktop.pixels) return;
  Desktop.texture.reset(MakeTexture());
  if (Desktop.texture)
    SDL_UpdateTexture(Desktop.texture.get(), nullptr, Desktop.pixels.get(), Width * 4);
}

DialogScope::DialogScope() {
  if (Desktop.dialogDepth++ != 0) return;
  if (Desktop.window && Desktop.fullScreen) {
    SDL_SetWindowFullscreen(Desktop.window.get(), 0);
    RepresentFrame();
  }
  SetPointerVisible(true);
}

DialogScope::~DialogScope() {
  if (--Desktop.dialogDepth != 0) return;
  SetPointerVisible(emu::CursorVisible());
  if (!Desktop.window) return;
  if (Desktop.fullScreen)
    SDL_SetWindowFullscreen(Desktop.window.get(), SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_RaiseWindow(Desktop.window.get());
  RepresentFrame();
}

struct BorrowedScreen::Saved {
  std::unique_ptr<std::uint8_t[]> surface;
  std::unique_ptr<std::uint32_t[]> pixels;
  std::unique_ptr<std::uint8_t[]> indices;
  std::uint32_t colours[256];
};

BorrowedScreen::BorrowedScreen(const OsPaletteEntry* palette) : saved_(std::make_unique<Saved>()) {
  std::size_t surfaceBytes = static_cast<std::size_t>(emu::Display.pitch) * Height;
  if (emu::Display.surface != nullptr) {
    saved_->surface = std::make_unique<std::uint8_t[]>(surfaceBytes);
    std::memcpy(saved_->surface.get(), emu::Display.surface, surfaceBytes);
  }
  if (Desktop.pixels && Desktop.indices) {
    saved_->pixels = std::make_unique<std::uint32_t[]>(Width * Height);
    saved_->indices = std::make_unique<std::uint8_t[]>(Width * Height);
    std::memcpy(saved_->pixels.get(), Desktop.pixels.get(), Width * Height * 4);
    std::memcpy(saved_->indices.get(), Desktop.indices.get(), Width * Height);
  }
  std::memcpy(saved_->colours, Desktop.colours, sizeof Desktop.colours);
  Desktop.borrowedPalette = palette;
}

BorrowedScreen::~BorrowedScreen() {
  Desktop.borrowedPalette = nullptr;
  if (saved_->surface)
    std::memcpy(emu::Display.surface, saved_->surface.get(),
                static_cast<std::size_t>(emu::Display.pitch) * Height);
  // The window shows the picture of before again, and the next present
  // compares against it, as if the prompt had never been drawn.
  std::memcpy(Desktop.colours, saved_->colours, sizeof Desktop.colours);
  if (saved_->pixels && Desktop.pixels && Desktop.indices) {
    std::memcpy(Desktop.pixels.get(), saved_->pixels.get(), Width * Height * 4);
    std::memcpy(Desktop.indices.get(), saved_->indices.get(), Width * Height);
    if (Desktop.texture)
      SDL_UpdateTexture(Desktop.texture.get(), nullptr, Desktop.pixels.get(), Width * 4);
  }
  RepresentFrame();
}

}  // namespace desktop
