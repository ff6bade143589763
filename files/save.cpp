// The save command: copy the cell bank and id table into the set, which the
// caller has stored the edited area into, and write it whole; through the
// Save As dialog when Shift is held or no name is set. A file this run neither read nor wrote is
// replaced only when the user says so. A failed write is reported, never passed off.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "files/area_set.h"
#include "files/data_files.h"
#include "files/file_io.h"
#include "files/stored_set.h"
#include "platform/file_names.h"
#include "shell/desktop_turn.h"
#include "shell/services.h"
#include "shell/status_line.h"

namespace {

constexpr std::size_t LineSize = AreaFileNameSize + 128;

void CopyBankIntoAreaSet() {
  std::memcpy(AreaSetImage + AreaSetBankCopyOffset, CellBank, CellBankUsedSize);
  std::memcpy(AreaSetImage + AreaSetIdCopyOffset, CellIdTable, CellIdTableSize);
}

// Writes the set to AreaFileName; on failure returns the report line. Either
// way the status line says what became of it.
const char* WriteAreaSet() {
  if (WriteWholeFile(AreaFileName, AreaSetImage, AreaSetSize)) {
    RememberStoredSet(AreaFileName);
    ReportEvent("Saved %s", FileNamePart(AreaFileName));
    return nullptr;
  }
  const char* reason = FileErrorText(errno);
  ReportEvent("Save failed: %s", reason);
  static char line[LineSize];
  std::snprintf(line, sizeof line, "tesselle: cannot save %s: %s", AreaFileName, reason);
  return line;
}

// Replacing a file that this run did not read or write, such as an older set
// in the folder of a new one, needs the user's yes; Enter gives No. Nobody to
// ask means yes, as a save that does not ask would do. After No the status
// line says that nothing was saved, or else a box does.
bool MayReplace() {
  struct stat status;
  if (StoredUnder(AreaFileName) || stat(AreaFileName, &status) != 0) return true;
  static char text[LineSize];
  std::snprintf(text, sizeof text, "%s exists. Replace it with this area set?", AreaFileName);
  if (AskUser(text, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2, IDYES) == IDYES) return true;
  std::snprintf(text, sizeof text, "tesselle: nothing is saved: %s is kept as it is", AreaFileName);
  ReportEvent("Nothing saved: %s kept", FileNamePart(AreaFileName));
  NoteToUser(text);
  return false;
}

bool SaveUnderName() {
  if (!MayReplace()) return false;
  CopyBankIntoAreaSet();
  const char* failure = WriteAreaSet();
  if (failure != nullptr) TellUser(failure);
  return failure == nullptr;
}

bool SaveUnderChosenName() {
  LeaveForDesktop();
  CopyBankIntoAreaSet();
  AreaFileDialog.flags = OFN_OVERWRITEPROMPT;
  AreaFileDialog.defExt = "out";
  bool saved = false;
  if (OsGetSaveFileName(AreaFileDialog)) {
    const char* failure = WriteAreaSet();
    if (failure != nullptr) TellUser(failure);
    saved = failure == nullptr;
  }
  ReturnFromDesktop();
  return saved;
}

}  // namespace

bool SaveAreaSet() {
  return AreaFileName[0] == 0 || ShiftHeld() ? SaveUnderChosenName() : SaveUnderName();
}

bool SaveChanges() { return AreaFileName[0] == 0 ? SaveUnderChosenName() : SaveUnderName(); }
