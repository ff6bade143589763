// What the Windows backend's files share. The seam comes first: the system
// headers define macros with the names and values of the seam's constants,
// which would otherwise rewrite the seam's own declarations.
#pragma once

#include "platform/platform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
// clang-format off
#include <windows.h>
#include <commdlg.h>
#include <ddraw.h>
// clang-format on

namespace win32 {

// The program's one window once created: the owner of the message box.
extern HWND MainWindow;

// The errno value closest to a Windows error code, for the program's reports.
int ErrnoFromWindows(DWORD error);

}  // namespace win32
