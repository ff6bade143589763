// Input from SDL: events become Windows messages in the input ring.
// Exposure re-presents the picture; the window manager's close button
// becomes WM_CLOSE. The in-window prompt takes its keys and text straight
// from SDL.
#include "platform/emulated/emulated.h"
#include "platform/sdl/sdl_backend.h"

namespace {

// The vertical blank at which PeekMessage last found no input. Input that
// arrives later in the same frame waits for the next one, so a message is
// taken only at the first look of a frame or right after another message:
// the turn at which a recording replays it.
struct IdleLook {
  bool seen;
  std::uint64_t blank;
};

IdleLook LastIdleLook;

// While a dialog or the prompt has the window, the release of a press the
// program saw is kept for it, so that no button stays held after them.
void KeepRelease(const SDL_Event& event) {
  desktop::KeyMessage release;
  if (event.type == SDL_MOUSEBUTTONUP && desktop::TranslatePointer(event, release))
    emu::PushInput(release, event.common.timestamp);
}

// The close button's message, with the modifiers held now.
emu::InputMessage CloseMessage() {
  SDL_Keymod held = SDL_GetModState();
  return {WM_CLOSE, 0, 0, (held & KMOD_SHIFT) != 0, (held & KMOD_CTRL) != 0};
}

bool IsCloseRequest(const emu::InputMessage& input) {
  return input.message == WM_CLOSE || (input.message == WM_SYSKEYDOWN && input.wParam == VK_F4);
}

// A request to close that comes while a dialog or the prompt holds the
// program (the close button, Alt+F4) is kept for when it is done, once.
void KeepCloseRequest(const emu::InputMessage& input, std::uint32_t time) {
  if (!emu::InputWaits(IsCloseRequest)) emu::PushInput(input, time);
}

// Handles what every pump handles alike (exposure, resize);
// true when the event is input or a close that the caller still has to deal
// with.
bool HandleCommonEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SIZE_CHANGED: desktop::MarkPictureStale(); return false;
        case SDL_WINDOWEVENT_CLOSE: return true;
        default: return false;
      }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_QUIT: return true;
    default: return false;
  }
}

}  // namespace

namespace desktop {

void PumpEvents() {
  EndIfSignalled();
  SDL_Event event;
  // A full ring leaves the rest in SDL's own queue rather than drop it.
  while (!emu::InputFull() && SDL_PollEvent(&event) != 0) {
    KeyMessage pointer;
    if (TranslatePointer(event, pointer)) emu::PushInput(pointer, event.common.timestamp);
    if (!HandleCommonEvent(event)) continue;
    if (event.type == SDL_KEYDOWN) PointerSeesKey();
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
      KeyMessage key;
      if (TranslateKey(event.key, key)) emu::PushInput(key, event.key.timestamp);
    } else {
      emu::PushInput(CloseMessage(), event.common.timestamp);  // the close button
    }
  }
  if (emu::InputFull()) SDL_PumpEvents();  // keep the window answering the display server
  PointerSeesTime();
}

void PumpWhileModal() {
  EndIfSignalled();
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    // The window is the dialog's owner and takes no other input meanwhile; a
    // release or a request to close is kept for when the dialog is done.
    KeepRelease(event);
    if (!HandleCommonEvent(event) || event.type == SDL_KEYUP) continue;
    KeyMessage key;
    if (event.type != SDL_KEYDOWN)
      KeepCloseRequest(CloseMessage(), event.common.timestamp);
    else if (TranslateKey(event.key, key) && IsCloseRequest(key))
      KeepCloseRequest(key, event.key.timestamp);
  }
  desktop::RepresentIfStale();
}

PromptEvent NextPromptEvent(SDL_Event& event, int milliseconds) {
  PromptEvent what = PromptEvent::None;
  bool taken = SDL_PollEvent(&event) != 0;
  if (!taken && milliseconds > 0) {
    WaitForInput(milliseconds);
    taken = SDL_PollEvent(&event) != 0;
  }
  if (taken) {
    what = PromptEvent::Other;
    KeepRelease(event);
    if (event.type == SDL_TEXTINPUT) {
      what = PromptEvent::Text;
    } else if (HandleCommonEvent(event)) {
      if (event.type == SDL_KEYDOWN) {
        what = PromptEvent::Key;
      } else if (event.type != SDL_KEYUP) {
        what = PromptEvent::Close;
        KeepCloseRequest(CloseMessage(), event.common.timestamp);
      }
    }
  }
  EndIfSignalled();
  desktop::RepresentIfStale();
  return what;
}

}  // namespace desktop

bool OsPeekMessage(OsMessage& message) {
  if (emu::TakePostedMessage(message)) return true;
  desktop::RecordInputPeek();
  if (!emu::InputWaiting()) desktop::PumpEvents();
  desktop::RepresentIfStale();
  std::uint64_t blank = emu::Display.verticalBlanks;
  if (!emu::InputWaiting() || (LastIdleLook.seen && LastIdleLook.blank == blank)) {
    LastIdleLook = {true, blank};
    return false;
  }
  return emu::TakeInput(message, desktop::RecordMessage);
}
