// The save command: copy the cell bank and id table into the set, which the
// caller has stored the edited area into, and write it whole; through the
// Save As dialog when Shift is held or no name is set. A failed write is
// reported, never passed off.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "draw/screen.h"
#include "files/area_set.h"
#include "files/data_files.h"
#include "files/file_io.h"
#include "shell/display.h"
#include "shell/services.h"
#include "shell/status_line.h"

namespace {

void CopyBankIntoAreaSet() {
  std::memcpy(AreaSetImage + AreaSetBankCopyOffset, CellBank, CellBankUsedSize);
  std::memcpy(AreaSetImage + AreaSetIdCopyOffset, CellIdTable, CellIdTableSize);
}

// Writes the set to AreaFileName; on failure returns the report line. Either
// way the status line says what became of it.
const char* WriteAreaSet() {
  if (WriteWholeFile(AreaFileName, AreaSetImage, AreaSetSize)) {
    ReportEvent("Saved %s", FileNamePart(AreaFileName));
    return nullptr;
  }
  const char* reason = std::strerror(errno);
  ReportEvent("Save failed: %s", reason);
  static char line[AreaFileNameSize + 128];
  std::snprintf(line, sizeof line, "tesselle: cannot save %s: %s", AreaFileName, reason);
  OsReportError(line);
  return line;
}

void LeaveForDesktop() {
  SaveScreen(SaveAsScreenStore);
  LeaveScreenMode();
  OsShowCursor(true);
}

void ReturnFromDesktop() {
  OsShowCursor(false);
  EnterScreenMode();
  ApplyPalette(CellBank + CellBankPaletteOffset);
  RestoreScreen(SaveAsScreenStore);
}

}  // namespace

void SaveAreaSet() {
  bool saveAs = AreaFileName[0] == 0 || ShiftHeld();
  if (!saveAs) {
    CopyBankIntoAreaSet();
    if (const char* failure = WriteAreaSet()) {
      LeaveForDesktop();
      OsMessageBox(failure + std::strlen("tesselle: "));
      ReturnFromDesktop();
    }
    return;
  }

  LeaveForDesktop();
  CopyBankIntoAreaSet();
  AreaFileDialog.flags = 0;
  AreaFileDialog.defExt = "out";
  if (OsGetSaveFileName(AreaFileDialog)) {
    if (const char* failure = WriteAreaSet()) OsMessageBox(failure + std::strlen("tesselle: "));
  }
  ReturnFromDesktop();
}
