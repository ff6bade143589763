// Program entry: the window class and window, the data files, the display,
// the first screen, then the main loop.
#include "app/program.h"
#include "area/area_slots.h"
#include "area/editor_windows.h"
#include "area/history.h"
#include "draw/background.h"
#include "files/area_set.h"
#include "files/data_files.h"
#include "files/stored_set.h"
#include "runtime/display.h"

ProgramStateRecord ProgramState = {.running = 1};

void ProgramEntry() {
  ProgramState.instance = OsGetModuleHandle();
  OsHandle cursor = OsLoadCursor(0x7F00);  // IDC_ARROW
  OsHandle icon = OsLoadIcon(0x7F00);      // IDI_APPLICATION

  ProgramState.windowClass = {
      .style = 0x4000,  // CS_GLOBALCLASS
      .procedure = WndProc,
      .classExtra = 0,
      .windowExtra = 0,
      .instance = ProgramState.instance,
      .icon = icon,
      .cursor = cursor,
      .background = 6,  // COLOR_WINDOW + 1
      .menuName = nullptr,
      .className = WindowClassName,
  };
  if (!OsRegisterClass(ProgramState.windowClass))
    FailStartup("display: cannot register the window class");

  ProgramState.mainWindow =
      OsCreateWindow(WindowClassName, WindowTitle, 0, 0, 0, 200, 320, ProgramState.instance);
  if (ProgramState.mainWindow == nullptr) FailStartup("display: cannot create the window");

  bool opened = LoadDataFiles();
  OsShowCursor(false);
  InitDisplay(ProgramState.mainWindow);
  EnterScreenMode();
  CreatePrimary();
  BuildIdLayers();
  RememberStoredSet(opened ? AreaFileName : nullptr);
  ApplyPalette(CellBank + CellBankPaletteOffset);
  DrawBackground();
  DrawSelectorWindow();
  LoadArea();
  DrawAreaNumber();
  StartHistory();
  MainLoop();
  ExitProgram();
}
