// Closing the window with unsaved changes asks Yes (save, then close), No
// (close without saving) or Cancel (go on). Yes saves as F3 does, so a new
// set goes through the question about replacing a file or the Save As dialog.
// Enter gives Yes, which keeps the work; nobody to ask means No, as a close
// that does not ask would do.
#include "app/close_question.h"

#include <cstdio>

#include "area/area_slots.h"
#include "area/unsaved.h"
#include "files/area_set.h"
#include "runtime/desktop_turn.h"

bool MayClose() {
  if (!UnsavedChanges()) return true;
  static char text[AreaFileNameSize + 64];
  std::snprintf(text, sizeof text, "Save changes to %s before closing?",
                AreaFileName[0] != '\0' ? AreaFileName : "the new area set");
  switch (AskUser(text, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON1, IDNO)) {
    case IDYES: return SaveAreaSet(SaveMode::UnderItsName);
    case IDNO: return true;
    default: return false;
  }
}
