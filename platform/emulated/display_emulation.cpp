// DirectDraw for backends without it: one primary surface of pitch x 480
// bytes allocated once, a small pool of palette objects, surface loss and
// restore, and the vertical blank handed to the backend.
#include <cstring>
#include <memory>

#include "platform/emulated/emulated.h"

namespace {

constexpr int PaletteObjects = 4;

struct PaletteObject {
  int references;
  OsPaletteEntry entries[256];
};

PaletteObject Palettes[PaletteObjects];
PaletteObject* Attached;
std::unique_ptr<std::uint8_t[]> SurfaceBytes;
char DrawToken, SurfaceToken;

bool IsDraw(OsHandle draw) { return draw == &DrawToken; }
bool IsSurface(OsHandle surface) { return surface == &SurfaceToken && emu::Display.surfaceCreated; }

void Unreference(PaletteObject* palette) {
  if (palette != nullptr && palette->references > 0) --palette->references;
}

}  // namespace

namespace emu {

DisplayState Display;

void InitDisplayEmulation(std::int32_t pitch) {
  if (pitch < 640) pitch = 640;
  SurfaceBytes = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(pitch) * 480);
  Display = {};
  Display.surface = SurfaceBytes.get();
  Display.pitch = pitch;
  for (PaletteObject& palette : Palettes) palette.references = 0;
  Attached = nullptr;
}

void LoseSurface(bool restorable) {
  std::memset(Display.surface, 0, static_cast<std::size_t>(Display.pitch) * 480);
  Display.lost = true;
  Display.restoreFails = !restorable;
}

void Deactivate() {
  LoseSurface(true);
  Display.inactive = true;
}

void Activate() { Display.inactive = false; }

void CopyPicture(std::uint8_t* out) {
  for (int y = 0; y < 480; ++y)
    std::memcpy(out + 640 * y, Display.surface + static_cast<std::size_t>(Display.pitch) * y, 640);
}

}  // namespace emu

using emu::Display;

OsHandle DdCreate() { return Display.surface != nullptr ? &DrawToken : nullptr; }

std::int32_t DdSetCooperativeLevel(OsHandle draw, OsHandle window, std::uint32_t) {
  return IsDraw(draw) && window != nullptr ? DD_OK : DDERR_GENERIC;
}

std::int32_t DdSetDisplayMode(OsHandle draw, std::uint32_t width, std::uint32_t height,
                              std::uint32_t bitsPerPixel) {
  if (!IsDraw(draw) || width != 640 || height != 480 || bitsPerPixel != 8) return DDERR_GENERIC;
  if (Display.surfaceCreated) emu::LoseSurface(true);  // a mode change loses the surface
  Display.modeSet = true;
  return DD_OK;
}

std::int32_t DdRestoreDisplayMode(OsHandle draw) {
  if (!IsDraw(draw)) return DDERR_GENERIC;
  if (Display.surfaceCreated && Display.modeSet) emu::LoseSurface(true);
  Display.modeSet = false;
  return DD_OK;
}

OsHandle DdCreateSurface(OsHandle draw, OsSurfaceDesc& desc) {
  if (!IsDraw(draw) || Display.surfaceCreated || (desc.caps & DDSCAPS_PRIMARYSURFACE) == 0)
    return nullptr;
  Display.surfaceCreated = true;
  return &SurfaceToken;
}

OsHandle DdCreatePalette(OsHandle draw, std::uint32_t, const OsPaletteEntry* entries) {
  if (!IsDraw(draw)) return nullptr;
  for (PaletteObject& palette : Palettes) {
    if (palette.references != 0) continue;
    palette.references = 1;
    std::memcpy(palette.entries, entries, sizeof palette.entries);
    return &palette;
  }
  return nullptr;  // every object is still held: the caller leaks them
}

std::int32_t DdWaitForVerticalBlank(OsHandle draw, std::uint32_t) {
  if (!IsDraw(draw)) return DDERR_GENERIC;
  ++Display.verticalBlanks;
  BackendWaitFrame();
  return DD_OK;
}

std::int32_t DdRelease(OsHandle draw) { return IsDraw(draw) ? DD_OK : DDERR_GENERIC; }

std::int32_t DdSurfaceLock(OsHandle surface, OsSurfaceDesc& desc, std::uint32_t) {
  if (!IsSurface(surface) || Display.locked) return DDERR_GENERIC;
  if (Display.failNextLock) {
    Display.failNextLock = false;
    return DDERR_GENERIC;
  }
  if (Display.lost) return DDERR_SURFACELOST;
  Display.locked = true;
  desc.pitch = Display.pitch;
  desc.surface = Display.surface;
  return DD_OK;
}

std::int32_t DdSurfaceUnlock(OsHandle surface) {
  if (!IsSurface(surface) || !Display.locked) return DDERR_GENERIC;
  Display.locked = false;
  return DD_OK;
}

std::int32_t DdSurfaceRestore(OsHandle surface) {
  if (!IsSurface(surface)) return DDERR_GENERIC;
  if (Display.inactive) return DDERR_WRONGMODE;
  if (Display.restoreFails || !Display.modeSet) return DDERR_GENERIC;
  Display.lost = false;
  return DD_OK;
}

std::int32_t DdSurfaceSetPalette(OsHandle surface, OsHandle palette) {
  if (!IsSurface(surface) || palette == nullptr) return DDERR_GENERIC;
  auto* object = static_cast<PaletteObject*>(palette);
  ++object->references;
  Unreference(Attached);
  Attached = object;
  std::memcpy(Display.inForce, object->entries, sizeof Display.inForce);
  return DD_OK;
}

std::int32_t DdSurfaceRelease(OsHandle surface) {
  if (!IsSurface(surface)) return DDERR_GENERIC;
  Unreference(Attached);
  Attached = nullptr;
  Display.surfaceCreated = false;
  return DD_OK;
}

std::int32_t DdPaletteRelease(OsHandle palette) {
  if (palette == nullptr) return DDERR_GENERIC;
  Unreference(static_cast<PaletteObject*>(palette));
  return DD_OK;
}
