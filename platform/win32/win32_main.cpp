// tesselle.exe: the Windows entry point. There is no command line; the
// program starts as it always does and never returns.
#include "platform/platform.h"
#include "platform/win32/win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { ProgramEntry(); }
