// The dialogs, questions and messages as the page shows them, in dialogs of
// its own while the program waits; failure reports on the console; and the
// end of the process, after which the page says that the program has ended.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/emulated/dialog_name.h"
#include "platform/emulated/emulated.h"
#include "platform/platform.h"
#include "platform/web/web_backend.h"

// Each answers once the user does: 1 with the name in `name` (at most `size`
// bytes with its 0), 0 on cancel.
EM_ASYNC_JS(int, WebOpenDialog, (char* name, int size),
            { return Module.tesselle.openDialog(name, size); });
EM_ASYNC_JS(int, WebNameDialog, (char* name, int size),
            { return Module.tesselle.nameDialog(name, size); });
// IDYES, IDNO or IDCANCEL.
EM_ASYNC_JS(int, WebQuestion, (const char* text, int withCancel, int byDefault),
            { return Module.tesselle.question(UTF8ToString(text), withCancel != 0, byDefault); });
EM_ASYNC_JS(void, WebMessage, (const char* text),
            { await Module.tesselle.message(UTF8ToString(text)); });
EM_JS(void, WebEnded, (int code), { Module.tesselle.ended(code); });

bool OsGetOpenFileName(OsFileDialog& dialog) {
  if (dialog.file == nullptr || dialog.maxFile == 0) return false;
  return WebOpenDialog(dialog.file, static_cast<int>(dialog.maxFile)) != 0;
}

// The name typed gets the default extension; a name that comes out too long
// is refused, and a file that exists is replaced only when the user says so.
// The program's name changes only when a name is taken, as on Windows: a
// refused or cancelled one leaves it as it was.
bool OsGetSaveFileName(OsFileDialog& dialog) {
  if (dialog.file == nullptr || dialog.maxFile == 0) return false;
  static char typed[OsPathSize];
  std::snprintf(typed, sizeof typed, "%.*s", static_cast<int>(dialog.maxFile), dialog.file);
  for (;;) {
    if (WebNameDialog(typed, sizeof typed) == 0) return false;
    std::string name = emu::CompleteDialogName(typed, dialog.defExt);
    if (emu::NamesFolder(name)) {
      WebMessage(("That names a folder, not a file: " + name).c_str());
      continue;
    }
    if (name.size() + 1 > dialog.maxFile) {
      WebMessage(("The name is too long: " + name).c_str());
      continue;
    }
    OsFileDialog candidate = dialog;
    candidate.file = name.data();
    candidate.maxFile = static_cast<std::uint32_t>(name.size() + 1);
    if (!emu::MayReplace(candidate)) continue;
    std::memcpy(dialog.file, name.c_str(), name.size() + 1);
    return true;
  }
}

// The page always has someone to ask, so the answer of nobody asked is unused.
int OsAskQuestion(const char* text, std::uint32_t type, int) {
  return WebQuestion(text, (type & MB_TYPEMASK) == MB_YESNOCANCEL, DefaultAnswer(type));
}

void OsReportError(const char* line) { std::fprintf(stderr, "%s\n", line); }

void OsMessageBox(const char* text) { WebMessage(text); }

void OsExitProcess(std::uint32_t code) {
  std::fflush(nullptr);
  web::Listen(false);
  WebEnded(static_cast<int>(code & 0xFF));
  std::exit(static_cast<int>(code & 0xFF));
}
