// The status line's text and its drawing. The font's code page is kept to
// its plain ASCII half, so names show as the bytes they are where they can.
#include "platform/sdl/status_band.h"

#include <cstdio>

#include "data/tables.h"

namespace present {

namespace {

constexpr int GlyphWidth = 8;

const char* ShownName(const OsStatus& status) {
  return status.fileName[0] != '\0' ? status.fileName : "(new set)";
}

}  // namespace

void FormatStatusLine(const OsStatus& status, bool withEvent, char* line, std::size_t size) {
  int used;
  const char* mark = status.unsaved ? "*" : "";
  if (!status.onWordMap)
    used = std::snprintf(line, size, "%s%s  Area %d  Col %d Row %d  Cell %d", ShownName(status),
                         mark, status.area, status.column, status.row, status.cell);
  else if (status.mapColumn >= 0)
    used = std::snprintf(line, size, "%s%s  Word Map %d,%d  Area %d", ShownName(status), mark,
                         status.mapColumn, status.mapRow, status.mapArea);
  else
    used = std::snprintf(line, size, "%s%s  Word Map picker  Area %d", ShownName(status), mark,
                         status.mapArea);
  if (withEvent && status.event[0] != '\0' && used >= 0 && static_cast<std::size_t>(used) < size)
    std::snprintf(line + used, size - static_cast<std::size_t>(used), "  |  %s", status.event);
}

void FormatWindowTitle(const OsStatus& status, const char* program, char* title, std::size_t size) {
  std::snprintf(title, size, "%s \xE2\x80\x94 %s%s", program, ShownName(status),
                status.unsaved ? "*" : "");
}

void DrawStatusBand(const Target& target, const Rect& band, int scale, const char* text,
                    std::uint32_t ink, std::uint32_t paper) {
  Fill(target, band, paper);
  int glyphWidth = GlyphWidth * scale;
  int x = band.x + glyphWidth;
  for (const char* c = text; *c != '\0' && x + glyphWidth <= band.x + band.w; ++c) {
    auto code = static_cast<unsigned char>(*c);
    if (code >= 0x80) code = '?';
    const std::uint8_t* glyph = HelpFont.data() + GlyphWidth * HelpGlyphHeight * code;
    for (int gy = 0; gy < HelpGlyphHeight * scale; ++gy) {
      std::uint32_t* out =
          target.pixels + static_cast<std::ptrdiff_t>(band.y + gy) * target.pitch + x;
      const std::uint8_t* glyphRow = glyph + GlyphWidth * (gy / scale);
      for (int gx = 0; gx < glyphWidth; ++gx)
        if (glyphRow[gx / scale] != 0) out[gx] = ink;
    }
    x += glyphWidth;
  }
}

}  // namespace present
