// DirectDraw for the seam: the object, the exclusive 640 x 480 x 8 mode, the
// primary surface with its lock, and the palette. The seam's surface
// description carries the fields the program uses; the system's own record,
// of the system's size, is filled from it and read back after each call.
#include <cstddef>

#include "platform/status.h"
#include "platform/win32/win32.h"

namespace {

static_assert(sizeof(OsPaletteEntry) == sizeof(PALETTEENTRY));
static_assert(offsetof(PALETTEENTRY, peRed) == offsetof(OsPaletteEntry, red) &&
              offsetof(PALETTEENTRY, peGreen) == offsetof(OsPaletteEntry, green) &&
              offsetof(PALETTEENTRY, peBlue) == offsetof(OsPaletteEntry, blue) &&
              offsetof(PALETTEENTRY, peFlags) == offsetof(OsPaletteEntry, flags));

IDirectDraw* Draw(OsHandle draw) { return static_cast<IDirectDraw*>(draw); }
IDirectDrawSurface* Surface(OsHandle surface) { return static_cast<IDirectDrawSurface*>(surface); }

std::int32_t Result(HRESULT result) { return static_cast<std::int32_t>(result); }

DDSURFACEDESC ToSystem(const OsSurfaceDesc& desc) {
  DDSURFACEDESC record{};
  record.dwSize = sizeof record;
  record.dwFlags = desc.flags;
  record.ddsCaps.dwCaps = desc.caps;
  return record;
}

}  // namespace

OsHandle DdCreate() {
  IDirectDraw* draw = nullptr;
  if (DirectDrawCreate(nullptr, &draw, nullptr) != DD_OK) return nullptr;
  return draw;
}

std::int32_t DdSetCooperativeLevel(OsHandle draw, OsHandle window, std::uint32_t flags) {
  if (draw == nullptr) return DDERR_INVALIDOBJECT;
  return Result(Draw(draw)->SetCooperativeLevel(static_cast<HWND>(window), flags));
}

std::int32_t DdSetDisplayMode(OsHandle draw, std::uint32_t width, std::uint32_t height,
                              std::uint32_t bitsPerPixel) {
  if (draw == nullptr) return DDERR_INVALIDOBJECT;
  return Result(Draw(draw)->SetDisplayMode(width, height, bitsPerPixel));
}

std::int32_t DdRestoreDisplayMode(OsHandle draw) {
  if (draw == nullptr) return DDERR_INVALIDOBJECT;
  return Result(Draw(draw)->RestoreDisplayMode());
}

OsHandle DdCreateSurface(OsHandle draw, OsSurfaceDesc& desc) {
  if (draw == nullptr) return nullptr;
  DDSURFACEDESC record = ToSystem(desc);
  IDirectDrawSurface* surface = nullptr;
  if (Draw(draw)->CreateSurface(&record, &surface, nullptr) != DD_OK) return nullptr;
  return surface;
}

OsHandle DdCreatePalette(OsHandle draw, std::uint32_t flags, const OsPaletteEntry* entries) {
  if (draw == nullptr || entries == nullptr) return nullptr;
  PALETTEENTRY table[256];
  for (int i = 0; i < 256; ++i)
    table[i] = {entries[i].red, entries[i].green, entries[i].blue, entries[i].flags};
  IDirectDrawPalette* palette = nullptr;
  if (Draw(draw)->CreatePalette(flags, table, &palette, nullptr) != DD_OK) return nullptr;
  return palette;
}

std::int32_t DdWaitForVerticalBlank(OsHandle draw, std::uint32_t flags) {
  if (draw == nullptr) return DDERR_INVALIDOBJECT;
  HRESULT result = Draw(draw)->WaitForVerticalBlank(flags, nullptr);
  // Without the display (another program has it) the wait returns at once:
  // sleep a frame instead, so that no loop spins.
  if (result != DD_OK) Sleep(16);
  return Result(result);
}

std::int32_t DdRelease(OsHandle draw) {
  if (draw == nullptr) return DDERR_INVALIDOBJECT;
  Draw(draw)->Release();
  return DD_OK;
}

std::int32_t DdSurfaceLock(OsHandle surface, OsSurfaceDesc& desc, std::uint32_t flags) {
  if (surface == nullptr) return DDERR_INVALIDOBJECT;
  DDSURFACEDESC record = ToSystem(desc);
  HRESULT result = Surface(surface)->Lock(nullptr, &record, flags, nullptr);
  if (result == DD_OK) {
    desc.flags = record.dwFlags;
    desc.caps = record.ddsCaps.dwCaps;
    desc.pitch = record.lPitch;
    desc.surface = static_cast<std::uint8_t*>(record.lpSurface);
  }
  return Result(result);
}

std::int32_t DdSurfaceUnlock(OsHandle surface) {
  if (surface == nullptr) return DDERR_INVALIDOBJECT;
  return Result(Surface(surface)->Unlock(nullptr));
}

std::int32_t DdSurfaceRestore(OsHandle surface) {
  if (surface == nullptr) return DDERR_INVALIDOBJECT;
  return Result(Surface(surface)->Restore());
}

std::int32_t DdSurfaceSetPalette(OsHandle surface, OsHandle palette) {
  if (surface == nullptr) return DDERR_INVALIDOBJECT;
  return Result(Surface(surface)->SetPalette(static_cast<IDirectDrawPalette*>(palette)));
}

std::int32_t DdSurfaceRelease(OsHandle surface) {
  if (surface == nullptr) return DDERR_INVALIDOBJECT;
  Surface(surface)->Release();
  return DD_OK;
}

std::int32_t DdPaletteRelease(OsHandle palette) {
  if (palette == nullptr) return DDERR_INVALIDOBJECT;
  static_cast<IDirectDrawPalette*>(palette)->Release();
  return DD_OK;
}

// The display takes the whole screen: there is nowhere to show a status.
void OsShowStatus(const OsStatus&) {}
bool OsStatusLineShown() { return false; }
