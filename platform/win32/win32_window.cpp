// The window manager and the kernel calls of the seam, passed straight to
// Win32, and WndProc: the window procedure the system calls, the module's one
// export, which hands every message to the procedure the program registered.
#include "platform/win32/win32.h"

namespace win32 {
HWND MainWindow;
}

namespace {

OsWindowProc ProgramProcedure;

// Handles and message parameters pass through the seam's types unchanged.
static_assert(sizeof(OsResult) == sizeof(LRESULT) && sizeof(OsWParam) == sizeof(WPARAM) &&
              sizeof(OsLParam) == sizeof(LPARAM) && sizeof(OsHandle) == sizeof(HWND));

MSG ToSystem(const OsMessage& message) {
  MSG msg{};
  msg.hwnd = static_cast<HWND>(message.window);
  msg.message = message.message;
  msg.wParam = message.wParam;
  msg.lParam = message.lParam;
  msg.time = message.time;
  msg.pt.x = message.x;
  msg.pt.y = message.y;
  return msg;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (ProgramProcedure == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return ProgramProcedure(window, message, wParam, lParam);
}

OsHandle OsGetModuleHandle() { return GetModuleHandleA(nullptr); }

OsHandle OsLoadCursor(std::uint32_t id) { return LoadCursorA(nullptr, MAKEINTRESOURCEA(id)); }

OsHandle OsLoadIcon(std::uint32_t id) { return LoadIconA(nullptr, MAKEINTRESOURCEA(id)); }

bool OsRegisterClass(const OsWindowClass& windowClass) {
  if (windowClass.procedure == nullptr) return false;
  ProgramProcedure = windowClass.procedure;
  WNDCLASSA record{};
  record.style = windowClass.style;
  record.lpfnWndProc = WndProc;
  record.cbClsExtra = windowClass.classExtra;
  record.cbWndExtra = windowClass.windowExtra;
  record.hInstance = static_cast<HINSTANCE>(windowClass.instance);
  record.hIcon = static_cast<HICON>(windowClass.icon);
  record.hCursor = static_cast<HCURSOR>(windowClass.cursor);
  record.hbrBackground = reinterpret_cast<HBRUSH>(windowClass.background);
  record.lpszMenuName = windowClass.menuName;
  record.lpszClassName = windowClass.className;
  return RegisterClassA(&record) != 0;
}

OsHandle OsCreateWindow(const char* className, const char* title, std::uint32_t style, int x, int y,
                        int width, int height, OsHandle instance) {
  HWND window = CreateWindowExA(0, className, title, style, x, y, width, height, nullptr, nullptr,
                                static_cast<HINSTANCE>(instance), nullptr);
  if (window != nullptr) win32::MainWindow = window;
  return window;
}

// The pointer stays hidden over the exclusive full screen, so the messages
// of a mouse the user cannot see are dropped here, never seen by the program.
bool OsPeekMessage(OsMessage& message) {
  MSG msg;
  do
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  while (IsPointerMessage(msg.message));
  message.window = msg.hwnd;
  message.message = msg.message;
  message.wParam = msg.wParam;
  message.lParam = msg.lParam;
  message.time = msg.time;
  message.x = msg.pt.x;
  message.y = msg.pt.y;
  return true;
}

void OsTranslateMessage(const OsMessage& message) {
  MSG msg = ToSystem(message);
  TranslateMessage(&msg);
}

OsResult OsDispatchMessage(const OsMessage& message) {
  MSG msg = ToSystem(message);
  return DispatchMessageA(&msg);
}

OsResult OsDefWindowProc(OsHandle window, std::uint32_t message, OsWParam wParam, OsLParam lParam) {
  return DefWindowProcA(static_cast<HWND>(window), message, wParam, lParam);
}

void OsPostQuitMessage(int code) { PostQuitMessage(code); }

std::uint16_t OsGetKeyState(int virtualKey) {
  return static_cast<std::uint16_t>(GetKeyState(virtualKey));
}

int OsShowCursor(bool show) { return ShowCursor(show ? TRUE : FALSE); }

void OsExitProcess(std::uint32_t code) { ExitProcess(code); }
