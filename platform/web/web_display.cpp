// The picture on the page: the emulated 8-bit surface converted through the
// palette in force into an RGBA buffer that the canvas's ImageData views,
// with only the changed rectangles put on the canvas; the vertical blank as a
// sleep until the next tick of a steady 60 Hz clock, during which the page
// runs; and the status line and title handed to the page.
#include <emscripten/emscripten.h>

#include <cmath>
#include <cstring>

#include "platform/emulated/emulated.h"
#include "platform/platform.h"
#include "platform/present/frame_present.h"
#include "platform/present/status_band.h"
#include "platform/status.h"
#include "platform/web/web_backend.h"

namespace {

using present::Height;
using present::Width;

constexpr double FrameMs = 1000.0 / 60;
constexpr double EventShownMs = 4000;  // how long the status line tells of an event
constexpr std::size_t LineSize = 160;

struct WebDisplay {
  present::ShownFrame shown;
  std::uint32_t pixels[Width * Height];  // RGBA bytes in memory order, as ImageData has them
  present::Rect rects[present::MaxRects];
  std::uint32_t colours[256];
  double nextTick;  // when the current frame's wait ends; 0 before the first
  // What the page shows of the status last handed down.
  std::uint32_t eventSeen;
  double eventUntil;
  char line[LineSize];
  char title[LineSize];
  bool unsaved;
  char fileName[sizeof OsStatus::fileName];
};

WebDisplay Page;

}  // namespace

// The canvas takes the rectangles of the picture buffer; the time since
// `started` goes to the page's count of presents.
EM_JS(void, WebPutRects, (const present::Rect* rects, int count, double started),
      { Module.tesselle.putRects(rects, count, started); });
EM_JS(void, WebBindCanvas, (const std::uint32_t* pixels), { Module.tesselle.bindCanvas(pixels); });
EM_JS(void, WebShowStatus, (const char* line, const char* title, const char* fileName, int unsaved),
      {
        Module.tesselle.showStatus(UTF8ToString(line), UTF8ToString(title), UTF8ToString(fileName),
                                   unsaved != 0);
      });

namespace {

// Converts what changed on the emulated surface through the palette in force
// and puts only that on the canvas.
void PresentFrame() {
  if (emu::Display.surface == nullptr) return;
  double started = emscripten_get_now();
  for (int i = 0; i < 256; ++i) {
    const OsPaletteEntry& entry = emu::Display.inForce[i];
    Page.colours[i] =
        entry.red | std::uint32_t{entry.green} << 8 | std::uint32_t{entry.blue} << 16 | 0xFF000000u;
  }
  int count = present::FindChanges(emu::Display.surface, emu::Display.pitch, Page.colours,
                                   Page.shown, Page.rects);
  if (count == 0) return;
  for (int i = 0; i < count; ++i)
    present::DrawRect(Page.shown, Page.rects[i], 1, {Page.pixels, Width}, 0, 0);
  WebPutRects(Page.rects, count, started);
}

}  // namespace

namespace web {

void StartDisplay() {
  Page.shown.valid = false;
  WebBindCanvas(Page.pixels);
}

}  // namespace web

// Each wait ends on the tick after the one the previous wait ended on; a
// caller more than a tick late starts counting again from now.
void BackendWaitFrame() {
  PresentFrame();
  double now = emscripten_get_now();
  if (Page.nextTick == 0 || now > Page.nextTick + FrameMs) Page.nextTick = now;
  Page.nextTick += FrameMs;
  emscripten_sleep(static_cast<unsigned>(std::ceil(Page.nextTick - now)));
}

// The pointer always shows over the canvas, as in a desktop window.
void BackendCursorVisibility(bool) {}

// The page shows the status line's text, and the title with " *" while the
// set is unsaved.
// The page's status line is always there to tell what happened.
bool OsStatusLineShown() { return true; }

void OsShowStatus(const OsStatus& status) {
  double now = emscripten_get_now();
  if (status.eventNumber != Page.eventSeen) {
    Page.eventSeen = status.eventNumber;
    Page.eventUntil = now + EventShownMs;
  }
  char line[LineSize];
  present::FormatStatusLine(status, now < Page.eventUntil, line, sizeof line);
  // The window title's words, with the page's mark of an unsaved set.
  char title[LineSize];
  OsStatus named = status;
  named.unsaved = false;
  present::FormatWindowTitle(named, ProgramTitle, title, sizeof title);
  if (status.unsaved) std::strncat(title, " *", sizeof title - std::strlen(title) - 1);
  if (std::strcmp(line, Page.line) == 0 && std::strcmp(title, Page.title) == 0 &&
      status.unsaved == Page.unsaved && std::strcmp(status.fileName, Page.fileName) == 0)
    return;
  std::memcpy(Page.line, line, sizeof line);
  std::memcpy(Page.title, title, sizeof title);
  std::memcpy(Page.fileName, status.fileName, sizeof Page.fileName);
  Page.fileName[sizeof Page.fileName - 1] = '\0';
  Page.unsaved = status.unsaved;
  WebShowStatus(line, title, Page.fileName, status.unsaved);
}
