// The window manager for backends without one: the class and the window, a
// fixed ring of posted messages, message dispatch, the default window
// procedure's Alt+F4 and close road, the key state and the pointer count.
#include <cstring>

#include "platform/emulated/emulated.h"

namespace {

constexpr int QueueSize = 64;

struct WindowManager {
  OsWindowClass windowClass;
  bool classRegistered;
  bool windowAlive;
  OsMessage queue[QueueSize];
  int queueHead;
  int queueCount;
  bool shiftHeld;
  bool controlHeld;
  int cursorCount;
};

WindowManager Manager;
char ModuleToken, WindowToken, CursorToken, IconToken;

}  // namespace

namespace emu {

void PostMessage(OsHandle window, std::uint32_t message, OsWParam wParam, OsLParam lParam) {
  if (Manager.queueCount == QueueSize) return;  // a full queue drops, as the system's does
  OsMessage& slot = Manager.queue[(Manager.queueHead + Manager.queueCount) % QueueSize];
  slot = {};
  slot.window = window;
  slot.message = message;
  slot.wParam = wParam;
  slot.lParam = lParam;
  ++Manager.queueCount;
}

bool TakePostedMessage(OsMessage& message) {
  if (Manager.queueCount == 0) return false;
  message = Manager.queue[Manager.queueHead];
  Manager.queueHead = (Manager.queueHead + 1) % QueueSize;
  --Manager.queueCount;
  return true;
}

OsHandle MainWindow() { return Manager.windowAlive ? &WindowToken : nullptr; }

void SetHeldModifiers(bool shift, bool control) {
  Manager.shiftHeld = shift;
  Manager.controlHeld = control;
}

bool CursorVisible() { return Manager.cursorCount >= 0; }

void ResetWindowManager() { Manager = {}; }

}  // namespace emu

OsHandle OsGetModuleHandle() { return &ModuleToken; }
OsHandle OsLoadCursor(std::uint32_t) { return &CursorToken; }
OsHandle OsLoadIcon(std::uint32_t) { return &IconToken; }

bool OsRegisterClass(const OsWindowClass& windowClass) {
  if (Manager.classRegistered || windowClass.procedure == nullptr ||
      windowClass.className == nullptr)
    return false;
  Manager.windowClass = windowClass;
  Manager.classRegistered = true;
  return true;
}

OsHandle OsCreateWindow(const char* className, const char*, std::uint32_t, int, int, int, int,
                        OsHandle) {
  if (!Manager.classRegistered || Manager.windowAlive ||
      std::strcmp(className, Manager.windowClass.className) != 0)
    return nullptr;
  Manager.windowAlive = true;
  return &WindowToken;
}

void OsTranslateMessage(const OsMessage&) {}

OsResult OsDispatchMessage(const OsMessage& message) {
  if (message.window == nullptr || message.window != emu::MainWindow()) return 0;
  return Manager.windowClass.procedure(message.window, message.message, message.wParam,
                                       message.lParam);
}

OsResult OsDefWindowProc(OsHandle window, std::uint32_t message, OsWParam wParam, OsLParam lParam) {
  if (window == nullptr || window != emu::MainWindow()) return 0;
  switch (message) {
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && (lParam & (1 << 29)) != 0)
        emu::PostMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE)
        Manager.windowClass.procedure(window, WM_CLOSE, 0, 0);  // sent, not posted
      return 0;
    case WM_CLOSE:
      Manager.windowAlive = false;
      Manager.windowClass.procedure(window, WM_DESTROY, 0, 0);
      return 0;
    default: return 0;
  }
}

void OsPostQuitMessage(int code) {
  emu::PostMessage(nullptr, WM_QUIT, static_cast<OsWParam>(code), 0);
}

std::uint16_t OsGetKeyState(int virtualKey) {
  bool held = (virtualKey == static_cast<int>(VK_SHIFT) && Manager.shiftHeld) ||
              (virtualKey == static_cast<int>(VK_CONTROL) && Manager.controlHeld);
  return held ? 0xFF80 : 0;
}

int OsShowCursor(bool show) {
  bool wasVisible = emu::CursorVisible();
  Manager.cursorCount += show ? 1 : -1;
  if (emu::CursorVisible() != wasVisible) BackendCursorVisibility(emu::CursorVisible());
  return Manager.cursorCount;
}
