// The common file dialogs, with one OPENFILENAMEA record shared by the open
// and the Save As dialogs, the two failure reports (a line for a debugger,
// and stderr when someone has attached one; the message box) and questions.
#include <cstdio>

#include "platform/win32/win32.h"

namespace {

OPENFILENAMEA AreaFileRecord;

using DialogCall = BOOL(WINAPI*)(LPOPENFILENAMEA);

bool RunDialog(OsFileDialog& dialog, DialogCall call, const char* name) {
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
  if (!chosen) {
    // Zero is a cancel, anything else a failure the program also takes as one.
    if (DWORD error = CommDlgExtendedError(); error != 0) {
      char line[96];
      std::snprintf(line, sizeof line, "tesselle: the %s dialog failed (error 0x%lx)", name,
                    static_cast<unsigned long>(error));
      OsReportError(line);
    }
  }
  return chosen;
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

int OsAskQuestion(const char* text, std::uint32_t type) {
  int answer = MessageBoxA(win32::MainWindow, text, "Tesselle v1.0", type);
  if (answer == IDYES || answer == IDNO || answer == IDCANCEL) return answer;
  // The box could not be shown: nobody was asked, so the default stands.
  return (type & MB_DEFMASK) == MB_DEFBUTTON2 ? IDNO : IDYES;
}
