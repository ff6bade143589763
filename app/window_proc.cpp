// The window procedure of the program's one window.
#include "app/close_question.h"
#include "app/program.h"
#include "files/area_set.h"
#include "runtime/display.h"
#include "runtime/program_state.h"

OsResult WndProc(OsHandle window, std::uint32_t message, OsWParam wParam, OsLParam lParam) {
  switch (message) {
    case WM_DESTROY:
      ProgramState.running = 0;
      OsPostQuitMessage(0);
      return 0;
    case WM_CLOSE:
      if (!MayClose()) return 0;
      return OsDefWindowProc(window, message, wParam, lParam);
    // Coming back from another program: the wait for the display tries again
    // as soon as this message has been taken.
    case WM_ACTIVATEAPP: return 0;
    case WM_PAINT:
    case WM_ERASEBKGND: return 0;
    case WM_QUERYNEWPALETTE:
    case WM_PALETTEISCHANGING:
    case WM_PALETTECHANGED: ApplyPalette(CellBank + CellBankPaletteOffset); return 0;
    default: return OsDefWindowProc(window, message, wParam, lParam);
  }
}
