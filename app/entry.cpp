// Program entry: the window class and window, the data files, the display,
// the first screen, then the main loop.
#include "app/program.h"
#include "app/status_line.h"
#include "area/history.h"
#include "files/area_set.h"
#include "files/data_files.h"
#include "files/stored_set.h"
#include "runtime/display.h"
#include "runtime/exit.h"
#include "runtime/messages.h"
#include "runtime/shown_screen.h"
#include "runtime/status_events.h"

const char ProgramTitle[] = "Tesselle v1.0";

void ProgramEntry() {
  SetStatusSource(FillStatus);
  ShowBaseScreen(AreaEditorScreen);
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
      OsCreateWindow(WindowClassName, ProgramTitle, 0, 0, 0, 200, 320, ProgramState.instance);
  if (ProgramState.mainWindow == nullptr) FailStartup("display: cannot create the window");

  bool opened = LoadDataFiles();
  OsShowCursor(false);
  InitDisplay(ProgramState.mainWindow);
  EnterScreenMode();
  CreatePrimary();
  BuildIdLayers();
  RememberStoredSet(opened ? AreaFileName : nullptr);
  ApplyPalette(CellBank + CellBankPaletteOffset);
  AreaEditorScreen.draw();
  StartHistory();
  MainLoop();
  ExitProgram();
}
