// The common file dialogs, with one OPENFILENAMEA record shared by the open
// and the Save As dialogs (a folder's name asked again, a failed dialog
// keeping the previous name), the two failure reports (a line for a
// debugger, and stderr when someone has attached one; the message box) and
// questions.
#include <cderr.h>

#include <cstdio>
#include <cstring>

#include "platform/file_names.h"
#include "platform/win32/win32.h"

namespace {

OPENFILENAMEA AreaFileRecord;

using DialogCall = BOOL(WINAPI*)(LPOPENFILENAMEA);

// A Save As answer that is no file name: it ends in a separator or names a
// folder.
bool NamesFolder(const char* name) {
  std::size_t length = std::strlen(name);
  if (length > 0 && IsFolderSeparator(name[length - 1])) return true;
  DWORD attributes = GetFileAttributesA(name);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The dialogs move the working folder as the user browses, also when the
// user then cancels (the open dialog has no flag against it). A dialog that
// chose nothing puts it back, so that a set not yet named is still written
// where the program was started.
class KeptFolder {
 public:
  KeptFolder() : length_(GetCurrentDirectoryA(sizeof folder_, folder_)) {}
  void PutBack() const {
    if (length_ > 0 && length_ < sizeof folder_) SetCurrentDirectoryA(folder_);
  }

 private:
  char folder_[MAX_PATH];
  DWORD length_;
};

bool RunDialog(OsFileDialog& dialog, DialogCall call, const char* name) {
  // The system writes over the name buffer also when it fails.
  static char previous[4096];
  std::snprintf(previous, sizeof previous, "%s", dialog.file != nullptr ? dialog.file : "");
  const KeptFolder folder;
  for (;;) {
    AreaFileRecord = {};
    AreaFileRecord.lStructSize = sizeof AreaFileRecord;
    AreaFileRecord.hwndOwner = static_cast<HWND>(dialog.owner);
    AreaFileRecord.hInstance = static_cast<HINSTANCE>(dialog.instance);
    AreaFileRecord.lpstrFilter = dialog.filter;
    AreaFileRecord.lpstrFile = dialog.file;
    AreaFileRecord.nMaxFile = dialog.maxFile;
    AreaFileRecord.Flags = dialog.flags;
    AreaFileRecord.lpstrDefExt = dialog.defExt;
    bool chosen = call(&AreaFileRecord) != 0;
    dialog.flags = AreaFileRecord.Flags;
    if (chosen && call == GetSaveFileNameA && NamesFolder(dialog.file)) {
      char text[4200];
      std::snprintf(text, sizeof text, "%s is a folder. Choose a file name.", dialog.file);
      OsMessageBox(text);
      continue;  // the dialog again
    }
    if (chosen) return true;
    folder.PutBack();
    // Zero is a cancel, anything else a failure the program also takes as one.
    DWORD error = CommDlgExtendedError();
    if (error == 0) return false;
    char line[160];
    std::snprintf(line, sizeof line, "tesselle: the %s dialog failed (error 0x%lx)", name,
                  static_cast<unsigned long>(error));
    OsReportError(line);
    if (error == FNERR_BUFFERTOOSMALL && dialog.file != nullptr) {
      std::snprintf(dialog.file, dialog.maxFile, "%s", previous);
      std::snprintf(line, sizeof line,
                    "The name chosen is too long: at most %u characters. The previous name is "
                    "kept.",
                    dialog.maxFile > 0 ? dialog.maxFile - 1 : 0);
      OsMessageBox(line);
    }
    return false;
  }
}

}  // namespace

bool OsGetOpenFileName(OsFileDialog& dialog) { return RunDialog(dialog, GetOpenFileNameA, "open"); }

bool OsGetSaveFileName(OsFileDialog& dialog) {
  return RunDialog(dialog, GetSaveFileNameA, "Save As");
}

void OsReportError(const char* line) {
  static char text[1024];
  std::snprintf(text, sizeof text, "%s\n", line);
  OutputDebugStringA(text);
  std::fputs(text, stderr);
  std::fflush(stderr);
}

void OsMessageBox(const char* text) {
  MessageBoxA(win32::MainWindow, text, "Tesselle v1.0", MB_OK | MB_ICONERROR);
}

int OsAskQuestion(const char* text, std::uint32_t type, int unasked) {
  int answer = MessageBoxA(win32::MainWindow, text, "Tesselle v1.0", type);
  if (answer == IDYES || answer == IDNO || answer == IDCANCEL) return answer;
  return unasked;  // the box could not be shown: nobody was asked
}
