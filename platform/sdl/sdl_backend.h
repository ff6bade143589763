// What the desktop backend's files share: the window and its picture, the
// pending input taken from SDL, the key table, the pointer and the way a
// dialog borrows the screen.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/emulated/input_ring.h"
#include "platform/platform.h"
#include "platform/status.h"

namespace desktop {

// --- Display (sdl_display.cpp) ---------------------------------------------
// Opens the window, full screen or in a normal window. On failure returns
// false and SDL_GetError() says why.
bool OpenDisplay(bool fullScreen);
// Destroys whatever OpenDisplay made; safe to call more than once.
void CloseDisplay();
SDL_Window* Window();  // null when no display is open
// Converts what changed on the emulated surface through the palette in force
// and presents only that; presents nothing when nothing changed.
void PresentFrame();
// The window was exposed or resized: show the picture again at the next
// chance, unless a new frame is presented first.
void MarkPictureStale();
void RepresentIfStale();
// Keeps the status the program hands down for the status line and the title.
void ShowStatus(const OsStatus& status);
// Titles the window (sdl_x11.cpp), in a form every X client reads.
void SetWindowTitle(SDL_Window* window, const char* title);

// A scope that calls Begin where it starts and End where it ends.
template <void (*Begin)(), void (*End)()>
class Scope {
 public:
  Scope() { Begin(); }
  ~Scope() { End(); }
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;
};

// While a dialog is up the window leaves full screen and the pointer shows;
// both come back when the last scope ends.
void BeginDialog();
void EndDialog();
using DialogScope = Scope<BeginDialog, EndDialog>;

// While the in-window prompt is up it draws on the emulated surface and the
// window shows it through the given palette (not the one in force, which may
// still be all black at start-up). When the scope ends the surface, the
// palette used and the picture on the window are as they were before.
class BorrowedScreen {
 public:
  explicit BorrowedScreen(const OsPaletteEntry* palette);
  ~BorrowedScreen();
  BorrowedScreen(const BorrowedScreen&) = delete;
  BorrowedScreen& operator=(const BorrowedScreen&) = delete;

 private:
  struct Saved;
  std::unique_ptr<Saved> saved_;
};

// --- Input (sdl_input.cpp) -------------------------------------------------
// Moves waiting SDL events into the pending messages while there is room.
void PumpEvents();
// While a dialog runs: keeps the window painted and drops its key presses.
void PumpWhileModal();
// What the in-window prompt is handed.
enum class PromptEvent { None, Other, Key, Text, Close };
// While the prompt runs: waits up to `milliseconds` for the next event and
// tells what it is for the prompt (None: no event came; Other: one the window
// dealt with itself), keeping the window painted. A request to close is also
// kept as WM_CLOSE for the program, after the prompt.
PromptEvent NextPromptEvent(SDL_Event& event, int milliseconds);
// Waits up to `milliseconds` for input to the window or a signal to end
// (sdl_x11.cpp).
void WaitForInput(int milliseconds);

// --- Keys (sdl_keys.cpp) ---------------------------------------------------
// The virtual-key code of an SDL key, or 0 for a key the program never sees.
OsWParam VirtualKey(const SDL_Keysym& key);

// A key or mouse event as the Windows message it becomes, with the modifiers
// held for it.
using KeyMessage = emu::InputMessage;
// False for keys without a virtual-key code.
bool TranslateKey(const SDL_KeyboardEvent& event, KeyMessage& out);

// --- Pointer (sdl_pointer.cpp) ---------------------------------------------
// In a window the pointer always shows; in full screen as the calls below say.
void StartPointer(bool fullScreen);
// The program or a dialog shows or hides the pointer.
void SetPointerVisible(bool visible);
// A key press hides the pointer that a movement showed; so does the time.
void PointerSeesKey();
void PointerSeesTime();
// False for mouse events the program does not see: other buttons, presses
// and the wheel while the pointer is hidden, and anything outside the picture
// but the release of a press that was delivered.
bool TranslatePointer(const SDL_Event& event, KeyMessage& out);

// --- Dialogs (sdl_dialogs.cpp) ---------------------------------------------
enum class FirstOpen { Ask, Answer, Cancel };
// How the start-up open dialog is answered; name is kept, not copied.
void SetFirstOpenAnswer(FirstOpen how, const char* name);

// --- The in-window prompt (sdl_prompt.cpp) ---------------------------------
// Why a typed name cannot be taken, or an empty string when it can.
using NameCheck = std::function<std::string(const std::string& name)>;
// Asks for a file name on a cleared screen in the window. `name` brings the
// starting text and, on true (Enter), takes the answer as typed; false is a
// cancel (Esc, or the window being closed). An answer that `check` refuses
// keeps the prompt up with the reason shown. At most `maxBytes` can be typed.
bool PromptInWindow(const char* title, const std::string& hint, std::string& name,
                    std::size_t maxBytes, const NameCheck& check);

// --- Dialog tools (sdl_dialogs.cpp) ---------------------------------------
// The path of a program found on PATH, or an empty string.
std::string FindOnPath(const char* program);
// Runs a dialog program with its arguments as they are (no shell), keeps the
// window painted while it runs and collects what it prints. Its exit status,
// or -1 when it cannot start or ends by a signal.
int RunTool(const std::vector<std::string>& arguments, std::string& output);

// --- Questions (sdl_question.cpp, sdl_prompt.cpp) ----------------------------
// OsAskQuestion without the recording: for a question a dialog asks.
int AskQuestion(const char* text, std::uint32_t type, int unasked);
// Asks in the window: Y, N, Esc (Cancel, or No without one) and Enter (the
// default button); the key that answers is not typed into a prompt below.
// Answers as OsAskQuestion does.
int AskQuestionInWindow(const char* text, std::uint32_t type, int unasked);

// --- Ending on a signal (sdl_signals.cpp) -----------------------------------
// Makes SIGTERM, SIGINT and SIGHUP end the process through the waits (status
// 128 + the signal); false with errno when that cannot be set up.
bool CatchEndSignals();
// A descriptor that turns readable once such a signal has come, to poll.
int EndSignalWaiter();
// Ends the process, saving nothing, once such a signal has come: every wait
// calls it.
void EndIfSignalled();
// The process group of the dialog program running now (0: none), which such
// a signal ends too.
void SetHelperGroup(int group);
// While SDL's own message box waits, such a signal ends the process at once.
void BeginHeld();
void EndHeld();
using HeldScope = Scope<BeginHeld, EndHeld>;

// --- Recording (sdl_record.cpp) --------------------------------------------
// Makes `path` for the session's script, as a new file that is none of the
// `inputs`; false, with why in `why`, when it is refused or cannot be made.
bool CreateRecording(const char* path, const std::vector<std::string>& inputs, std::string& why);
// Removes the script made, for a start that goes no further.
void DropRecording();
// Starts writing the session, with names relative to the working folder.
void BeginRecording();
// A PeekMessage call that found no message of the program's own queue, and so
// looked at the input.
void RecordInputPeek();
// An input message that PeekMessage took, with the modifiers held for it.
void RecordMessage(const OsMessage& message, bool shift, bool control);
// A dialog's answer: the name the program received, or a cancel.
void RecordDialogAnswer(bool open, bool chosen, const OsFileDialog& dialog);
// A question's answer (IDYES, IDNO or IDCANCEL).
void RecordQuestionAnswer(int answer);
// The process ends with `code`.
void FinishRecording(std::uint32_t code);

}  // namespace desktop
