// Writing the set: copy the cell bank and id table into it and write it
// whole, through the Save As dialog when asked or when no name is set. A file
// this run neither read nor wrote is replaced only when the user says so. A
// failed write is reported, never passed off.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "files/area_set.h"
#include "files/data_files.h"
#include "files/stored_set.h"
#include "io/file_io.h"
#include "platform/file_names.h"
#include "runtime/desktop_turn.h"
#include "runtime/status_events.h"

namespace {

constexpr std::size_t LineSize = AreaFileNameSize + 128;

void CopyBankIntoAreaSet() {
  std::memcpy(AreaSetImage + AreaSetBankCopyOffset, CellBank, CellBankUsedSize);
  std::memcpy(AreaSetImage + AreaSetIdCopyOffset, CellIdTable, CellIdTableSize);
}

// Writes the set to AreaFileName; on failure returns the report line. Either
// way the status line says what became of it. Once the file is in place the
// set is saved, even when its folder could not be synced afterwards.
const char* WriteSetFile() {
  FileContent file{AreaFileName, AreaSetImage, AreaSetSize};
  Replaced done = ReplaceFiles(&file, 1, nullptr, 0);
  static char line[LineSize];
  if (done.placed == 1) {
    RememberStoredSet(AreaFileName);
    if (done.syncError == 0) {
      ReportEvent("Saved %s", FileNamePart(AreaFileName));
      return nullptr;
    }
    const char* reason = FileErrorText(done.syncError);
    ReportEvent("Saved %s (the folder could not be synced: %s)", FileNamePart(AreaFileName),
                reason);
    std::snprintf(line, sizeof line, "tesselle: Saved %s (the folder could not be synced: %s)",
                  AreaFileName, reason);
    OsReportError(line);
    return nullptr;
  }
  const char* reason = FileErrorText(done.error);
  ReportEvent("Save failed: %s", reason);
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
  const char* failure = WriteSetFile();
  if (failure != nullptr) TellUser(failure);
  return failure == nullptr;
}

bool SaveUnderChosenName() {
  LeaveForDesktop();
  CopyBankIntoAreaSet();
  AreaFileDialog.flags = OFN_OVERWRITEPROMPT;
  AreaFileDialog.defExt = "out";
  // A dialog may leave a name it refused in the buffer; a cancel keeps the
  // set's own name, so that the next F3 cannot write over the refused file.
  static char kept[AreaFileNameSize];
  std::memcpy(kept, AreaFileName, sizeof kept);
  bool saved = false;
  if (OsGetSaveFileName(AreaFileDialog)) {
    const char* failure = WriteSetFile();
    if (failure != nullptr) TellUser(failure);
    saved = failure == nullptr;
  } else {
    std::memcpy(AreaFileName, kept, sizeof kept);
  }
  ReturnFromDesktop();
  return saved;
}

}  // namespace

bool WriteAreaSet(SaveMode mode) {
  return AreaFileName[0] == 0 || mode == SaveMode::ChooseName ? SaveUnderChosenName()
                                                              : SaveUnderName();
}
