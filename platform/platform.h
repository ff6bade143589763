// The calls the program makes of its platform: window, message queue, key
// state, pointer, process exit, the exclusive 8-bit display and the two file
// dialogs. Values keep their Win32 meanings (message ids, virtual-key codes,
// DirectDraw result codes), so the Windows backend passes them straight on and
// the desktop and headless backends emulate exactly what the program needs.
#pragma once

#include <cstddef>
#include <cstdint>

using OsHandle = void*;
using OsWParam = std::uintptr_t;
using OsLParam = std::intptr_t;
using OsResult = std::intptr_t;
using OsWindowProc = OsResult (*)(OsHandle window, std::uint32_t message, OsWParam wParam,
                                  OsLParam lParam);

// What the program gives its front ends: the entry each one hands over to once
// it has set itself up, which never returns, and the program's name and
// version for the window, the dialogs and the questions.
[[noreturn]] void ProgramEntry();
extern const char ProgramTitle[];

// Window messages.
constexpr std::uint32_t WM_DESTROY = 0x0002;
constexpr std::uint32_t WM_CLOSE = 0x0010;
constexpr std::uint32_t WM_PAINT = 0x000F;
constexpr std::uint32_t WM_QUIT = 0x0012;
constexpr std::uint32_t WM_ERASEBKGND = 0x0014;
constexpr std::uint32_t WM_ACTIVATEAPP = 0x001C;
constexpr std::uint32_t WM_KEYDOWN = 0x0100;
constexpr std::uint32_t WM_KEYUP = 0x0101;
constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr std::uint32_t WM_SYSKEYUP = 0x0105;
constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
constexpr std::uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr std::uint32_t WM_QUERYNEWPALETTE = 0x030F;
constexpr std::uint32_t WM_PALETTEISCHANGING = 0x0310;
constexpr std::uint32_t WM_PALETTECHANGED = 0x0311;
constexpr OsWParam SC_CLOSE = 0xF060;
// The pointer messages' wParam: buttons and modifiers held, and the wheel's
// signed delta in the high word, WHEEL_DELTA a notch. Their lParam is the
// picture pixel, x in the low word and y in the high word.
constexpr OsWParam MK_LBUTTON = 0x1;
constexpr OsWParam MK_RBUTTON = 0x2;
constexpr OsWParam MK_SHIFT = 0x4;
constexpr OsWParam MK_CONTROL = 0x8;
constexpr int WHEEL_DELTA = 120;
// The range of the pointer messages (WM_MOUSEFIRST..WM_MOUSELAST).
constexpr bool IsPointerMessage(std::uint32_t message) {
  return message >= WM_MOUSEMOVE && message <= 0x020E;
}
constexpr std::uint32_t PM_REMOVE = 1;

// Virtual-key codes.
constexpr OsWParam VK_BACK = 0x08;
constexpr OsWParam VK_TAB = 0x09;
constexpr OsWParam VK_CLEAR = 0x0C;
constexpr OsWParam VK_RETURN = 0x0D;
constexpr OsWParam VK_SHIFT = 0x10;
constexpr OsWParam VK_CONTROL = 0x11;
constexpr OsWParam VK_MENU = 0x12;
constexpr OsWParam VK_ESCAPE = 0x1B;
constexpr OsWParam VK_SPACE = 0x20;
constexpr OsWParam VK_PRIOR = 0x21;
constexpr OsWParam VK_NEXT = 0x22;
constexpr OsWParam VK_END = 0x23;
constexpr OsWParam VK_HOME = 0x24;
constexpr OsWParam VK_LEFT = 0x25;
constexpr OsWParam VK_UP = 0x26;
constexpr OsWParam VK_RIGHT = 0x27;
constexpr OsWParam VK_DOWN = 0x28;
constexpr OsWParam VK_INSERT = 0x2D;
constexpr OsWParam VK_DELETE = 0x2E;
constexpr OsWParam VK_NUMPAD0 = 0x60;
constexpr OsWParam VK_MULTIPLY = 0x6A;
constexpr OsWParam VK_ADD = 0x6B;
constexpr OsWParam VK_SUBTRACT = 0x6D;
constexpr OsWParam VK_DECIMAL = 0x6E;
constexpr OsWParam VK_DIVIDE = 0x6F;
constexpr OsWParam VK_F1 = 0x70;
constexpr OsWParam VK_F2 = 0x71;
constexpr OsWParam VK_F3 = 0x72;
constexpr OsWParam VK_F4 = 0x73;
constexpr OsWParam VK_F5 = 0x74;
constexpr OsWParam VK_F10 = 0x79;
constexpr OsWParam VK_OEM_PLUS = 0xBB;
constexpr OsWParam VK_OEM_MINUS = 0xBD;

// DirectDraw values.
constexpr std::uint32_t DDSCL_FULLSCREEN_EXCLUSIVE = 0x11;
constexpr std::uint32_t DDSD_CAPS = 0x1;
constexpr std::uint32_t DDSD_PITCH = 0x8;
constexpr std::uint32_t DDSCAPS_PRIMARYSURFACE = 0x200;
constexpr std::uint32_t DDPCAPS_8BIT_ALLOW256 = 0x44;
constexpr std::uint32_t DDLOCK_WAIT = 0x1;
constexpr std::uint32_t DDWAITVB_BLOCKBEGIN = 0x1;
constexpr std::int32_t DD_OK = 0;
constexpr std::int32_t DDERR_SURFACELOST = static_cast<std::int32_t>(0x887601C2u);
constexpr std::int32_t DDERR_WRONGMODE = static_cast<std::int32_t>(0x8876024Bu);
constexpr std::int32_t DDERR_NOEXCLUSIVEMODE = static_cast<std::int32_t>(0x887600E1u);
constexpr std::int32_t DDERR_GENERIC = static_cast<std::int32_t>(0x80004005u);

// Message-box types and answers, and the Save As flag that asks before a file
// is replaced.
constexpr std::uint32_t MB_YESNOCANCEL = 0x3;
constexpr std::uint32_t MB_YESNO = 0x4;
constexpr std::uint32_t MB_ICONQUESTION = 0x20;
constexpr std::uint32_t MB_ICONWARNING = 0x30;
constexpr std::uint32_t MB_DEFBUTTON1 = 0x0;
constexpr std::uint32_t MB_DEFBUTTON2 = 0x100;
constexpr std::uint32_t MB_DEFBUTTON3 = 0x200;
constexpr std::uint32_t MB_TYPEMASK = 0xF;
constexpr std::uint32_t MB_DEFMASK = 0xF00;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr std::uint32_t OFN_OVERWRITEPROMPT = 0x2;

// The answer of a question's default button: Yes, No, or Cancel when a
// Yes/No/Cancel question names its third button.
constexpr int DefaultAnswer(std::uint32_t type) {
  if ((type & MB_DEFMASK) == MB_DEFBUTTON2) return IDNO;
  if ((type & MB_DEFMASK) == MB_DEFBUTTON3 && (type & MB_TYPEMASK) == MB_YESNOCANCEL)
    return IDCANCEL;
  return IDYES;
}

// The one message record every loop peeks into.
struct OsMessage {
  OsHandle window;
  std::uint32_t message;
  OsWParam wParam;
  OsLParam lParam;
  std::uint32_t time;
  std::int32_t x, y;
};

struct OsWindowClass {
  std::uint32_t style;
  OsWindowProc procedure;
  int classExtra;
  int windowExtra;
  OsHandle instance;
  OsHandle icon;
  OsHandle cursor;
  std::uintptr_t background;
  const char* menuName;
  const char* className;
};

// The fields of a DirectDraw surface description that the program uses.
struct OsSurfaceDesc {
  std::uint32_t size;
  std::uint32_t flags;
  std::int32_t pitch;
  std::uint32_t caps;
  std::uint8_t* surface;
};

struct OsPaletteEntry {
  std::uint8_t red, green, blue, flags;
};

// The common file-dialog record shared by the open and the Save As dialogs.
struct OsFileDialog {
  std::uint32_t structSize;
  OsHandle owner;
  OsHandle instance;
  const char* filter;  // pairs of strings, ended by an empty string
  char* file;
  std::uint32_t maxFile;
  std::uint32_t flags;
  const char* defExt;
};

// Kernel and window manager.
OsHandle OsGetModuleHandle();
OsHandle OsLoadCursor(std::uint32_t id);
OsHandle OsLoadIcon(std::uint32_t id);
bool OsRegisterClass(const OsWindowClass& windowClass);
OsHandle OsCreateWindow(const char* className, const char* title, std::uint32_t style, int x, int y,
                        int width, int height, OsHandle instance);
bool OsPeekMessage(OsMessage& message);  // any window, no filter, PM_REMOVE
void OsTranslateMessage(const OsMessage& message);
OsResult OsDispatchMessage(const OsMessage& message);
OsResult OsDefWindowProc(OsHandle window, std::uint32_t message, OsWParam wParam, OsLParam lParam);
void OsPostQuitMessage(int code);
std::uint16_t OsGetKeyState(int virtualKey);  // bit 15 set while held
int OsShowCursor(bool show);
[[noreturn]] void OsExitProcess(std::uint32_t code);

// Common dialogs: true when a name was chosen, false on cancel or failure.
bool OsGetOpenFileName(OsFileDialog& dialog);
bool OsGetSaveFileName(OsFileDialog& dialog);

// Failure reports: one line for whoever watches the process, and the message
// box that shows a failed save to the user.
void OsReportError(const char* line);
void OsMessageBox(const char* text);
// Asks a question: type is MB_YESNO or MB_YESNOCANCEL with an icon and the
// default button, the one Enter gives a person; the answer is IDYES, IDNO or
// IDCANCEL (never IDCANCEL for MB_YESNO). When nobody can be asked (a script
// that gives no answer, a box that cannot be shown) the answer is `unasked`:
// what the program does when it does not ask, whatever the default button.
int OsAskQuestion(const char* text, std::uint32_t type, int unasked);

// Files, by the system's own handle (a descriptor or a HANDLE). Every call
// sets errno on failure; a folder is refused with EISDIR, and anything else
// that is not a regular file (a FIFO, a device) with ENODEV.
using OsFile = std::intptr_t;
constexpr OsFile OsNoFile = -1;
constexpr std::size_t OsPathSize = 4096;

// Opens a regular file for reading without ever waiting on it, and gives its
// size.
OsFile OsOpenRegularFile(const char* name, std::uint64_t& size);
// Reads up to count bytes: the count read, 0 at the end, -1 on failure.
long long OsReadFile(OsFile file, void* buffer, std::size_t count);
void OsCloseFile(OsFile file);

// Replacing a file. OsFindTarget gives the file that name finally names, with
// symbolic links followed, and checks that it may be replaced: it does not
// exist yet, or it is a regular file that may be written.
bool OsFindTarget(const char* name, char* target, std::size_t size);
// Creates a new, empty file exclusively in target's folder; its name, which
// does not grow with target's, goes to temporary.
OsFile OsCreateTemporary(const char* target, char* temporary, std::size_t size);
bool OsWriteFile(OsFile file, const void* bytes, std::size_t count);  // all of them
// Makes the written file durable, gives it target's mode (and owner where
// the process may), or a new file's mode, and closes it, also on failure.
bool OsFinishTemporary(OsFile file, const char* temporary, const char* target);
// Puts from in place of to in one step.
bool OsReplaceFile(const char* from, const char* to);
// Makes the replacements in name's folder last, where the system needs the
// folder itself synced; false, with errno, when it could not be.
bool OsSyncFolder(const char* name);
void OsRemoveFile(const char* name);
// Removes from target's folder what a killed save left there: temporaries of
// ours (our name pattern, a regular file, our owner) not written to for ten
// minutes. Nothing else is ever removed, and a folder that cannot be listed
// is left alone.
void OsRemoveStaleTemporaries(const char* target);

// Which file a name names, links followed: for an existing file its device
// and number; for a new one its folder's, to be taken with the name's last
// part. Two names name the same file when their identities and, for new
// files, their last parts agree.
struct OsFileId {
  std::uint64_t device, number;
  bool isNew;
};
bool OsIdentifyFile(const char* name, OsFileId& id);

// DirectDraw.
OsHandle DdCreate();
std::int32_t DdSetCooperativeLevel(OsHandle draw, OsHandle window, std::uint32_t flags);
std::int32_t DdSetDisplayMode(OsHandle draw, std::uint32_t width, std::uint32_t height,
                              std::uint32_t bitsPerPixel);
std::int32_t DdRestoreDisplayMode(OsHandle draw);
OsHandle DdCreateSurface(OsHandle draw, OsSurfaceDesc& desc);
OsHandle DdCreatePalette(OsHandle draw, std::uint32_t flags, const OsPaletteEntry* entries);
std::int32_t DdWaitForVerticalBlank(OsHandle draw, std::uint32_t flags);
std::int32_t DdRelease(OsHandle draw);
std::int32_t DdSurfaceLock(OsHandle surface, OsSurfaceDesc& desc, std::uint32_t flags);
std::int32_t DdSurfaceUnlock(OsHandle surface);
std::int32_t DdSurfaceRestore(OsHandle surface);
std::int32_t DdSurfaceSetPalette(OsHandle surface, OsHandle palette);
std::int32_t DdSurfaceRelease(OsHandle surface);
std::int32_t DdPaletteRelease(OsHandle palette);
