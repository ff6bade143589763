// The status line's text and its drawing. The font's code page is kept to
// its plain ASCII half, so names show as the bytes they are where they can.
#include "platform/present/status_band.h"

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
  // What lies under the cursor: "Cell 37", "Area 12", or none past the last;
  // in the selector, also how often the cell is used.
  std::int32_t number = status.onWordMap ? status.mapArea : status.cell;
  char under[64];
  if (number < 0)
    std::snprintf(under, sizeof under, "%s", status.onWordMap ? "no area" : "no cell");
  else if (!status.onWordMap && status.inSelector)
    std::snprintf(under, sizeof under, "Cell %d: %d use%s in %d area%s", number, status.uses,
                  status.uses == 1 ? "" : "s", status.usedAreas, status.usedAreas == 1 ? "" : "s");
  else
    std::snprintf(under, sizeof under, "%s %d", status.onWordMap ? "Area" : "Cell", number);
  if (!status.onWordMap)
    used = std::snprintf(line, size, "%s%s  Area %d  Col %d Row %d  %s", ShownName(status), mark,
                         status.area, status.column, status.row, under);
  else if (status.mapColumn >= 0)
    used = std::snprintf(line, size, "%s%s  Word Map %d,%d  %s", ShownName(status), mark,
                         status.mapColumn, status.mapRow, under);
  else
    used = std::snprintf(line, size, "%s%s  Word Map picker  %s", ShownName(status), mark, under);
  // A standing prompt takes the event's place for as long as it stands.
  const char* told = status.prompt[0] != '\0' ? status.prompt : withEvent ? status.event : "";
  if (*told != '\0' && used >= 0 && static_cast<std::size_t>(used) < size)
    std::snprintf(line + used, size - static_cast<std::size_t>(used), "  |  %s", told);
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
