// The window manager and DirectDraw as the desktop and headless backends
// emulate them: one window class and window, the program's posted-message
// queue, the default window procedure's close road, the key state, and a
// virtual 640 x 480 x 8 primary surface with a palette and a pitch.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace emu {

// --- Window manager -------------------------------------------------------
// Messages the program posts come before any other source of messages.
void PostMessage(OsHandle window, std::uint32_t message, OsWParam wParam, OsLParam lParam);
bool TakePostedMessage(OsMessage& message);
OsHandle MainWindow();  // null until created, and again once destroyed
void SetHeldModifiers(bool shift, bool control);
bool CursorVisible();  // the pointer shows while the show count is 0 or more
// Back to no class, no window, an empty queue (for tests that start afresh).
void ResetWindowManager();

// --- Display --------------------------------------------------------------
struct DisplayState {
  std::uint8_t* surface;  // pitch x 480 bytes
  std::int32_t pitch;
  bool surfaceCreated;
  bool modeSet;
  bool lost;
  bool restoreFails;
  bool inactive;  // the exclusive mode is away: Restore reports DDERR_WRONGMODE
  bool failNextLock;
  bool locked;
  std::uint64_t verticalBlanks;
  OsPaletteEntry inForce[256];  // the palette attached to the surface
};
extern DisplayState Display;

// Allocates the surface once; pitch is at least 640.
void InitDisplayEmulation(std::int32_t pitch);
// The surface is lost: its bytes become 0 and the next lock reports it.
void LoseSurface(bool restorable);
// The program loses the exclusive mode (the surface with it) or gets it back.
void Deactivate();
void Activate();
// Copies the picture, 640 bytes a row, into out (640 x 480 bytes).
void CopyPicture(std::uint8_t* out);

// Whether a Save As answer may be taken: true unless the dialog asks before
// replacing (OFN_OVERWRITEPROMPT), the name is a file that exists and the
// user answers No to replacing it. Enter gives No; nobody to ask means yes,
// as a dialog that does not ask would do. `ask` puts the question
// (OsAskQuestion's form).
using AskQuestion = int (*)(const char* text, std::uint32_t type, int unasked);
bool MayReplace(const OsFileDialog& dialog, AskQuestion ask = OsAskQuestion);
// The same question about `name`, whatever the dialog's flags.
bool MayReplace(const char* name, AskQuestion ask);

}  // namespace emu

// Supplied by each backend.
void BackendWaitFrame();
void BackendCursorVisibility(bool visible);
