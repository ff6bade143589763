// Input from SDL: events become Windows messages in a fixed ring, taken one
// at a time after the program's own posted messages; movements of the mouse
// that wait in the ring one after another become one, the last. Exposure re-presents the
// picture; the window manager's close button becomes WM_CLOSE. The in-window
// prompt takes its keys and text straight from SDL.
#include "platform/emulated/emulated.h"
#include "platform/emulated/pointer_hold.h"
#include "platform/sdl/sdl_backend.h"

namespace {

constexpr int RingSize = 256;

struct PendingMessage {
  std::uint32_t message;
  OsWParam wParam;
  OsLParam lParam;
  std::uint32_t time;
  bool shift;
  bool control;
};

struct InputRing {
  PendingMessage slots[RingSize];
  int head;
  int count;
};

InputRing Input;

// The vertical blank at which PeekMessage last found no input. Input that
// arrives later in the same frame waits for the next one, so a message is
// taken only at the first look of a frame or right after another message:
// the turn at which a recording replays it.
struct IdleLook {
  bool seen;
  std::uint64_t blank;
};

IdleLook LastIdleLook;

bool RingFull() { return Input.count == RingSize; }

void Push(const PendingMessage& pending) {
  Input.slots[(Input.head + Input.count) % RingSize] = pending;
  ++Input.count;
}

void PushPointer(const desktop::KeyMessage& pointer, std::uint32_t time) {
  if (Input.count > 0 && pointer.message == WM_MOUSEMOVE) {
    PendingMessage& newest = Input.slots[(Input.head + Input.count - 1) % RingSize];
    if (newest.message == WM_MOUSEMOVE) {
      newest.lParam = pointer.lParam;
      newest.time = time;
      return;
    }
  }
  Push({pointer.message, pointer.wParam, pointer.lParam, time, pointer.shift, pointer.control});
}

// While a dialog or the prompt has the window, the release of a press the
// program saw is kept for it, so that no button stays held after them.
void KeepRelease(const SDL_Event& event) {
  desktop::KeyMessage release;
  if (event.type == SDL_MOUSEBUTTONUP && !RingFull() && desktop::TranslatePointer(event, release))
    PushPointer(release, event.common.timestamp);
}

void PushClose(std::uint32_t time) {
  SDL_Keymod held = SDL_GetModState();
  Push({WM_CLOSE, 0, 0, time, (held & KMOD_SHIFT) != 0, (held & KMOD_CTRL) != 0});
}

bool IsCloseRequest(const PendingMessage& pending) {
  return pending.message == WM_CLOSE ||
         (pending.message == WM_SYSKEYDOWN && pending.wParam == VK_F4);
}

// A request to close that comes while a dialog or the prompt holds the
// program (the close button, Alt+F4) is kept for when it is done, once.
void KeepCloseRequest(const PendingMessage& pending) {
  for (int i = 0; i < Input.count; ++i)
    if (IsCloseRequest(Input.slots[(Input.head + i) % RingSize])) return;
  if (!RingFull()) Push(pending);
}

void KeepClose(std::uint32_t time) {
  SDL_Keymod held = SDL_GetModState();
  KeepCloseRequest({WM_CLOSE, 0, 0, time, (held & KMOD_SHIFT) != 0, (held & KMOD_CTRL) != 0});
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
  while (!RingFull() && SDL_PollEvent(&event) != 0) {
    KeyMessage pointer;
    if (TranslatePointer(event, pointer)) PushPointer(pointer, event.common.timestamp);
    if (!HandleCommonEvent(event)) continue;
    if (event.type == SDL_KEYDOWN) PointerSeesKey();
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
      KeyMessage key;
      if (TranslateKey(event.key, key))
        Push({key.message, key.wParam, key.lParam, event.key.timestamp, key.shift, key.control});
    } else {
      PushClose(event.common.timestamp);  // the close button
    }
  }
  if (RingFull()) SDL_PumpEvents();  // keep the window answering the display server
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
      KeepClose(event.common.timestamp);
    else if (TranslateKey(event.key, key) && key.message == WM_SYSKEYDOWN && key.wParam == VK_F4)
      KeepCloseRequest(
          {key.message, key.wParam, key.lParam, event.key.timestamp, key.shift, key.control});
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
        KeepClose(event.common.timestamp);
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
  if (Input.count == 0) desktop::PumpEvents();
  desktop::RepresentIfStale();
  std::uint64_t blank = emu::Display.verticalBlanks;
  if (Input.count == 0 || (LastIdleLook.seen && LastIdleLook.blank == blank)) {
    LastIdleLook = {true, blank};
    return false;
  }
  const PendingMessage& pending = Input.slots[Input.head];
  message = {};
  message.window = emu::MainWindow();
  message.message = pending.message;
  message.wParam = pending.wParam;
  message.lParam = pending.lParam;
  message.time = pending.time;
  desktop::RecordMessage(message, pending.shift, pending.control);
  bool shift = pending.shift, control = pending.control;
  emu::HoldForMessage(message, shift, control);
  emu::SetHeldModifiers(shift, control);
  Input.head = (Input.head + 1) % RingSize;
  --Input.count;
  return true;
}
