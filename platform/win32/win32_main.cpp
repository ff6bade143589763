// tesselle.exe: the Windows entry point. There is no command line; the
// program starts as it always does and never returns.
#include "platform/win32/win32.h"
#include "shell/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { ProgramEntry(); }
